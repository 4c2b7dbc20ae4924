// Keyboard shortcuts and their help window.
#include "app/widgets/keyboard.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QHeaderView>
#include <QKeySequence>
#include <QPointer>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/widgets/window_util.h"

namespace zova::app {

namespace {
QString Translated(const char* text) { return QCoreApplication::translate("zova::app::Keyboard", text); }
}  // namespace

const std::vector<Shortcut>& Shortcuts() {
  static const std::vector<Shortcut> table{
      {"", "", "F1", QT_TRANSLATE_NOOP("zova::app::Keyboard", "this list of keys")},
      {"frmMain", "", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Alt+letter"),
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "opens the menu whose underlined letter it is")},
      {"frmMain", "", "Ctrl+L", QT_TRANSLATE_NOOP("zova::app::Keyboard", "View: Line Monitor")},
      {"", "", "Esc",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Cancel: stops the running transfer between two exchanges")},
      {"frmLoc", "cmdLocTrans_3", "Ctrl+O",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "LOCATION: File Open of LOC Trans")},
      {"frmLoc", "cmdLocReceive_4", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "LOCATION: File Save")},
      {"frmSft", "cmdSftLocTrans_2", "Ctrl+O",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "SHIFT LOCATION: File Open of SFT LOC Trans")},
      {"frmSft", "cmdSftLocReceive_3", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "SHIFT LOCATION: File Save")},
      {"frmFile", "cmdFileTransOpen", "Ctrl+O",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "FILE Trans / Receive: File Open of FILE Trans")},
      {"frmNsyspara", "cmdSave_0", "Ctrl+O", QT_TRANSLATE_NOOP("zova::app::Keyboard", "System Parameter: File Open")},
      {"frmNsyspara", "cmdSave_1", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "System Parameter: File Save")},
      {"frmNaxpara", "cmdSave_0", "Ctrl+O", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Axis Parameter: File Open")},
      {"frmNaxpara", "cmdSave_1", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Axis Parameter: File Save")},
      {"frmDownload", "cmdFile", "Ctrl+O", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Download: File Open")},
      {"frmLineMonitor", "cmdSave", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Line Monitor: Save")},
      {"frmEditor", "mnuEditorNew", "Ctrl+N", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: New")},
      {"frmEditor", "mnuEditorOpen", "Ctrl+O", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Open")},
      {"frmEditor", "mnuEditorSave", "Ctrl+S", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Save")},
      {"frmEditor", "mnuEditorSaveAs", "Ctrl+Shift+S",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Save As")},
      {"frmEditor", "mnuEditorClose", "Ctrl+W", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Close")},
      {"frmEditor", "mnuEditorUndo", "Ctrl+Z", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Undo")},
      {"frmEditor", "mnuEditorRedo", "Ctrl+Shift+Z", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Redo")},
      {"frmEditor", "mnuEditorFind", "Ctrl+F", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Find")},
      {"frmEditor", "mnuEditorFindNext", "F3", QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Find Next")},
      {"frmEditor", "mnuEditorFindPrevious", "Shift+F3",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Find Previous")},
      {"frmEditor", "mnuEditorGoToLine", "Ctrl+G",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Go to Line")},
      {"frmEditor", "mnuEditorSend", "Ctrl+T",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Send as the program numbered beside it")},
      {"frmEditor", "mnuEditorFetch", "Ctrl+R",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: Fetch the program numbered beside it")},
      {"frmEditor", "", "Esc",
       QT_TRANSLATE_NOOP("zova::app::Keyboard", "Program Editor: hides the Find or Go to Line row")},
      {"frmKeyboard", "", "Esc", QT_TRANSLATE_NOOP("zova::app::Keyboard", "closes this list")},
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
    window->setWindowTitle(Translated("Keyboard"));
    window->setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(window);
    const std::vector<Shortcut>& keys = Shortcuts();
    auto* table = new QTableWidget(static_cast<int>(keys.size()), 2, window);
    table->setObjectName("tblKeys");
    table->setAccessibleName(Translated("Keyboard"));
    table->setHorizontalHeaderLabels({Translated("Keys"), Translated("What they do")});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (int row = 0; row < static_cast<int>(keys.size()); ++row) {
      const Shortcut& s = keys[static_cast<std::size_t>(row)];
      table->setItem(row, 0, new QTableWidgetItem(Translated(s.keys)));  // only a key's description has one
      table->setItem(row, 1, new QTableWidgetItem(Translated(s.what)));
    }
    table->resizeColumnsToContents();
    table->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(table);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), window);
    QObject::connect(close, &QShortcut::activated, window, &QWidget::close);
    window->resize(560, 420);
    PlaceBeside(window, QApplication::activeWindow());  // the window whose keys the operator asked about
    shown = window;
  }
  shown->show();
  shown->raise();
  shown->activateWindow();
}

}  // namespace zova::app
