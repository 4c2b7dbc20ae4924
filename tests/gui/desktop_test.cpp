// What the desktop adds around the screens: the status bar, the line monitor, Cancel, the remembered
// port, the axis-dependent layout, the keyboard, and the whole-controller windows of the "File" menu (a
// backup, a compare whose difference shows in the table and saves as text, a restore that asks first).
#include <QAction>
#include <QDir>
#include <QListView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QSettings>
#include <QTableWidget>
#include <algorithm>

#include "app/windows/frm_line_monitor.h"
#include "gui_support.h"
#include "link/commands.h"

namespace zova::test {
namespace {

TEST(StatusBar, FollowsAConnectATransferAndAFailure) {
  MainRig rig;
  QWidget* main = rig.main.get();
  EXPECT_EQ(Label(main, "lblStatusLink"), "Not connected");
  rig.main->openSimulator();
  EXPECT_EQ(Label(main, "lblStatusPort") + "|" + Label(main, "lblStatusLink"), "Simulator|Connected");
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  QString during;
  SimPort(rig).pauseAt(cmd::kReceiveLocations, [&] { during = Label(main, "lblStatusLink"); });
  Click(w, "cmdLocReceive_2");
  EXPECT_EQ(during, "Busy: LOC ALL Receive");
  EXPECT_EQ(Label(main, "lblStatusLink"), "Connected");
  EXPECT_EQ(Label(main, "lblStatusResult"), "2500 locations received");
  Controller(rig).faults.wrongEcho = true;
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(Label(main, "lblStatusResult"), "통신이상 발생");
}

// The bytes of an exchange are the link's; the monitor shows each with its direction and what it means.
TEST(LineMonitor, ShowsTheExchangesAndSavesPausesAndClears) {
  SimMainRig rig;
  auto* monitor = dynamic_cast<app::FrmLineMonitor*>(rig.main->openLineMonitor());
  ASSERT_NE(monitor, nullptr);
  rig.click("cmdSvon_0");
  monitor->refresh();
  QAbstractItemModel* view = Find<QListView>(monitor, "lstLines")->model();
  auto line = [view](int row) { return view->index(row, 0).data().toString().mid(12); };  // past the time stamp
  EXPECT_EQ(line(0), ">  01  SOH");
  EXPECT_EQ(line(3), "<  17  23 servo on");
  EXPECT_TRUE(line(13).endsWith("28 read outputs")) << "the outputs are read again after it";
  QTemporaryDir dir;
  ClickAnswering(monitor, "cmdSave", dir.filePath("line.txt"));
  EXPECT_EQ(ReadAll(dir.filePath("line.txt")), monitor->record().traceText());
  const int shown = view->rowCount();
  Click(monitor, "cmdPause");
  rig.click("cmdSvon_1");
  monitor->refresh();
  EXPECT_EQ(view->rowCount(), shown);
  Click(monitor, "cmdClear");
  EXPECT_EQ(view->rowCount() + monitor->record().size(), 0U);
  monitor->close();
  EXPECT_EQ(rig.session.port.tap(), nullptr) << "closed, the monitor watches nothing";
}

// The monitor's rows follow the record as it drops its oldest bytes, also before the view catches up.
TEST(LineMonitor, RowsFollowABoundedRecord) {
  FakeClock clock;
  LineRecord record(clock, 4);
  app::LineRecordModel model(record, nullptr);
  auto values = [&model] {
    QStringList v;
    for (int row = 0; row < model.rowCount(QModelIndex()); ++row) v << model.index(row).data().toString().mid(15, 2);
    return v.join(' ');
  };
  const std::uint8_t bytes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15};
  record.sent(bytes, 3);
  model.sync();
  EXPECT_EQ(values(), "10 11 12");
  record.received(bytes + 3, 3);  // 10 and 11 leave the record
  EXPECT_EQ(values(), "  12");
  model.sync();
  EXPECT_EQ(values(), "12 13 14 15");
  record.clear();
  model.sync();
  EXPECT_EQ(values(), "");
}

// Cancel ends an ALL Receive between two exchanges: the table is as it was, the file untouched.
TEST(Cancel, EndsALocAllReceiveBetweenExchanges) {
  SimMainRig rig;
  for (int i = 0; i < 2500; ++i) Controller(rig).positions.locations[static_cast<std::size_t>(i)][0] = i + 1;
  rig.session.positions.LocTable[10][0] = -5;
  QTemporaryDir dir;
  WriteFile(dir.filePath("ZOVALOC.dat"), "old\r\n");
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  SetText(w, "txtLocReceiveFile", dir.filePath("ZOVALOC.dat"));
  auto* cancel = Find<QPushButton>(w, "cmdLocReceiveCancel");
  ASSERT_NE(cancel, nullptr);
  EXPECT_FALSE(cancel->isEnabled());
  QObject::connect(Find<QProgressBar>(w, "ProgressBarLocReceive"), &QProgressBar::valueChanged, cancel, [&](int v) {
    if (v == 1000) cancel->click();  // as the operator would, while row 1000 is on its way
  });
  Click(w, "cmdLocReceive_2");
  EXPECT_EQ(Label(rig.main.get(), "lblStatusResult"), "Cancelled after 1001 of 2500 locations; the table is as it was");
  const auto& log = Controller(rig).commandLog;
  EXPECT_EQ(std::count(log.begin(), log.end(), cmd::kReceiveLocations), 1001);
  EXPECT_EQ(rig.session.positions.LocTable[10][0], -5);
  EXPECT_EQ(ReadAll(dir.filePath("ZOVALOC.dat")), "old\r\n");
  EXPECT_FALSE(cancel->isEnabled());
  EXPECT_FALSE(rig.session.ui.cancelRequested()) << "a request does not outlive its operation";
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(rig.session.positions.LocTable[0][0], 1) << "the link is fine for the next exchange";
}

// The port menu opens one port at a time; the last one is offered, and opened at the next start if asked.
TEST(RememberedPort, IsOfferedCheckedAndOpenedAtTheNextStart) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  store.remove("Desktop");
  {
    MainRig first;
    auto action = [&](const char* name) { return Find<QAction>(first.main.get(), name); };
    EXPECT_FALSE(action("mnuCommPortLast")->isVisible());
    action("mnuCommPortSim")->trigger();
    Port* opened = first.session.port.current();
    action("mnuCommPortOpen_2")->trigger();
    EXPECT_EQ(first.session.port.current(), opened) << "another port while one is open does nothing";
    EXPECT_TRUE(action("mnuCommPortSim")->isChecked());
    EXPECT_FALSE(action("mnuCommPortOpen_0")->isChecked());
    action("mnuCommPortAtStart")->trigger();
    action("mnuCommPortClose")->trigger();
    EXPECT_FALSE(first.session.port.isOpen());
  }
  MainRig second;
  auto* last = Find<QAction>(second.main.get(), "mnuCommPortLast");
  EXPECT_TRUE(last->isVisible());
  EXPECT_EQ(last->text().remove('&'), "Open Last Port: Simulator");
  EXPECT_EQ(Label(second.main.get(), "lblStatusPort"), "Simulator");
  second.main->openAtStart(QString());
  Settle();
  EXPECT_TRUE(second.session.port.isOpen());
  EXPECT_TRUE(last->isChecked());
  store.remove("Desktop");
}

TEST(Layout, FollowsTheAxisCountAndTheConnection) {
  MainRig rig(3);
  app::FrmMain& main = *rig.main;
  EXPECT_TRUE(main.txtSensor[8]->isEnabled());
  EXPECT_FALSE(main.txtSensor[9]->isEnabled());
  EXPECT_FALSE(main.txtComPos[3]->isEnabled());
  EXPECT_GT(main.txtComPos[0]->width(), main.txtComPos[0]->fontMetrics().horizontalAdvance(app::kWidestPosition));
  QPointer<QWidget> loc = OpenScreen(rig, "mnuLoc", "frmLoc");
  EXPECT_FALSE(Find(loc, "txtTransLocVal_3")->isEnabled());
  const QString path = "/home/operator/" + QString(80, 'd') + "/ZOVALOC.dat";
  SetText(loc, "txtLocReceiveFile", path);
  EXPECT_EQ(Find(loc, "txtLocReceiveFile")->toolTip(), path);
  CloseScreen(loc);

  rig.main->openSimulator();
  Controller(rig).machine.axes = 5;
  QPointer<QWidget> sys = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  Click(sys, "cmdRcv");  // AXES 5 comes with the system parameters
  CloseScreen(sys);
  EXPECT_TRUE(main.txtSensor[12]->isEnabled());
  EXPECT_FALSE(main.txtSensor[15]->isEnabled());
  main.setPositionTexts(0, "1.00", "2.00");
  main.setSensorColour(0, SensorColour::Red);
  rig.main->closePort();
  EXPECT_TRUE(main.txtComPos[0]->text().isEmpty());
  EXPECT_TRUE(main.txtSensor[0]->styleSheet().isEmpty());
}

TEST(Keyboard, OpensFilesAndTheHelpFromTheKeys) {
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_TRUE(w);
  w->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(w));
  AnsweredDialog dialog(std::nullopt);
  QTest::keyClick(w, Qt::Key_O, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.requests.empty(); }));  // a button's key clicks it shortly after
  EXPECT_EQ(dialog.requests[0].title, "LOC FILE OPEN");
  QTest::keyClick(w, Qt::Key_F1);
  Settle();
  EXPECT_NE(TopWindow("frmKeyboard"), nullptr);
}

QString Summary(QWidget* w) { return Find<QPlainTextEdit>(w, "txtSummary")->toPlainText(); }

// A cancelled backup, a whole one, a compare after a change whose difference shows and saves as text, and
// a restore that asks before it overwrites.
TEST(BackupWindows, BackupCompareAndRestore) {
  QTemporaryDir dir;
  const QString folder = dir.filePath("b");
  SimMainRig rig;
  AnsweredDialog chosen(folder);
  SimPort(rig).pauseAt(cmd::kReceiveLocations, [] { Click(TopWindow("frmBackup"), "cmdCancel"); });
  QPointer<QWidget> w = OpenScreen(rig, "mnuBackup", "frmBackup");
  EXPECT_EQ(Summary(w), "no backup was written");
  EXPECT_FALSE(QDir(folder).exists());
  CloseScreen(w);
  w = OpenScreen(rig, "mnuBackup", "frmBackup");
  EXPECT_TRUE(Summary(w).endsWith("(74 files)")) << Summary(w).toStdString();
  EXPECT_EQ(chosen.requests.at(0).form, app::FileDialogForm::Folder);
  CloseScreen(w);

  Controller(rig).positions.locations[3][0] = 150;
  w = OpenScreen(rig, "mnuCompare", "frmCompare");
  auto* table = Find<QTableWidget>(w, "grdDifferences");
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 0)->text() + "|" + table->item(0, 1)->text() + "|" + table->item(0, 2)->text(),
            "P003 axis 1|1.50|0.00");
  ClickAnswering(w, "cmdSaveDifferences", dir.filePath("differences.txt"));
  EXPECT_EQ(ReadAll(dir.filePath("differences.txt")), "P003 axis 1: controller 1.50, backup 0.00\r\n");
  CloseScreen(w);
  EXPECT_TRUE(rig.main->isEnabled());

  rig.session.ui.interceptor = [&](const RecordedMessage& m) {
    rig.messages.push_back(m.text);
    return MessageResult::Cancel;
  };
  const std::size_t commands = Controller(rig).commandLog.size();
  w = OpenScreen(rig, "mnuRestore", "frmRestore");
  EXPECT_EQ(rig.messages.back(),
            "This overwrites the controller's system parameters, axis parameters, locations 0 to 2499, shifts 0 to "
            "999 and programs 0 to 31 with the backup in " +
                folder.toStdString() + ".");
  EXPECT_EQ(Summary(w), "nothing was sent");
  EXPECT_EQ(Controller(rig).commandLog.size(), commands);
}

}  // namespace
}  // namespace zova::test
