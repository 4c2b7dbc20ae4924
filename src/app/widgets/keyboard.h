// The program's keyboard shortcuts in one table: the windows take theirs from it when they open, and
// the F1 help window lists it.
#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace zova::app {

struct Shortcut {
  const char* window;   // objectName of the window; "" for every window
  const char* control;  // objectName of the button it presses; "" when the window handles the keys itself
  const char* keys;     // in QKeySequence's portable form, "Ctrl+O"
  const char* what;     // for the help window, as written: it translates it when shown
};

const std::vector<Shortcut>& Shortcuts();

// Gives the named buttons of `window` their keys, and F1 the help window.
void InstallShortcuts(QWidget* window);

// The help window listing the shortcuts; opened once, raised when asked again.
void ShowKeyboardHelp();

}  // namespace zova::app
