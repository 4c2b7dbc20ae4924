// Keyboard shortcuts and their help window.
#include "app/widgets/keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QHeaderView>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zova::app {

const std::vector<Shortcut>& Shortcuts() {
  static const std::vector<Shortcut> table{
      {"", "", "F1", "this list of keys"},
      {"frmMain", "", "Alt+letter", "opens the menu whose underlined letter it is"},
      {"frmMain", "", "Ctrl+L", "View: Line Monitor"},
      {"", "", "Esc", "Cancel: stops the running transfer between two exchanges"},
      {"frmLoc", "cmdLocTrans_3", "Ctrl+O", "LOCATION: File Open of LOC Trans"},
      {"frmLoc", "cmdLocReceive_4", "Ctrl+S", "LOCATION: File Save"},
      {"frmSft", "cmdSftLocTrans_2", "Ctrl+O", "SHIFT LOCATION: File Open of SFT LOC Trans"},
      {"frmSft", "cmdSftLocReceive_3", "Ctrl+S", "SHIFT LOCATION: File Save"},
      {"frmFile", "cmdFileTransOpen", "Ctrl+O", "FILE Trans / Receive: File Open of FILE Trans"},
      {"frmNsyspara", "cmdSave_0", "Ctrl+O", "System Parameter: File Open"},
      {"frmNsyspara", "cmdSave_1", "Ctrl+S", "System Parameter: File Save"},
      {"frmNaxpara", "cmdSave_0", "Ctrl+O", "Axis Parameter: File Open"},
      {"frmNaxpara", "cmdSave_1", "Ctrl+S", "Axis Parameter: File Save"},
      {"frmDownload", "cmdFile", "Ctrl+O", "Download: File Open"},
      {"frmLineMonitor", "cmdSave", "Ctrl+S", "Line Monitor: Save"},
      {"frmEditor", "mnuEditorNew", "Ctrl+N", "Program Editor: New"},
      {"frmEditor", "mnuEditorOpen", "Ctrl+O", "Program Editor: Open"},
      {"frmEditor", "mnuEditorSave", "Ctrl+S", "Program Editor: Save"},
      {"frmEditor", "mnuEditorSaveAs", "Ctrl+Shift+S", "Program Editor: Save As"},
      {"frmEditor", "mnuEditorClose", "Ctrl+W", "Program Editor: Close"},
      {"frmEditor", "mnuEditorUndo", "Ctrl+Z", "Program Editor: Undo"},
      {"frmEditor", "mnuEditorRedo", "Ctrl+Shift+Z", "Program Editor: Redo"},
      {"frmEditor", "mnuEditorFind", "Ctrl+F", "Program Editor: Find"},
      {"frmEditor", "mnuEditorFindNext", "F3", "Program Editor: Find Next"},
      {"frmEditor", "mnuEditorFindPrevious", "Shift+F3", "Program Editor: Find Previous"},
      {"frmEditor", "mnuEditorGoToLine", "Ctrl+G", "Program Editor: Go to Line"},
      {"frmEditor", "", "Esc", "Program Editor: hides the Find or Go to Line row"},
      {"frmKeyboard", "", "Esc", "closes this list"},
  };
  return table;
}

void InstallShortcuts(QWidget* window) {
  const QString name = window->objectName();
  for (const Shortcut& s : Shortcuts()) {
    if (name != s.window || *s.control == '\0') continue;
    if (auto* button = window->findChild<QAbstractButton*>(s.control)) button->setShortcut(QKeySequence(s.keys));
    if (auto* action = window->findChild<QAction*>(s.control)) action->setShortcut(QKeySequence(s.keys));
  }
  // The main window's Help menu carries F1; the other windows are reached while the main window is disabled.
  if (name != "frmMain") {
    auto* help = new QShortcut(QKeySequence::HelpContents, window);
    QObject::connect(help, &QShortcut::activated, window, &ShowKeyboardHelp);
  }
}

void ShowKeyboardHelp() {
  static QPointer<QWidget> shown;
  if (!shown) {
    auto* window = new QWidget(nullptr, Qt::Window);
    window->setObjectName("frmKeyboard");
    window->setWindowTitle("Keyboard");
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window);
    const std::vector<Shortcut>& keys = Shortcuts();
    auto* table = new QTableWidget(static_cast<int>(keys.size()), 2, window);
    table->setObjectName("tblKeys");
    table->setHorizontalHeaderLabels({"Keys", "What they do"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
      const Shortcut& s = keys[static_cast<std::size_t>(row)];
      table->setItem(row, 0, new QTableWidgetItem(s.keys));
      table->setItem(row, 1, new QTableWidgetItem(s.what));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    window->resize(560, 420);
    shown = window;
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
}

}  // namespace zova::app
