// The main window and every screen: names and captions, the port menu with the built-in simulator, the
// stored serial settings, the file dialogs, and closing while an exchange waits.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QAction>
#include <QSettings>
#include <QSocketNotifier>
#include <algorithm>
#include <cstdlib>

#include "firmware/hex_builder.h"
#include "gui_support.h"
#include "link/commands.h"
#include "link/control_bytes.h"

namespace zova::test {
namespace {

// The caption of a named control: a button's, box's, label's or action's text, or a group's title.
QString Caption(QObject* root, const char* name) {
  QObject* o = root->findChild<QObject*>(name);
  if (o == nullptr) return QString("(no %1)").arg(name);
  const QVariant text = o->property("text");
  return (text.isValid() ? text : o->property("title")).toString().remove('&');  // a menu's mnemonic
}

TEST(Screens, CarryTheirNamedControlsAndCaptions) {
  struct Case {
    const char* menu;  // null: the main window itself
    const char* window;
    const char* title;
    std::vector<std::pair<const char*, const char*>> captions;
    std::vector<const char*> absent;
  } cases[] = {
      {nullptr,
       "",
       "Zova PC Communication Program",
       {{"cmdSvon_2", "ALARM RESET"},
        {"cmdJog_0", "<-  Pos"},
        {"cmdJog_1", "Neg  ->"},
        {"cmdAxisSel_1", "PREV"},
        {"cmdRun_2", "RUN-RESET"},
        {"cmdIoStatus_0", "I/O Check Start"},
        {"txtJogSpd", "10"},
        {"txtMove_0", "MVE P000"},
        {"txtMove_2", "50"},
        {"chkIoInput_0", "E-STOP"},
        {"chkIoInput_15", "PSEL 05"},
        {"chkIoInput_63", "UIN 48"},
        {"chkIoOutput_7", "ZR"},
        {"chkIoOutput_63", "UOUT 56"},
        {"mnuCommPortOpen_0", "Open(COM1)"},
        {"mnuCommPortOpen_8", "Open(COM9)"},
        {"mnuCommPortClose", "Close"},
        {"mnuCommPortSim", "Simulator"},
        {"mnuSysPara", "Sys Para"},
        {"mnuDownload", "Download"}},
       {}},
      {"mnuLoc",
       "frmLoc",
       "LOCATION",
       {{"cmdLocReceive_1", "Block Receive"},
        {"cmdLocReceive_4", "File Save"},
        {"cmdLocTrans_2", "ALL Trans"},
        {"Frame1", "LOC Receive (TEV ▶ PC)"},
        {"fraLoc", "LOC Trans (PC ▶ TEV)"},
        {"txtLocReceive_0", "0"},
        {"txtRcvLocVal_5", "0.00"},
        {"txtTransLocVal_5", "0.00"}},
       {"cmdLocTrans_4"}},
      {"mnuSft",
       "frmSft",
       "SHIFT LOCATION",
       {{"cmdSftLocReceive_1", "ALL Receive"},
        {"cmdSftLocTrans_2", "File Open"},
        {"fraSftTrans", "SFT LOC Trans (PC ▶ TEV)"}},
       {"cmdSftLocReceive_4", "cmdSftLocTrans_3"}},
      {"mnuFile",
       "frmFile",
       "FILE Trans / Receive",
       {{"cmdFileReceive_0", "Receive "},
        {"cmdFileTrans_1", "ALL Trans"},
        {"fraFileReceive", "FILE Receive (TEV ▶ PC)"},
        {"txtFileReceive_0", ""},
        {"txtFileTrans_1", "0"}},
       {}},
      {"mnuSysPara",
       "frmNsyspara",
       "System Parameter",
       {{"cmdRcv", "TEV ☞ PC"}, {"cmdTrans", "PC ☞ TEV"}, {"cmdZrin_3", "Z-P"}, {"sysLabel", "File Name"}},
       {}},
      {"mnuAxisPara",
       "frmNaxpara",
       "Axis Parameter",
       {{"SSPanelAxSel_0", "1-Axis"},
        {"SSPanelAxSel_5", "6-Axis"},
        {"cmdVolt_1", "UNI_POLAR"},
        {"cmdStep_1", "SIGN+PULSE"},
        {"cmdSvon_1", "HIGH"},
        {"Label1", "File Name"}},
       {}},
  };
  MainRig rig;
  for (const Case& c : cases) {
    QPointer<QWidget> w = c.menu == nullptr ? rig.main.get() : OpenScreen(rig, c.menu, c.window);
    ASSERT_NE(w, nullptr) << c.window;
    EXPECT_EQ(w->windowTitle(), c.title);
    for (const auto& [name, caption] : c.captions) EXPECT_EQ(Caption(w, name), QString::fromUtf8(caption)) << name;
    for (const char* name : c.absent) EXPECT_EQ(w->findChild<QWidget*>(name), nullptr) << name;
    if (c.menu == nullptr) continue;
    EXPECT_FALSE(rig.main->isEnabled()) << c.window << ": the main window waits while a screen is open";
    CloseScreen(w);
    EXPECT_TRUE(rig.main->isEnabled()) << c.window;
  }
  EXPECT_EQ(rig.main->tmrUpStatus->interval(), 500);
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
}

TEST(MainWindow, SimulatorPortOpensOnceAndCloses) {
  MainRig rig;
  Find<QAction>(rig.main.get(), "mnuCommPortSim")->trigger();
  EXPECT_TRUE(rig.session.port.isOpen());
  // Opening another port while one is open does nothing.
  Port* first = rig.session.port.current();
  Find<QAction>(rig.main.get(), "mnuCommPortOpen_2")->trigger();
  EXPECT_EQ(rig.session.port.current(), first);
  EXPECT_TRUE(rig.session.port.isOpen());
  Find<QAction>(rig.main.get(), "mnuCommPortClose")->trigger();
  EXPECT_FALSE(rig.session.port.isOpen());
}

// A dialog that picks a file to read has an "Open" button, one that picks a file to write "Save";
// the transfer windows' reading dialogs still take a name that does not exist yet.
TEST(Screens, FileDialogsOpenWhatTheyReadAndSaveWhatTheyWrite) {
  const QString loc = app::QtFilter("ZOVALOC.dat|ZOVALOC.dat|모든파일(*.*)|*.*");
  const QString sft = app::QtFilter("ZOVASFT.dat|ZOVASFT.dat|모든파일(*.*)|*.*");
  struct Case {
    const char* menu;
    const char* window;
    const char* button;
    const char* title;
    QString filter;
    const char* accept;
    bool newName;
    bool overwritePrompt;
  } cases[] = {
      {"mnuLoc", "frmLoc", "cmdLocReceive_3", "LOC FILE SAVE", loc, "Save", true, true},
      {"mnuLoc", "frmLoc", "cmdLocTrans_3", "LOC FILE OPEN", loc, "Open", true, false},
      {"mnuSft", "frmSft", "cmdSftLocReceive_2", "SFT LOC FILE OPEN", sft, "Save", true, true},
      {"mnuSft", "frmSft", "cmdSftLocTrans_2", "SFT LOC FILE OPEN", sft, "Open", true, false},  // the last title
      {"mnuFile", "frmFile", "cmdFileReceiveOpen", "Receive File Open", "*.dat", "Save", true, false},
      {"mnuFile", "frmFile", "cmdFileTransOpen", "Trans File Open", "*.dat", "Open", true, false},
      {"mnuSysPara", "frmNsyspara", "cmdSave_0", "System Para File Open",
       app::QtFilter("ZOVASYS.dat|ZOVASYS.dat|모든파일(*.*)|*.*"), "Open", false, false},
      {"mnuAxisPara", "frmNaxpara", "cmdSave_0", "Axis Para File Open",
       app::QtFilter("DIRIDOZO.dat|DIRIDOZO.dat|모든파일(*.*)|*.*"), "Open", false, false},
      {"mnuDownload", "frmDownload", "cmdFile", "", "HEX (*.hex);;*.* (*)", "Open", false, false},
  };
  MainRig rig;
  rig.main->openSimulator();  // the position windows check the port first, the file buttons included
  QPointer<QWidget> w;
  for (const Case& c : cases) {
    if (!w || w->objectName() != c.window) {
      if (w) CloseScreen(w);
      w = OpenScreen(rig, c.menu, c.window);
    }
    AnsweredDialog dialog(std::nullopt);
    Click(w, c.button);
    ASSERT_EQ(dialog.requests.size(), 1U) << c.button;
    const app::FileDialogRequest& r = dialog.requests[0];
    EXPECT_EQ(r.title.toStdString(), c.title) << c.window << " " << c.button;
    EXPECT_EQ(r.filter.toStdString(), c.filter.toStdString()) << c.window << " " << c.button;
    EXPECT_EQ(r.overwritePrompt, c.overwritePrompt) << c.window << " " << c.button;
    auto shown = app::MakeFileDialog(nullptr, r);
    EXPECT_EQ(shown->labelText(QFileDialog::Accept).remove('&').toStdString(), c.accept) << c.window << " " << c.button;
    EXPECT_EQ(shown->fileMode() == QFileDialog::AnyFile, c.newName) << c.window << " " << c.button;
  }
}

// A stored setting the serial control rejects is reported at load with its text and the exclamation
// icon, and a port then opens with the defaults. Good settings reach the device: here a pseudo-terminal
// that answers the link check and keeps the line speed.
TEST(MainWindow, StoredSettingsAreAppliedOnceAtLoad) {
  struct Case {
    const char* settings;
    const char* handshaking;
    std::vector<std::string> reported;
    speed_t speed;
  } cases[] = {{"abc", "", {"Invalid property value: \"abc\""}, B9600},
               {"19200,n,8,2", "x", {"Invalid property value: \"x\""}, B19200}};
  QSettings store(QSettings::NativeFormat, QSettings::UserScope, "ZOVA", "ZOVA");
  for (const Case& c : cases) {
    store.setValue("Properties/Settings", c.settings);
    store.setValue("Properties/Handshaking", c.handshaking);
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
      EXPECT_EQ(rig.messages, c.reported) << c.settings;
      EXPECT_EQ(rig.icons, std::vector<MessageIcon>(c.reported.size(), MessageIcon::Exclamation)) << c.settings;
      rig.session.connection.onOpened = nullptr;  // the output refresh would need a whole controller
      rig.main->openPort(QString::fromStdString(device));
      ASSERT_TRUE(rig.session.port.isOpen()) << c.settings << testing::PrintToString(rig.messages);
      termios line{};
      const int fd = open(device.c_str(), O_RDWR | O_NOCTTY);
      EXPECT_EQ(tcgetattr(fd, &line), 0);
      close(fd);
      EXPECT_EQ(cfgetospeed(&line), c.speed) << c.settings;
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
  const QString hex = dir.filePath("f.hex");
  WriteFile(hex, HexText(64));
  AnsweredDialog dialog(hex);
  struct Case {
    const char* menu;  // null: the main window's own console
    const char* window;
    const char* button;
    std::uint8_t command;
    bool buttonOff;  // else the link's busy flag alone turns the second press away
  } cases[] = {
      {"mnuLoc", "frmLoc", "cmdLocReceive_1", cmd::kReceiveLocations, true},
      {"mnuSft", "frmSft", "cmdSftLocTrans_0", cmd::kSendShifts, true},
      {"mnuFile", "frmFile", "cmdFileReceive_0", cmd::kReceiveProgram, true},
      {"mnuSysPara", "frmNsyspara", "cmdRcv", cmd::kReceiveSysPara, true},
      {"mnuAxisPara", "frmNaxpara", "cmdTrans", cmd::kSendAxPara, false},
      {"mnuDownload", "frmDownload", "cmdDown", cmd::kFirmwareDownload, true},
      {nullptr, "frmMain", "cmdSvon_0", cmd::kServoOn, true},
  };
  enum class Ask { MainWindow, Screen, Quit };
  const char* asked[] = {"main window closed", "screen closed", "application quit"};
  for (const Case& c : cases) {
    for (Ask ask : {Ask::MainWindow, Ask::Screen, Ask::Quit}) {
      if (c.menu == nullptr && ask == Ask::Screen) continue;
      const std::string row = std::string(c.window) + ", " + asked[static_cast<int>(ask)];
      MainRig rig;
      rig.main->openSimulator();
      QPointer<QWidget> w = c.menu == nullptr ? rig.main.get() : OpenScreen(rig, c.menu, c.window);
      ASSERT_TRUE(w) << row;
      // What two screens need first: a file name, a chosen HEX file.
      if (auto* box = w->findChild<QLineEdit*>("txtFileReceive_0")) box->setText(dir.filePath("p.dat"));
      if (auto* file = w->findChild<QPushButton*>("cmdFile")) file->click();
      bool paused = false;
      SimPort(rig).pauseAt(c.command, [&] {
        paused = true;
        ASSERT_TRUE(w);
        EXPECT_EQ(Find<QPushButton>(w, c.button)->isEnabled(), !c.buttonOff) << row;
        Click(w, c.button);
        if (ask == Ask::Quit) {
          QEvent quit(QEvent::Quit);
          QCoreApplication::sendEvent(qApp, &quit);
          EXPECT_FALSE(quit.isAccepted()) << row;
        } else {
          (ask == Ask::Screen ? w.data() : rig.main.get())->close();
        }
        EXPECT_TRUE(w && w->isVisible() && rig.main->isVisible()) << row;
      });
      Click(w, c.button);
      EXPECT_TRUE(paused) << row;
      const QPointer<QWidget> closing = ask == Ask::Screen ? w : QPointer<QWidget>(rig.main.get());
      EXPECT_TRUE(QTest::qWaitFor([&] { return !closing || !closing->isVisible(); })) << row;
      const bool programEnded = ask != Ask::Screen;
      const std::vector<std::uint8_t>& log = Controller(rig).commandLog;
      EXPECT_EQ(std::count(log.begin(), log.end(), c.command), 1) << row;
      EXPECT_EQ(std::count(log.begin(), log.end(), cmd::kCloseLink), programEnded ? 1 : 0) << row;
      EXPECT_EQ(log.back() == cmd::kCloseLink, programEnded) << row;
      EXPECT_TRUE(rig.messages.empty()) << row << ": " << rig.messages.front();
    }
  }
}

}  // namespace
}  // namespace zova::test
