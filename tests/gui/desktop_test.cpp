// The main window and the selection window before it: the console against the built-in simulator, the
// stored serial settings, the file dialogs, the firmware download, and closing while an exchange waits.
// What the desktop adds around the screens: the status bar, the line monitor, Cancel, the remembered
// port, the axis-dependent layout, the keyboard, and the whole-controller windows of the "File" menu (a
// backup, a compare whose difference shows in the table and saves as text, a restore that asks first).
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QDir>
#include <QListView>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSocketNotifier>

#include "app/windows/frm_editor.h"
#include "app/windows/frm_line_monitor.h"
#include "app/windows/frm_splash.h"
#include "firmware/hex_builder.h"
#include "gui_support.h"
#include "link/control_bytes.h"

namespace zova::test {

// The rows of a list model, each from `from` on (`length` characters; -1: to its end).
QStringList RowTexts(const QAbstractItemModel& model, int from, int length = -1) {
  QStringList rows;
  for (int row = 0; row < model.rowCount(); ++row) rows << model.index(row, 0).data().toString().mid(from, length);
  return rows;
}

TEST(Splash, OkOrReturnNeedsAnAxisCancelOrAnyOtherKeyEnds) {
  app::FrmSplash splash;
  splash.show();
  Click(&splash, "cmdSelTev_5");
  QTest::keyClick(&splash, Qt::Key_Return);
  EXPECT_EQ(std::pair(splash.isVisible(), Text(&splash, "lblNotice")),
            std::pair(true, QString("Choose the controller's axis count first (2 to 6 axes), then OK.")))
      << "OK or Return before an axis keeps the window and says what is missing";
  Do(&splash, {"cmdSelTev_2", "cmdSelTevPlc_2", "cmdSelTev_5"});  // four axes, the third machine type, OK
  EXPECT_EQ(std::tuple(splash.result(), splash.axes(), splash.machineType()), std::tuple(QDialog::Accepted, 4, 2));
  EXPECT_EQ(app::FrmSplash::versionText(1, 0, 3), "Ver 1.03");
  for (Qt::Key key : {Qt::Key_unknown, Qt::Key_A, Qt::Key_Return}) {  // Cancel, a key, Return (OK) from a button
    app::FrmSplash ended;
    ended.show();
    Click(&ended, "cmdSelTev_0");
    key == Qt::Key_unknown ? Click(&ended, "cmdSelTev_6") : QTest::keyClick(Find(&ended, "cmdSelTev_0"), key);
    EXPECT_EQ(ended.result(), key == Qt::Key_Return ? QDialog::Accepted : QDialog::Rejected) << key;
  }
}

TEST(Console, ServoOutputsIoCheckingAndJog) {
  MainRig rig(2);
  app::FrmMain& main = *rig.main;
  Do(rig.main.get(), {"cmdIoStatus_0", "cmdSvon_0", "cmdZR", "cmdRun_0"});  // with the port closed
  EXPECT_EQ(rig.taken(), Texts(4, kPortClosed));
  main.ports().openSimulator();
  EXPECT_TRUE(main.panel().chkIoOutput[3]->isChecked()) << "READY is shown after the port opened";
  rig.click("cmdSvon_0");
  EXPECT_TRUE(main.panel().chkIoOutput[2]->isChecked()) << "SERVO ON";
  main.panel().chkIoOutput[8]->click();  // a system output's mark coming back is the console's own
  Settle();
  EXPECT_TRUE(Controller(rig).machine.output(8) && main.panel().chkIoOutput[8]->isChecked());

  QTest::mousePress(main.panel().cmdJog[0], Qt::LeftButton);
  sim::Machine& machine = Controller(rig).machine;
  // Let go once the controller has the axis moving, however long the press's exchange took.
  EXPECT_TRUE(QTest::qWaitFor(
      [&] {
        machine.update(systemClock().now());
        return main.panel().console().JogActive == 1 && machine.commandPosition(0) > 0;
      },
      20000));
  QTest::mouseRelease(main.panel().cmdJog[0], Qt::LeftButton);
  Settle();
  EXPECT_TRUE(main.panel().console().JogActive == 0 && main.panel().txtComPos[0]->text().toDouble() > 0.0)
      << "stopped, having moved";

  rig.click("cmdIoStatus_0");
  EXPECT_TRUE(main.panel().tmrUpStatus->isActive() && !main.panel().fraIoOut->isEnabled() &&
              !main.panel().fraJog->isEnabled() && !main.panel().fraRunZr->isEnabled());
  Controller(rig).machine.setInput(63, true);
  for (int i = 0; i < 3; ++i) main.panel().status().Tick();
  EXPECT_TRUE(main.panel().chkIoInput[63]->isChecked());
  rig.click("cmdIoStatus_1");
  EXPECT_TRUE(main.panel().fraIoOut->isEnabled() && !main.panel().tmrUpStatus->isActive());
}

// A dialog that picks a file to read has an "Open" button, one that picks a file to write "Save";
// the transfer windows' reading dialogs still take a name that does not exist yet. The last window, the
// firmware download, then shows its state texts.
TEST(Screens, FileDialogsOpenWhatTheyReadAndSaveWhatTheyWriteThenADownload) {
  // Menu item, window, button; the dialog's title, accept button, whether it takes a new name and whether it
  // asks before overwriting.
  const std::tuple<const char*, const char*, const char*, const char*, const char*, bool, bool> cases[] = {
      {"mnuLoc", "frmLoc", "cmdLocReceive_3", "LOC FILE SAVE", "Save", true, true},
      {"mnuLoc", "frmLoc", "cmdLocTrans_3", "LOC FILE OPEN", "Open", true, false},
      {"mnuSft", "frmSft", "cmdSftLocReceive_2", "SFT LOC FILE OPEN", "Save", true, true},
      {"mnuSft", "frmSft", "cmdSftLocTrans_2", "SFT LOC FILE OPEN", "Open", true, false},  // the last title
      {"mnuFile", "frmFile", "cmdFileReceiveOpen", "Receive File Open", "Save", true, false},
      {"mnuFile", "frmFile", "cmdFileTransOpen", "Trans File Open", "Open", true, false},
      {"mnuSysPara", "frmNsyspara", "cmdSave_0", "System Para File Open", "Open", false, false},
      {"mnuAxisPara", "frmNaxpara", "cmdSave_0", "Axis Para File Open", "Open", false, false},
      {"mnuDownload", "frmDownload", "cmdFile", "", "Open", false, false}};
  MainRig rig(4, true);  // the position windows check the port first, the file buttons included
  QPointer<QWidget> w;
  for (const auto& [menu, window, button, title, accept, newName, overwritePrompt] : cases) {
    if (!w || w->objectName() != window) w = OpenScreen(rig, menu, window);
    AnsweredDialog dialog(std::nullopt);
    Click(w, button);
    ASSERT_EQ(dialog.requests.size(), 1U) << button;
    auto shown = app::MakeFileDialog(nullptr, dialog.requests[0]);
    EXPECT_EQ(std::tuple(dialog.requests[0].title, shown->labelText(QFileDialog::Accept).remove('&'),
                         shown->fileMode() == QFileDialog::AnyFile, dialog.requests[0].overwritePrompt),
              std::tuple(QString(title), QString(accept), newName, overwritePrompt))
        << button;
  }
  WriteFile(rig.file("f.hex"), HexText(5600));
  ClickAnswering(w, "cmdFile", rig.file("f.hex"));
  EXPECT_EQ(Text(w, "labelbyte"), "TOTAL: 5,600 bytes");
  Click(w, "cmdDown");  // the erase is asked for first, with where the bytes belong
  const std::string asked =
      "This erases the controller's flash and writes f.hex: 주소 0x00000000 ~ 0x000015DF, 5,600 바이트.";
  EXPECT_EQ(rig.taken(), Texts{asked});
  EXPECT_EQ(Shown(w, {"Label_state", "Label2"}), "Downloading success! 0");
}

// A stored setting the serial control rejects is reported at load with its text and the exclamation icon
// (the settings it leaves are the parser's). Good settings reach the device: here a pseudo-terminal that
// answers the link check and keeps the line speed.
TEST(MainWindow, StoredSettingsAreAppliedOnceAtLoad) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  store.setValue("Properties/Settings", "abc");
  for (const char* handshaking : {"", "x"}) {
    store.setValue("Properties/Handshaking", handshaking);
    MainRig rig;
    EXPECT_EQ(rig.taken(), Texts{std::string("잘못된 속성 값입니다: \"") + (*handshaking ? "x" : "abc") + "\""});
    EXPECT_EQ(rig.icons, std::vector<MessageIcon>{MessageIcon::Exclamation});
    store.setValue("Properties/Settings", "19200,n,8,2");
  }
  store.setValue("Properties/Handshaking", "");
  const int controller = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_TRUE(grantpt(controller) == 0 && unlockpt(controller) == 0);
  const std::string device = ptsname(controller);
  QSocketNotifier answer(controller, QSocketNotifier::Read);
  QObject::connect(&answer, &QSocketNotifier::activated, [controller] {
    std::uint8_t b = 0;
    if (read(controller, &b, 1) == 1 && b == ENQ) (void)write(controller, &DC1, 1);
  });
  {
    MainRig rig;
    rig.session.connection.onOpened = nullptr;  // the output refresh would need a whole controller
    rig.main->ports().openPort(QString::fromStdString(device));
    ASSERT_TRUE(rig.session.port.isOpen()) << testing::PrintToString(rig.messages);
    termios line{};
    const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
    EXPECT_TRUE(tcgetattr(fd, &line) == 0 && cfgetospeed(&line) == B19200);
    close(fd);
  }
  close(controller);
  store.clear();
}

// While an exchange waits on any window, a second press of its button sends nothing, and nothing
// that asks to end (the window, the main window, the application) ends under it: the close goes ahead
// once the exchange has ended, and the program's end still says goodbye with command 36.
TEST(Exchange, NothingCutsInWhileOneWaits) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("f.hex"), HexText(64));
  AnsweredDialog dialog(dir.filePath("f.hex"));
  // Menu item (null: the main window's own console), window, button, the command that waits, and whether
  // the button is off meanwhile (else the link's busy flag alone turns the second press away).
  const std::tuple<const char*, const char*, const char*, std::uint8_t, bool> cases[] = {
      {"mnuLoc", "frmLoc", "cmdLocReceive_1", cmd::kReceiveLocations, true},
      {"mnuFile", "frmFile", "cmdFileReceive_0", cmd::kReceiveProgram, true},
      {"mnuSysPara", "frmNsyspara", "cmdRcv", cmd::kReceiveSysPara, true},
      {"mnuAxisPara", "frmNaxpara", "cmdTrans", cmd::kSendAxPara, false},
      {"mnuDownload", "frmDownload", "cmdDown", cmd::kFirmwareDownload, true},
      {nullptr, "frmMain", "cmdSvon_0", cmd::kServoOn, true}};
  for (const auto& [menu, window, button, command, buttonOff] : cases) {
    // Asked to end meanwhile: 0 the main window, 1 the screen, 2 the application.
    for (int ask : {0, 1, 2}) {
      if (menu == nullptr && ask == 1) continue;  // the console's window is the main window
      const bool screen = ask == 1;
      SCOPED_TRACE(std::string(window) + ", ask " + std::to_string(ask));
      MainRig rig(4, true);
      QPointer<QWidget> w = menu == nullptr ? rig.main.get() : OpenScreen(rig, menu, window);
      ASSERT_TRUE(w);
      // What two screens need first: a file name, a chosen HEX file.
      if (auto* box = w->findChild<QLineEdit*>("txtFileReceive_0")) box->setText(dir.filePath("p.dat"));
      if (auto* file = w->findChild<QPushButton*>("cmdFile")) file->click();
      bool paused = false;
      SimPort(rig).pauseAt(command, [&] {
        paused = true;
        EXPECT_EQ(Find<QPushButton>(w, button)->isEnabled(), !buttonOff);
        Click(w, button);
        QEvent quit(QEvent::Quit);
        (void)(ask == 2 ? QCoreApplication::sendEvent(qApp, &quit) : (screen ? w.data() : rig.main.get())->close());
        // A quit that would cut in is refused; both windows stay, and a screen's operation is asked to stop.
        EXPECT_EQ(std::tuple(quit.isAccepted(), w && w->isVisible() && rig.main->isVisible(),
                             Text(rig.main.get(), "lblStatusResult") == app::kStoppingText),
                  std::tuple(ask != 2, true, menu != nullptr));
      });
      Click(w, button);
      const QPointer<QWidget> closing = screen ? w : QPointer<QWidget>(rig.main.get());
      EXPECT_TRUE(QTest::qWaitFor([&] { return !closing || !closing->isVisible(); }));
      // It waited; each sent once, and the goodbye (when the program ends) only after the exchange.
      EXPECT_EQ(std::tuple(paused, Count(rig, command), Count(rig, cmd::kCloseLink),
                           Controller(rig).commandLog.back() == cmd::kCloseLink),
                std::tuple(true, 1, screen ? 0 : 1, !screen));
      if (command == cmd::kFirmwareDownload) rig.taken();  // the question before the erase, as the test above
    }
  }
}

// The status bar follows a connect, a cancelled transfer and a failure. Cancel ends an ALL Receive
// between two exchanges: the table is as it was, the file untouched, and the link fine for the next one.
TEST(StatusBarAndCancel, FollowATransferACancelledOneAndAFailure) {
  MainRig rig;
  QWidget* main = rig.main.get();
  auto status = [main](const char* label) { return Text(main, label); };
  EXPECT_EQ(status("lblStatusLink"), "Not connected");
  // Whoever wrote a result, it begins with a capital; a name at its start stays as written.
  for (const char* written : {"no backup", "tcp://host:1: no", "zova: no"}) {
    rig.session.activity.setResult(written);
    EXPECT_EQ(status("lblStatusResult"), written[0] == 'n' ? "No backup" : written);
  }
  rig.main->ports().openSimulator();
  EXPECT_EQ(Shown(main, {"lblStatusPort", "lblStatusLink"}), "Simulator Connected");
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  for (int i = 0; i < 2500; ++i) Controller(rig).positions.locations[static_cast<std::size_t>(i)][0] = i + 1;
  rig.session.positions.LocTable[10][0] = -5;
  WriteFile(rig.file("ZOVALOC.dat"), "old\r\n");
  SetText(w, "txtLocReceiveFile", rig.file("ZOVALOC.dat"));
  auto* cancel = Find<QPushButton>(w, "cmdLocReceiveCancel");
  ASSERT_NE(cancel, nullptr);
  QObject::connect(Find<QProgressBar>(w, "ProgressBarLocReceive"), &QProgressBar::valueChanged, cancel, [&](int v) {
    if (v == 1000) cancel->click();  // as the operator would, while row 1000 is on its way
  });
  const auto before = Count(rig, cmd::kReceiveLocations);
  Click(w, "cmdLocReceive_2");
  EXPECT_EQ(status("lblStatusResult"), "Cancelled after 1001 of 2500 locations; the table is as it was");
  // No row past the one on its way, the table and the file as they were, Cancel off and no request left over.
  EXPECT_EQ(std::tuple(Count(rig, cmd::kReceiveLocations) - before, rig.session.positions.LocTable[10][0],
                       ReadAll(rig.file("ZOVALOC.dat")), cancel->isEnabled(), rig.session.ui.cancelRequested()),
            std::tuple(1001, -5, "old\r\n", false, false));
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(rig.session.positions.LocTable[0][0], 1) << "the link is fine for the next exchange";

  Controller(rig).faults.wrongEcho = true;
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(std::pair(status("lblStatusResult"), rig.taken()),
            std::pair(QString("통신이상 발생"), Texts{"통신이상 발생"}));
}

// The bytes of an exchange are the link's; the monitor shows each with its direction and what it means.
TEST(LineMonitor, ShowsTheExchangesSavesPausesClearsAndFollowsABoundedRecord) {
  MainRig rig(4, true);
  auto* monitor = dynamic_cast<app::FrmLineMonitor*>(rig.main->openLineMonitor());
  ASSERT_NE(monitor, nullptr);
  EXPECT_TRUE(monitor->frameGeometry().adjusted(-1, -1, 1, 1).intersects(rig.main->frameGeometry()))
      << "opens beside the main window";
  rig.click("cmdSvon_0");
  monitor->refresh();
  QAbstractItemModel* view = Find<QListView>(monitor, "lstLines")->model();
  QStringList lines = RowTexts(*view, 12).mid(0, 10);  // the first ten, past the time
  lines[1] = lines[1].left(1);                         // the controller answers SOH with any byte
  EXPECT_EQ(lines, (QStringList{">  01  SOH", "<", ">  17  ", "<  17  23 servo on", ">  00  ", ">  00  ", ">  00  ",
                                ">  00  ", ">  02  STX", "<  16  SYN"}));
  ClickAnswering(monitor, "cmdSave", rig.file("line.txt"));
  EXPECT_EQ(ReadAll(rig.file("line.txt")), monitor->record().traceText());
  const int shown = view->rowCount();
  Click(monitor, "cmdPause");
  rig.click("cmdSvon_1");
  monitor->refresh();
  EXPECT_EQ(view->rowCount(), shown);
  Click(monitor, "cmdClear");
  EXPECT_EQ(view->rowCount() + monitor->record().size(), 0U);
  monitor->close();
  EXPECT_EQ(rig.session.port.tap(), nullptr) << "closed, the monitor watches nothing";

  // Its rows follow the record as it drops its oldest bytes, also before the view catches up.
  FakeClock clock;
  LineRecord record(clock, 4);
  app::LineRecordModel model(record, nullptr);
  const std::uint8_t bytes[] = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15};
  record.sent(bytes, 3);
  model.sync();
  record.received(bytes + 3, 3);  // 10 and 11 leave the record
  EXPECT_EQ(RowTexts(model, 15, 2), (QStringList{"", "", "12"}));
  model.sync();
  EXPECT_EQ(RowTexts(model, 15, 2), (QStringList{"12", "13", "14", "15"}));
}

// The port menu opens one port at a time; the last one is offered, and opened at the next start if asked.
TEST(RememberedPort, IsOfferedCheckedAndOpenedAtTheNextStart) {
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  store.remove("Desktop");
  {
    MainRig first;
    auto action = [&](const char* name) { return Find<QAction>(first.main.get(), name); };
    EXPECT_FALSE(action("mnuCommPortLast")->isVisible());
    store.setValue("Ports/COM1", "/nonexistent/ttyZ");  // where COM1 is on this machine
    action("mnuCommPortOpen_0")->trigger();
    EXPECT_EQ(Text(first.main.get(), "lblStatusPort").section("  ", 0, 0), "COM1 (/nonexistent/ttyZ)")
        << "the device a failed COM1 tried";
    first.taken();  // the device's own error
    action("mnuCommPortSim")->trigger();
    Port* opened = first.session.port.current();
    action("mnuCommPortOpen_2")->trigger();
    EXPECT_EQ(first.session.port.current(), opened) << "another port while one is open does nothing";
    action("mnuCommPortAtStart")->trigger();
    action("mnuCommPortClose")->trigger();
    EXPECT_FALSE(first.session.port.isOpen());
  }
  MainRig second;
  auto* last = Find<QAction>(second.main.get(), "mnuCommPortLast");
  EXPECT_EQ(std::tuple(last->isVisible(), last->text().remove('&'), Text(second.main.get(), "lblStatusPort")),
            std::tuple(true, QString("Open Last Port: Simulator"), QString("Simulator")));
  second.main->ports().openAtStart(QString());
  Settle();
  EXPECT_TRUE(second.session.port.isOpen() && last->isChecked());
  store.remove("Desktop");
}

// The layout follows the axis count and the connection; keys open files and the help.
TEST(Layout, FollowsTheAxisCountAndTheConnectionAndKeysWork) {
  MainRig rig(3);
  app::FrmMain& main = *rig.main;
  auto enabled = [&main](int sensor, int axis) {  // a sensor row and an axis's position box
    return std::pair(main.panel().txtSensor[sensor]->isEnabled(), main.panel().txtComPos[axis]->isEnabled());
  };
  EXPECT_EQ(std::tuple(enabled(8, 2), enabled(9, 3)), std::tuple(std::pair(true, true), std::pair(false, false)));
  EXPECT_GT(main.panel().txtComPos[0]->width(),
            main.panel().txtComPos[0]->fontMetrics().horizontalAdvance(app::kWidestPosition));
  main.ports().openSimulator();
  QPointer<QWidget> loc = OpenScreen(rig, "mnuLoc", "frmLoc");
  EXPECT_FALSE(Find(loc, "txtTransLocVal_3")->isEnabled());
  const QString path = "/home/operator/" + QString(80, 'd') + "/ZOVALOC.dat";
  SetText(loc, "txtLocReceiveFile", path);
  EXPECT_EQ(Find(loc, "txtLocReceiveFile")->toolTip(), path);
  ASSERT_TRUE(Activate(loc));
  AnsweredDialog dialog(std::nullopt);
  QTest::keyClick(loc, Qt::Key_O, Qt::ControlModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !dialog.requests.empty(); }));  // a button's key clicks it shortly after
  EXPECT_EQ(dialog.requests[0].title, "LOC FILE OPEN");
  QTest::keyClick(loc, Qt::Key_F1);
  Settle();
  QWidget* keys = TopWindow("frmKeyboard");
  ASSERT_NE(keys, nullptr);
  keys->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(keys));
  QTest::keyClick(keys, Qt::Key_Escape);
  EXPECT_EQ(TopWindow("frmKeyboard"), nullptr) << "Esc closes the list of keys";
  CloseScreen(loc);

  Controller(rig).machine.axes = 5;
  QPointer<QWidget> sys = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  Click(sys, "cmdRcv");  // AXES 5 comes with the system parameters
  CloseScreen(sys);
  EXPECT_EQ(std::tuple(enabled(12, 4), enabled(15, 5)), std::tuple(std::pair(true, true), std::pair(false, false)));
  main.panel().setPositionTexts(0, "1.00", "2.00");
  main.panel().setSensorColour(0, console::SensorColour::Red);
  main.ports().closePort();
  EXPECT_EQ(main.panel().txtComPos[0]->text() + main.panel().txtSensor[0]->styleSheet(), "");
}

QString Summary(QWidget* w) { return Find<QPlainTextEdit>(w, "txtSummary")->toPlainText(); }

// Each operation that holds the link names itself in the status bar while it runs and ends with its own
// result, whatever the bar said before, and the link shown connected again.
TEST(StatusBar, EachOperationIsBusyWhileItRunsAndEndsWithItsOwnResult) {
  MainRig rig(4, true);
  QWidget* main = rig.main.get();
  AnsweredDialog folder(rig.file("b"));
  auto* editor = dynamic_cast<app::FrmEditor*>(OpenScreen(rig, "mnuEditor", "frmEditor").data());
  ASSERT_NE(editor, nullptr);
  Find<QSpinBox>(editor, "txtProgramNo")->setValue(9);
  editor->editor()->setPlainText("STOP\n[EOF]\n");
  const struct {
    std::uint8_t command;  // the exchange during which the bar is read
    std::function<void()> start;
    QString during, after;
  } rows[] = {
      {cmd::kReceiveLocations, [&] { Click(OpenScreen(rig, "mnuLoc", "frmLoc"), "cmdLocReceive_2"); },
       "Busy: LOC ALL Receive", "2500 locations received"},
      {cmd::kSendProgram, [&] { Click(editor, "cmdSend"); }, "Busy: Send as program 9", "Program 9 sent"},
      {cmd::kReceiveProgram, [&] { Click(editor, "cmdFetch"); }, "Busy: Fetch program 9", "Program 9 fetched"},
      {cmd::kReceiveLocations, [&] { OpenScreen(rig, "mnuBackup", "frmBackup"); }, "Busy: Backup",
       "Backup: programs,loc,sft,sys,axis: " + rig.file("b") + "에 저장했습니다"},
      {cmd::kReceiveLocations, [&] { OpenScreen(rig, "mnuCompare", "frmCompare"); }, "Busy: Compare",
       "Compare: 제어기의 내용이 백업과 같습니다"},
  };
  for (const auto& row : rows) {
    rig.session.activity.setResult("Not sent: the source has 1 problem.");
    QString during;
    SimPort(rig).pauseAt(row.command, [&] { during = Shown(main, {"lblStatusLink", "lblStatusResult"}); });
    row.start();
    EXPECT_EQ(std::pair(during, Shown(main, {"lblStatusLink", "lblStatusResult"}).left(row.after.size() + 10)),
              std::pair(row.during + " ", "Connected " + row.after));
  }
  editor->editor()->document()->setModified(false);  // the fetched program is not to be saved
}

// Esc stops a backup between two exchanges and says so at once; a restore asks before it overwrites, and
// Cancel to the question leaves the controller alone. A compare's difference shows and saves as text.
TEST(BackupWindows, EscStopsABackupARestoreAsksFirstDifferencesSave) {
  MainRig rig(4, true);
  const QString folder = rig.file("b");
  AnsweredDialog chosen(folder);
  std::tuple<QString, QString, bool> stopping;
  SimPort(rig).pauseAt(cmd::kReceiveLocations, [&] {
    QWidget* backup = TopWindow("frmBackup");
    ASSERT_TRUE(Activate(backup));
    QTest::keyClick(backup, Qt::Key_Escape);
    QWidget* cancel = Find(backup, "cmdCancel");
    (void)QTest::qWaitFor([cancel] { return !cancel->isEnabled(); });  // a button's key clicks it shortly after
    stopping = {Summary(backup), Text(rig.main.get(), "lblStatusResult"), cancel->isEnabled()};
  });
  QPointer<QWidget> w = OpenScreen(rig, "mnuBackup", "frmBackup");
  EXPECT_EQ(stopping, std::tuple(QString(app::kStoppingText), QString(app::kStoppingText), false));
  EXPECT_EQ(std::pair(Summary(w).section('\n', 1), Text(rig.main.get(), "lblStatusResult")),
            std::pair(QString("백업을 저장하지 않았습니다"), QString("Backup: 백업을 저장하지 않았습니다")));
  EXPECT_EQ(chosen.requests.at(0).form, app::FileDialogForm::NewFolder);
  CloseScreen(w);
  CloseScreen(OpenScreen(rig, "mnuBackup", "frmBackup"));

  Controller(rig).positions.locations[3][0] = 150;
  w = OpenScreen(rig, "mnuCompare", "frmCompare");
  EXPECT_EQ(Rows(Find<QTableWidget>(w, "grdDifferences")), QStringList{"P003 axis 1|1.50|0.00"});
  ClickAnswering(w, "cmdSaveDifferences", rig.file("differences.txt"));
  EXPECT_EQ(ReadAll(rig.file("differences.txt")), "P003 axis 1: controller 1.50, backup 0.00\r\n");
  CloseScreen(w);

  rig.answer = MessageResult::Cancel;
  Controller(rig).machine.axes = 3;
  const std::size_t commands = Controller(rig).commandLog.size() + 1;  // the system block is read to ask
  w = OpenScreen(rig, "mnuRestore", "frmRestore");
  EXPECT_EQ(rig.taken().back(),
            "This overwrites the controller's system parameters, axis parameters, locations 0 to 2499, shifts 0 to "
            "999 and programs 0 to 31 with the backup in " +
                folder.toStdString() + ".\nAXES: 제어기 3, 변경 후 4");
  EXPECT_EQ(
      std::tuple(Summary(w).section('\n', -1), Text(rig.main.get(), "lblStatusResult"),
                 Controller(rig).commandLog.size()),
      std::tuple(QString("아무것도 전송하지 않았습니다"), QString("Restore: 아무것도 전송하지 않았습니다"), commands));
  CloseScreen(w);
  w = OpenScreen(rig, "mnuBackup", "frmBackup");  // refused: the controller has 3 axes
  EXPECT_EQ(Summary(w), QString::fromStdString(rig.taken().back()) + "\n백업을 저장하지 않았습니다")
      << "the reason stays in the log once its box is closed";
}

// A folder for a backup may be typed as a new name; an existing one is taken as it is.
TEST(FolderDialog, TakesANewNameForABackup) {
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("old"));
  for (const char* name : {"new", "old"}) {
    auto dialog = app::MakeFileDialog(nullptr, {"Backup folder", {}, dir.path(), app::FileDialogForm::NewFolder});
    dialog->show();
    Find<QLineEdit>(dialog.get(), "fileNameEdit")->setText(name);
    QTimer::singleShot(500, [] {  // a refusal would wait in a message box
      if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    static_cast<QDialog*>(dialog.get())->accept();  // as the dialog's own button does
    EXPECT_EQ(std::pair(dialog->result(), dialog->selectedFiles()),
              std::pair(int(QDialog::Accepted), QStringList{dir.filePath(name)}));
  }
}

}  // namespace zova::test
