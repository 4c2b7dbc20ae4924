// The main window.
#include "app/windows/frm_main.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>

#include "app/desktop_language.h"
#include "app/qt/stored_settings.h"
#include "zova/version.h"
#include "app/widgets/handler_lock.h"
#include "app/widgets/keyboard.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_backup.h"
#include "app/windows/frm_editor.h"
#ifdef ZOVA_HISTORY
#include "app/windows/frm_history.h"
#endif
#include "app/windows/frm_line_monitor.h"
#include "app/windows/frm_recorder.h"
#ifdef ZOVA_ALARM_LOG
#include "app/windows/frm_alarm_log.h"
#endif

namespace zova::app {

namespace {

// The terms the program is given under, as Help > About states them.
constexpr const char* kLicence = QT_TRANSLATE_NOOP("zova::app::FrmMain", "none declared: ask the supplier");

}  // namespace

FrmMain::FrmMain(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("frmMain");
  setWindowTitle(tr("Zova PC Communication Program"));
  ApplyStoredSettings(ReadStoredSettings(), session_.lineSettings, session_.flowControl, session_.ui);
  panel_ = new ConsolePanel(session_, this);
  setCentralWidget(panel_);
  buildMenus();
  buildStatusBar();

  session_.connection.onStateChanged = [this](bool open) {
    panel_->setLinkPicture(open);
    panel_->clearConnectionDisplay();
    ports_->update();
    updateStatusBar();
    emit portStateChanged(open);
  };
  session_.ui.onMessage = [this](std::string_view text) { session_.activity.setResult(Qs(text)); };
  connect(&session_.activity, &Activity::changed, this, &FrmMain::updateStatusBar);
  // The port's first refresh runs while the link is still held, so the redrawn boxes send nothing.
  session_.connection.onOpened = [this] { (void)panel_->status().ReadIoStatus(console::kReadOutputs, true); };
  panel_->applyAxisCount();
  ports_->update();
  InstallShortcuts(this);
  qApp->installEventFilter(this);
  adjustSize();
  CentreOnScreen(this);
}

FrmMain::~FrmMain() {
  session_.connection.onStateChanged = nullptr;
  session_.connection.onOpened = nullptr;
  session_.ui.onMessage = nullptr;
}

void FrmMain::buildMenus() {
  // Every menu of the main window is built here, mnemonics included: "&" marks the Alt letter, the
  // captions read as before.
  QMenuBar* bar = menuBar();
  auto addScreen = [this, bar](const char* name, const QString& caption) {
    auto* action = bar->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, name] { openScreen(name); });
  };
  auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  // "File" holds the program window's item, the program editor and the whole-controller operations.
  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName("mnuFileMenu");
  addItem(file, "mnuFile", tr("&File"), [this] { openScreen("mnuFile"); });
  AddProgramEditorMenuItem(*this, *file);
  file->addSeparator();
  AddWholeControllerMenu(*this, *file);
#ifdef ZOVA_HISTORY
  AddBackupHistoryMenuItem(*this, *file);
#endif
  addScreen("mnuLoc", tr("&Loc"));
  addScreen("mnuSft", tr("&Sft"));
  addScreen("mnuSysPara", tr("S&ys Para"));
  addScreen("mnuAxisPara", tr("&Axis Para"));
  ports_ = new PortMenu(session_, panel_->status(), *bar, this);
  addScreen("mnuDownload", tr("&Download"));

  QMenu* view = bar->addMenu(tr("&View"));
  view->setObjectName("mnuView");
  addItem(view, "mnuLineMonitor", tr("&Line Monitor"), [this] {
    openLineMonitor();
  })->setShortcut(QKeySequence("Ctrl+L"));
  addItem(view, "mnuRecorder", tr("&Recorder"), [this] { openRecorder(); });
#ifdef ZOVA_ALARM_LOG
  addItem(view, "mnuAlarmLog", tr("&Alarm Log"), [this] { openAlarmLog(); });
#endif
  buildLanguageMenu(*view);
  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName("mnuHelp");
  addItem(help, "mnuKeyboard", tr("&Keyboard"), [] { ShowKeyboardHelp(); })->setShortcut(QKeySequence::HelpContents);
  addItem(help, "mnuAbout", tr("&About"), [this] {
    Ui& ui = session_.ui;
    ui.messageBox(tr("%1\nVersion %2\nLicence: %3\nQt %4 (built with %5)")
                      .arg(windowTitle(), Qs(VersionNumber()), tr(kLicence), qVersion(), QT_VERSION_STR)
                      .toStdString(),
                  tr("About").toStdString());
  });
}

void FrmMain::buildLanguageMenu(QMenu& view) {
  // The windows are built in one language; a new choice is stored and waits for the next start.
  QMenu* menu = view.addMenu(tr("Lan&guage"));
  menu->setObjectName("mnuLanguage");
  auto* group = new QActionGroup(menu);
  // Each language under its own name, which reads the same in either language.
  const std::pair<Language, const char*> languages[] = {{Language::Korean, "한국어"}, {Language::English, "English"}};
  for (const auto& entry : languages) {
    const Language language = entry.first;
    QAction* action = menu->addAction(QString::fromUtf8(entry.second));
    action->setObjectName("mnuLanguage_" + LanguageCode(language));
    action->setCheckable(true);
    action->setChecked(language == CurrentLanguage());
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language, action] {
      WriteStoredLanguage(LanguageCode(language));
      Ui& ui = session_.ui;
      ui.messageBox(tr("The language %1 is stored; it takes effect the next time the program starts.")
                        .arg(action->text())
                        .toStdString());
    });
  }
  menu->addSeparator();
  QAction* note = menu->addAction(tr("Takes effect at the next start"));
  note->setObjectName("mnuLanguageNote");
  note->setEnabled(false);
}

void FrmMain::buildStatusBar() {
  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setContentsMargins(4, 0, 4, 0);
    return l;
  };
  lblStatusPort = label("lblStatusPort");
  lblStatusLink = label("lblStatusLink");
  lblStatusResult = label("lblStatusResult");
  statusBar()->addWidget(lblStatusPort);
  statusBar()->addWidget(lblStatusLink);
  statusBar()->addWidget(lblStatusResult, 1);
  updateStatusBar();
}

void FrmMain::updateStatusBar() {
  lblStatusPort->setText(ports_->describe());
  const Activity& activity = session_.activity;
  lblStatusLink->setText(!activity.running().isEmpty() ? tr("Busy: %1").arg(activity.running())
                         : session_.port.isOpen()      ? tr("Connected")
                                                       : tr("Not connected"));
  lblStatusResult->setText(activity.stopping() ? StoppingText() : activity.lastResult());
}

namespace {
// Shows a helper window that stays above the main window, raised when it is open already.
template <typename W>
W* Raise(QPointer<W>& held, const std::function<W*()>& make, FrmMain* main) {
  if (!held) {
    W* w = make();
    w->setAttribute(Qt::WA_DeleteOnClose);
    InstallShortcuts(w);
    PlaceBeside(w, main);
    held = w;
  }
  held->show();
  held->raise();
  held->activateWindow();
  return held;
}
}  // namespace

QWidget* FrmMain::openLineMonitor() {
  return Raise<QWidget>(
      lineMonitor_, [this] { return new FrmLineMonitor(session_); }, this);
}

FrmRecorder* FrmMain::openRecorder() {
  return Raise<FrmRecorder>(
      recorder_, [this] { return new FrmRecorder(session_, this); }, this);
}

QWidget* FrmMain::openAlarmLog() {
#ifdef ZOVA_ALARM_LOG
  return Raise<QWidget>(
      alarmLog_,
      [this] {
        auto* log = new FrmAlarmLog(session_, this);
        log->openRecording = [this](const QString& path) { openRecorder()->openFile(path); };
        return log;
      },
      this);
#else
  return nullptr;
#endif
}

void FrmMain::setScreenFactory(const QString& menuName, ScreenFactory factory, ScreenStart start) {
  screens_[menuName] = {std::move(factory), start};
}

void FrmMain::openScreen(const QString& menuName) {
  auto it = screens_.find(menuName);
  if (it == screens_.end()) return;
  panel_->status().SetPolling(false);
  if (it->second.start == ScreenStart::OnIdleLine) session_.waitForIdleLine();
  QWidget* screen = it->second.make(session_, *this);
  if (screen == nullptr) return;
  screen->setAttribute(Qt::WA_DeleteOnClose);
  InstallShortcuts(screen);
  connect(screen, &QObject::destroyed, this, [this] {
    setEnabled(true);
    panel_->applyAxisCount();  // the system parameters may have changed the axis count
  });
  openScreens_.push_back(screen);
  KeepAbove(screen, this);
  screen->show();
  setEnabled(false);
}

void FrmMain::closeEvent(QCloseEvent* event) {
  panel_->status().SetPolling(false);
  // Ending now would cut off the exchange of a screen or of the console, and the goodbye below
  // could not be said: the program ends once the link is idle.
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  for (auto it = openScreens_.rbegin(); it != openScreens_.rend(); ++it) {
    if (*it) (*it)->close();
  }
  // The line monitor and the help window would keep the program running.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isWindow() && w->isVisible()) w->close();
  }
  ports_->closePort();
  panel_->tmrUpStatus->stop();
  event->accept();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  // Qt would ask the windows to close and drop the quit at the first refusal; instead the program
  // ends as this window's close does, once the exchange has ended.
  if (watched == qApp && event->type() == QEvent::Quit && session_.busy()) {
    close();
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace zova::app
