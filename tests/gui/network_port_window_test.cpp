// The desktop through "Network Port…" to ser2net on loopback, bridging a zovasim pseudo-terminal.
#include <QSettings>
#include <QTimer>

#include "gui_support.h"
#include "integration/process.h"

namespace zova::test {

// The dialog keeps a malformed address with its reason and opens a good one; a LOC receive runs over it;
// the address is offered as the last port; a server that goes away fails the next exchange and leaves the
// status bar at "Not connected"; a server's reason for hanging up is shown.
TEST(NetworkPortWindow, OpensThroughTheDialogReceivesAndFailsWhenTheServerGoes) {
  SimProcess sim;
  if (!sim.ok()) GTEST_SKIP() << "no pseudo-terminal on this machine";
  Ser2net server(sim.device(), true);
  if (!server.ok()) GTEST_SKIP() << "ser2net is not installed (scripts/install-deps installs it)";
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  store.remove("Desktop");
  MainRig rig;
  QWidget* main = rig.main.get();
  const QString address = QString::fromStdString(server.address());
  QString refused;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    Do(dialog, {"txtAddress=rfc2217://127.0.0.1", "cmdOk"});
    refused = Text(dialog, "lblAddressFault");
    Do(dialog, {"txtAddress=" + address, "cmdOk"});
  });
  Find<QAction>(main, "mnuCommPortNetwork")->trigger();
  Settle();
  EXPECT_EQ(refused, "rfc2217://127.0.0.1: 포트 번호가 없습니다. HOST:PORT 형식으로 쓰십시오");
  EXPECT_EQ(Shown(main, {"lblStatusPort", "lblStatusLink"}), address + "  9600,n,8,1 Connected");
  EXPECT_EQ(Find<QAction>(main, "mnuCommPortLast")->text().remove('&'), "Open Last Port: " + address);
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  Click(w, "cmdLocReceive_2");
  EXPECT_EQ(Text(main, "lblStatusResult"), "2500 locations received");
  server.stop();
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(rig.taken(), (Texts{"통신이 연결되지 않았습니다.", "통신이상 발생"}));
  EXPECT_EQ(Text(main, "lblStatusLink"), "Not connected");
  // A raw port whose server cannot open its device: what the server said follows "no connection".
  const Ser2net failing("/dev/zova-no-such-device", false);
  QTimer::singleShot(0, [&] {
    Do(QApplication::activeModalWidget(), {"txtAddress=" + QString::fromStdString(failing.address()), "cmdOk"});
  });
  Find<QAction>(main, "mnuCommPortNetwork")->trigger();
  Settle();
  const Texts shown = rig.taken();
  EXPECT_TRUE(shown.size() == 2 && shown[1].ends_with("서버의 응답: \"Device open failure: Value or file not found\""))
      << ::testing::PrintToString(shown);
  store.remove("Desktop");
}

}  // namespace zova::test
