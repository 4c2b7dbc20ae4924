// Screenshots of every window.
#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "app/qt/qt_sim_port.h"
#include "app/widgets/window_util.h"
#include "app/windows/frm_editor.h"
#ifdef ZOVA_HISTORY
#include "app/windows/frm_history.h"
#include "backup/whole_controller.h"
#include "link/line_owner.h"
#endif
#include "app/windows/frm_main.h"
#include "app/windows/frm_recorder.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"
#include "console/error_text.h"
#ifdef ZOVA_ALARM_LOG
#include "alarms/alarm_log.h"
#include "app/windows/frm_alarm_log.h"
#endif

namespace zova::app {

namespace {

// The editor with a program that draws three of the compiler's messages; its remarks read in the chosen language.
void ShowEditorExample(FrmEditor& editor) {
  editor.setSourceBytes(QCoreApplication::translate("zova::app::Screenshots",
                                                    "; 픽 앤 플레이스: 부품을 집어 컨베이어에 놓는다\n"
                                                    "SPD 1 50\n"
                                                    "L01\n"
                                                    "MVE P0005 ;접근 위치\n"
                                                    "MVS P2600 ;집기 위치\n"
                                                    "SIGO 1 0FH ;그리퍼 닫기\n"
                                                    "WAIT 12\n"
                                                    "IF R010 = 00005\n"
                                                    "INC R1000\n"
                                                    "MVE P(R012) ;놓기 위치\n"
                                                    "SIGO 1 00H ;그리퍼 열기\n"
                                                    "F03 -2.50\n"
                                                    "GOTO 1\n"
                                                    "STOP\n"
                                                    "[EOF]\n")
                            .toUtf8());
  editor.editor()->goToLine(5);
}

void Wait(int ms) {
  QElapsedTimer wait;
  wait.start();
  while (wait.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 20);
}

// The recorder after two seconds of the simulator: inputs switching, an error report at 1.5 s, the cursor on it.
void ShowRecorderExample(FrmRecorder& recorder, Session& session) {
  recorder::SignalSet set;
  std::string ignored;
  (void)recorder::ParseSignalList("in0-7,out8-11,error", session.axes, set, ignored);
  recorder.signalChooser().choose(set);
  recorder.start();
  auto* sim = dynamic_cast<QtSimPort*>(session.port.current());
  for (int step = 0; step < 20 && sim != nullptr; ++step) {
    sim->controller().machine.setInput(step % 8, step % 3 != 0);
    sim->controller().machine.setOutput(8 + step % 4, step % 2 == 0);
    if (step == 15) sim->controller().machine.errorCode = 96;
    Wait(100);
  }
  recorder.stop();
  Timeline& timeline = recorder.timeline();
  timeline.fitAll();
  timeline.setCursorAt(timeline.viewFrom() + (timeline.viewTo() - timeline.viewFrom()) * 4 / 5);
}

bool save(QWidget* w, const QString& folder, const QString& name) {
  w->show();
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
  const QString path = QDir(folder).filePath(name + ".png");
  return w->grab().save(path);
}

#ifdef ZOVA_HISTORY
// The history window over three nightly backups of the built-in controller, with a few locations changed
// between them.
bool SaveHistory(Session& session, const QString& folder) {
  QTemporaryDir fleet;
  auto* sim = dynamic_cast<QtSimPort*>(session.port.current());
  if (sim == nullptr) return false;
  const backup::Setup setup{session.axes, 0, "sim", "9600,n,8,1", "1.0"};
  backup::Parts parts;
  std::string error;
  if (!backup::Parts::Parse("sys,loc", parts, error)) return false;
  // Before each night's backup: P(first) to P(last) on axis 1 moved by `by` hundredths.
  static constexpr struct {
    const char* stamp;
    std::size_t first, last;
    int by;
  } kNights[] = {
      {"2026-12-05T023000Z", 0, 0, 0}, {"2026-12-06T023000Z", 100, 102, 1250}, {"2026-12-07T023000Z", 101, 105, -400}};
  for (const auto& night : kNights) {
    const char* stamp = night.stamp;
    auto& locations = sim->controller().positions.locations;
    for (std::size_t p = night.first; p <= night.last && night.by != 0; ++p) locations[p][0] += night.by;
    const std::string dir = fleet.filePath(QString("cell-7/") + stamp).toStdString();
    QDir().mkpath(fleet.filePath("cell-7"));
    if (!HoldLine(session.link, [&] { return backup::Backup(session.link, setup, parts, dir).result; })) return false;
  }
  FrmHistory history(session);
  history.open(fleet.path());
  QElapsedTimer wait;
  wait.start();
  while (history.reading() && wait.elapsed() < 10000) QApplication::processEvents(QEventLoop::AllEvents, 50);
  const bool saved = save(&history, folder, history.objectName());
  history.close();
  return saved;
}
#endif

#ifdef ZOVA_ALARM_LOG
// The alarm log window over a log of three alarms of its own.
bool SaveAlarmLogExample(Session& session, QWidget* main, const QString& folder) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("alarms.sqlite").toStdString();
  std::unique_ptr<alarms::AlarmLog> log;
  if (!alarms::AlarmLog::Open(path, log)) return false;
  const char* recording = "/home/operator/.local/share/zova/recordings/2026-12-07T223001.123Z-error.csv";
  for (const alarms::Alarm& a :
       {alarms::Alarm{"2026-12-07T22:30:01.123Z", 96, 0, console::ErrorText(96, 0), "/dev/ttyUSB0", recording},
        alarms::Alarm{"2026-12-07T09:12:44.020Z", 90, 2, console::ErrorText(90, 2), "/dev/ttyUSB0", ""},
        alarms::Alarm{"2026-12-06T17:05:10.500Z", 94, 0, console::ErrorText(94, 0), "sim", ""}}) {
    if (!log->add(a)) return false;
  }
  log.reset();
  FrmAlarmLog window(session, main, Qs(path));
  window.table()->selectRow(0);
  return save(&window, folder, "frmAlarmLog");
}
#endif

}  // namespace

int SaveScreenshots(const QString& folder) {
  QDir().mkpath(folder);
  // The recorder logs the error it reads: into a data folder of the run's own, never the user's.
  QTemporaryDir data;
  qputenv("XDG_DATA_HOME", data.path().toUtf8());
  bool ok = true;
  {
    FrmSplash splash;
    ok &= save(&splash, folder, "frmSplash");
  }
  Session session;
  session.axes = 4;
  session.ui.interceptor = [](std::string_view, MessageIcon) { return MessageResult::Ok; };
  FrmMain main(session);
  RegisterScreens(main);
  main.ports().openSimulator();
  // The status bar with a result in it, and the line monitor with one servo-on exchange.
  main.openScreen("mnuLoc");
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() != "frmLoc" || !w->isVisible()) continue;
    if (auto* all = w->findChild<QPushButton*>("cmdLocReceive_2")) all->click();
    w->close();
  }
  QApplication::processEvents();
  QWidget* monitor = main.openLineMonitor();
  if (auto* servoOn = main.findChild<QPushButton*>("cmdSvon_0")) servoOn->click();
  ok &= save(&main, folder, "frmMain");
  QElapsedTimer wait;
  wait.start();
  while (wait.elapsed() < 400) QApplication::processEvents(QEventLoop::AllEvents, 50);  // the monitor redraws
  ok &= save(monitor, folder, "frmLineMonitor");
  monitor->close();
  for (const char* menu : {"mnuFile", "mnuLoc", "mnuSft", "mnuSysPara", "mnuAxisPara", "mnuDownload", "mnuEditor"}) {
    main.openScreen(menu);
    QWidget* screen = QApplication::activeWindow();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != &main && w->isVisible() && w->objectName().startsWith("frm")) screen = w;
    }
    if (screen != nullptr && screen != &main) {
      if (auto* editor = dynamic_cast<FrmEditor*>(screen)) ShowEditorExample(*editor);
      ok &= save(screen, folder, screen->objectName());
      screen->close();
      QApplication::processEvents();
    }
  }
#ifdef ZOVA_HISTORY
  ok &= SaveHistory(session, folder);
#endif
  {
    auto* recorder = new FrmRecorder(session, &main);
    ShowRecorderExample(*recorder, session);
    ok &= save(recorder, folder, "frmRecorder");
    recorder->close();
    delete recorder;
  }
#ifdef ZOVA_ALARM_LOG
  ok &= SaveAlarmLogExample(session, &main, folder);
#endif
  main.close();
  return ok ? 0 : 1;
}

}  // namespace zova::app
