// The main window and the selection window before it: the console against the built-in simulator, the
// stored serial settings, the file dialogs, the firmware download, and closing while an exchange waits.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QAction>
#include <QSettings>
#include <QSocketNotifier>
#include <algorithm>

#include "app/windows/frm_splash.h"
#include "firmware/hex_builder.h"
#include "gui_support.h"
#include "link/commands.h"
#include "link/control_bytes.h"

namespace zova::test {
namespace {

TEST(Splash, OkNeedsAnAxisCancelOrAnyKeyEnds) {
  app::FrmSplash splash;
  splash.show();
  Click(&splash, "cmdSelTev_5");
  EXPECT_TRUE(splash.isVisible()) << "OK before an axis does nothing";
  Click(&splash, "cmdSelTev_2");
  Click(&splash, "cmdSelTevPlc_2");
  EXPECT_EQ(Find(&splash, "cmdSelTevPlc_2")->styleSheet(), "background-color: #ffff80;");  // chosen
  EXPECT_EQ(Find(&splash, "cmdSelTevPlc_0")->styleSheet(), "background-color: #ff8000;");
  Click(&splash, "cmdSelTev_5");
  EXPECT_EQ(splash.result(), QDialog::Accepted);
  EXPECT_EQ(std::pair(splash.axes(), splash.machineType()), std::pair(4, 2));
  EXPECT_EQ(app::FrmSplash::versionText(1, 0, 3), "Ver 1.03");
  for (bool key : {false, true}) {
    app::FrmSplash ended;
    ended.show();
    if (key) QTest::keyClick(&ended, Qt::Key_A);
    if (!key) Click(&ended, "cmdSelTev_6");
    EXPECT_EQ(ended.result(), QDialog::Rejected) << key;
  }
}

TEST(Console, ServoOutputsIoCheckingAndJog) {
  MainRig rig(2);
  app::FrmMain& main = *rig.main;
  for (const char* button : {"cmdIoStatus_0", "cmdSvon_0", "cmdZR", "cmdRun_0"}) {
    rig.click(button);
    EXPECT_EQ(rig.taken(), Texts{kPortClosed}) << button << ", with the port closed";
  }
  EXPECT_FALSE(main.tmrUpStatus->isActive());
  EXPECT_EQ(main.tmrUpStatus->interval(), 500);
  main.openSimulator();
  EXPECT_TRUE(main.chkIoOutput[3]->isChecked()) << "READY is shown after the port opened";
  rig.click("cmdSvon_0");
  EXPECT_TRUE(main.chkIoOutput[2]->isChecked()) << "SERVO ON";
  for (int output : {8, 3}) {  // 3 is a system output: the mark comes back, nothing is switched
    main.chkIoOutput[output]->click();
    Settle();
    EXPECT_TRUE(Controller(rig).machine.output(output)) << output;
    EXPECT_TRUE(main.chkIoOutput[output]->isChecked()) << output;
  }

  QTest::mousePress(main.cmdJog[0], Qt::LeftButton);
  QTest::qWait(300);
  QTest::mouseRelease(main.cmdJog[0], Qt::LeftButton);
  Settle();
  EXPECT_EQ(main.console().JogActive, 0);
  EXPECT_GT(main.txtComPos[0]->text().toDouble(), 0.0) << main.txtComPos[0]->text().toStdString();

  rig.click("cmdIoStatus_0");
  EXPECT_TRUE(main.tmrUpStatus->isActive());
  for (QWidget* frame : {main.fraIoOut, main.fraJog, main.fraRunZr}) EXPECT_FALSE(frame->isEnabled());
  Controller(rig).machine.setInput(63, true);
  for (int i = 0; i < 3; ++i) main.status().Tick();
  EXPECT_TRUE(main.chkIoInput[63]->isChecked());
  rig.click("cmdIoStatus_1");
  EXPECT_FALSE(main.tmrUpStatus->isActive());
  EXPECT_TRUE(main.fraIoOut->isEnabled());
}

TEST(Download, FileOpenThenDownLoadShowsTheStateTexts) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("f.hex"), HexText(5600));
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuDownload", "frmDownload");
  ClickAnswering(w, "cmdFile", dir.filePath("f.hex"));
  EXPECT_EQ(Label(w, "labelbyte"), "TOTAL: 5,600 bytes");
  EXPECT_TRUE(Label(w, "label_filename").startsWith("HEX FILE : "));
  Click(w, "cmdDown");
  EXPECT_EQ(Label(w, "Label_state"), "Downloading success!");
  EXPECT_EQ(Label(w, "Label2"), "0");
}

// A dialog that picks a file to read has an "Open" button, one that picks a file to write "Save";
// the transfer windows' reading dialogs still take a name that does not exist yet.
TEST(Screens, FileDialogsOpenWhatTheyReadAndSaveWhatTheyWrite) {
  auto stored = [](const char* name) { return app::QtFilter(QString("%1|%1|모든파일(*.*)|*.*").arg(name)); };
  // Menu item, window, button; the dialog's title, filter, accept button, whether it takes a new name and
  // whether it asks before overwriting.
  const std::tuple<const char*, const char*, const char*, const char*, QString, const char*, bool, bool> cases[] = {
      {"mnuLoc", "frmLoc", "cmdLocReceive_3", "LOC FILE SAVE", stored("ZOVALOC.dat"), "Save", true, true},
      {"mnuLoc", "frmLoc", "cmdLocTrans_3", "LOC FILE OPEN", stored("ZOVALOC.dat"), "Open", true, false},
      {"mnuSft", "frmSft", "cmdSftLocReceive_2", "SFT LOC FILE OPEN", stored("ZOVASFT.dat"), "Save", true, true},
      {"mnuSft", "frmSft", "cmdSftLocTrans_2", "SFT LOC FILE OPEN", stored("ZOVASFT.dat"), "Open", true,
       false},  // the last title
      {"mnuFile", "frmFile", "cmdFileReceiveOpen", "Receive File Open", "*.dat", "Save", true, false},
      {"mnuFile", "frmFile", "cmdFileTransOpen", "Trans File Open", "*.dat", "Open", true, false},
      {"mnuSysPara", "frmNsyspara", "cmdSave_0", "System Para File Open", stored("ZOVASYS.dat"), "Open", false, false},
      {"mnuAxisPara", "frmNaxpara", "cmdSave_0", "Axis Para File Open", stored("DIRIDOZO.dat"), "Open", false, false},
      {"mnuDownload", "frmDownload", "cmdFile", "", "HEX (*.hex);;*.* (*)", "Open", false, false}};
  SimMainRig rig;  // the position windows check the port first, the file buttons included
  QPointer<QWidget> w;
  for (const auto& [menu, window, button, title, filter, accept, newName, overwritePrompt] : cases) {
    if (!w || w->objectName() != window) {
      if (w) CloseScreen(w);
      w = OpenScreen(rig, menu, window);
    }
    AnsweredDialog dialog(std::nullopt);
    Click(w, button);
    ASSERT_EQ(dialog.requests.size(), 1U) << button;
    const app::FileDialogRequest& r = dialog.requests[0];
    EXPECT_EQ(r.title.toStdString(), title) << button;
    EXPECT_EQ(r.filter, filter) << button;
    EXPECT_EQ(r.overwritePrompt, overwritePrompt) << button;
    auto shown = app::MakeFileDialog(nullptr, r);
    EXPECT_EQ(shown->labelText(QFileDialog::Accept).remove('&').toStdString(), accept) << button;
    EXPECT_EQ(shown->fileMode() == QFileDialog::AnyFile, newName) << button;
  }
}

// A stored setting the serial control rejects is reported at load with its text and the exclamation
// icon, and a port then opens with the defaults. Good settings reach the device: here a pseudo-terminal
// that answers the link check and keeps the line speed.
TEST(MainWindow, StoredSettingsAreAppliedOnceAtLoad) {
  // Stored line settings, stored handshaking, the message at load, the line speed of the opened port.
  const std::tuple<const char*, const char*, std::string, speed_t> cases[] = {
      {"abc", "", "Invalid property value: \"abc\"", B9600},
      {"19200,n,8,2", "x", "Invalid property value: \"x\"", B19200}};
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  for (const auto& [settings, handshaking, reported, speed] : cases) {
    store.setValue("Properties/Settings", settings);
    store.setValue("Properties/Handshaking", handshaking);
    store.sync();
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
      EXPECT_EQ(rig.messages, Texts{reported}) << settings;
      EXPECT_EQ(rig.icons, std::vector<MessageIcon>{MessageIcon::Exclamation}) << settings;
      rig.session.connection.onOpened = nullptr;  // the output refresh would need a whole controller
      rig.main->openPort(QString::fromStdString(device));
      ASSERT_TRUE(rig.session.port.isOpen()) << settings << testing::PrintToString(rig.messages);
      termios line{};
      const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
      EXPECT_EQ(tcgetattr(fd, &line), 0);
      close(fd);
      EXPECT_EQ(cfgetospeed(&line), speed) << settings;
    }
    close(controller);
  }
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
      {"mnuSft", "frmSft", "cmdSftLocTrans_0", cmd::kSendShifts, true},
      {"mnuFile", "frmFile", "cmdFileReceive_0", cmd::kReceiveProgram, true},
      {"mnuSysPara", "frmNsyspara", "cmdRcv", cmd::kReceiveSysPara, true},
      {"mnuAxisPara", "frmNaxpara", "cmdTrans", cmd::kSendAxPara, false},
      {"mnuDownload", "frmDownload", "cmdDown", cmd::kFirmwareDownload, true},
      {nullptr, "frmMain", "cmdSvon_0", cmd::kServoOn, true}};
  const char* asked[] = {"main window closed", "screen closed", "application quit"};
  for (const auto& [menu, window, button, command, buttonOff] : cases) {
    for (int ask : {0, 1, 2}) {
      if (menu == nullptr && ask == 1) continue;  // the console's window is the main window
      const bool screen = ask == 1;
      const std::string row = std::string(window) + ", " + asked[ask];
      SimMainRig rig;
      QPointer<QWidget> w = menu == nullptr ? rig.main.get() : OpenScreen(rig, menu, window);
      ASSERT_TRUE(w) << row;
      // What two screens need first: a file name, a chosen HEX file.
      if (auto* box = w->findChild<QLineEdit*>("txtFileReceive_0")) box->setText(dir.filePath("p.dat"));
      if (auto* file = w->findChild<QPushButton*>("cmdFile")) file->click();
      bool paused = false;
      SimPort(rig).pauseAt(command, [&] {
        paused = true;
        ASSERT_TRUE(w);
        EXPECT_EQ(Find<QPushButton>(w, button)->isEnabled(), !buttonOff) << row;
        Click(w, button);
        if (ask == 2) {
          QEvent quit(QEvent::Quit);
          QCoreApplication::sendEvent(qApp, &quit);
          EXPECT_FALSE(quit.isAccepted()) << row;
        } else {
          (screen ? w.data() : rig.main.get())->close();
        }
        EXPECT_TRUE(w && w->isVisible() && rig.main->isVisible()) << row;
      });
      Click(w, button);
      EXPECT_TRUE(paused) << row;
      const QPointer<QWidget> closing = screen ? w : QPointer<QWidget>(rig.main.get());
      EXPECT_TRUE(QTest::qWaitFor([&] { return !closing || !closing->isVisible(); })) << row;
      const std::vector<std::uint8_t>& log = Controller(rig).commandLog;
      EXPECT_EQ(std::count(log.begin(), log.end(), command), 1) << row;
      EXPECT_EQ(std::count(log.begin(), log.end(), cmd::kCloseLink), screen ? 0 : 1) << row;
      EXPECT_EQ(log.back() == cmd::kCloseLink, !screen) << row;
      EXPECT_TRUE(rig.messages.empty()) << row << ": " << rig.messages.front();
    }
  }
}

}  // namespace
}  // namespace zova::test
