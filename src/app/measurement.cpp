// Scripted measurement runs.
#include "app/measurement.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "app/windows/frm_main.h"
#include "app/windows/frm_splash.h"
#include "app/qt/qt_sim_port.h"
#include "app/windows/screens.h"

namespace zova::app {

namespace {

int startup() {
  FrmSplash splash;
  splash.show();
  QTimer::singleShot(0, &splash, [&splash] { splash.accept(); });
  splash.exec();
  return 0;
}

int locReceiveAll() {
  Session session;
  session.axes = 4;
  session.ui.interceptor = [](const RecordedMessage& m) {
    std::fprintf(stderr, "%s\n", m.text.c_str());
    return MessageResult::Ok;
  };
  FrmMain main(session);
  RegisterScreens(main);
  main.show();
  main.openSimulator();
  auto& controller = dynamic_cast<QtSimPort*>(session.port.current())->controller();
  for (int i = 0; i < 2500; ++i) controller.positions.locations[static_cast<std::size_t>(i)][0] = i;
  main.openScreen("mnuLoc");
  QWidget* loc = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->objectName() == "frmLoc" && w->isVisible()) loc = w;
  }
  auto* all = loc != nullptr ? loc->findChild<QPushButton*>("cmdLocReceive_2") : nullptr;
  if (all == nullptr) return 1;
  all->click();  // returns when the 2500 exchanges are done
  const bool stored = session.positions.LocTable[2499][0] == 2499;
  loc->close();
  return stored ? 0 : 1;
}

}  // namespace

int RunMeasurement(const QString& what) {
  if (what == "startup") return startup();
  if (what == "loc-receive-all") return locReceiveAll();
  std::fprintf(stderr, "unknown measurement: %s\n", qPrintable(what));
  return 2;
}

}  // namespace zova::app
