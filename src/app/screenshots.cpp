// Screenshots of every window.
#include "app/screenshots.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include "app/windows/frm_editor.h"
#ifdef ZOVA_HISTORY
#include <QTemporaryDir>

#include "app/qt/qt_sim_port.h"
#include "app/windows/frm_history.h"
#include "backup/whole_controller.h"
#include "link/line_owner.h"
#endif
#include "app/windows/frm_main.h"
#include "app/windows/frm_splash.h"
#include "app/windows/screens.h"

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

}  // namespace

int SaveScreenshots(const QString& folder) {
  QDir().mkpath(folder);
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
  main.close();
  return ok ? 0 : 1;
}

}  // namespace zova::app
