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

// Every other test finds its controls by name; this one checks the titles and a caption of each kind.
TEST(Screens, CarryTheirTitlesAndCaptions) {
  // Menu item (empty: the main window), window, title, then pairs of control and caption (null: no such control).
  const std::vector<std::vector<const char*>> cases = {
      {"", "", "Zova PC Communication Program", "cmdSvon_2", "ALARM RESET", "cmdJog_0", "<-  Pos", "cmdRun_2",
       "RUN-RESET", "txtJogSpd", "10", "txtMove_0", "MVE P000"},
      {"", "", "Zova PC Communication Program", "chkIoInput_15", "PSEL 05", "chkIoOutput_63", "UOUT 56",
       "mnuCommPortOpen_8", "Open(COM9)", "mnuCommPortSim", "Simulator"},
      {"mnuLoc", "frmLoc", "LOCATION", "cmdLocReceive_4", "File Save", "Frame1", "LOC Receive (TEV ▶ PC)",
       "txtRcvLocVal_5", "0.00", "cmdLocTrans_4", nullptr},
      {"mnuSft", "frmSft", "SHIFT LOCATION", "fraSftTrans", "SFT LOC Trans (PC ▶ TEV)", "cmdSftLocReceive_4", nullptr,
       "cmdSftLocTrans_3", nullptr},
      {"mnuFile", "frmFile", "FILE Trans / Receive", "cmdFileReceive_0", "Receive ", "txtFileTrans_1", "0"},
      {"mnuSysPara", "frmNsyspara", "System Parameter", "cmdRcv", "TEV ☞ PC", "cmdZrin_3", "Z-P"},
      {"mnuAxisPara", "frmNaxpara", "Axis Parameter", "SSPanelAxSel_5", "6-Axis", "cmdStep_1", "SIGN+PULSE"}};
  MainRig rig;
  for (const auto& c : cases) {
    const bool screen = *c[0] != 0;
    QPointer<QWidget> w = screen ? OpenScreen(rig, c[0], c[1]) : rig.main.get();
    ASSERT_NE(w, nullptr) << c[1];
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(c[2]));
    for (std::size_t i = 3; i + 1 < c.size(); i += 2) {
      QObject* o = w->findChild<QObject*>(c[i]);
      if (c[i + 1] == nullptr || o == nullptr) {
        EXPECT_EQ(o == nullptr, c[i + 1] == nullptr) << c[i];
        continue;
      }
      const QVariant text = o->property("text");
      EXPECT_EQ((text.isValid() ? text : o->property("title")).toString().remove('&'), QString::fromUtf8(c[i + 1]));
    }
    if (!screen) continue;
    EXPECT_FALSE(rig.main->isEnabled()) << c[1] << ": the main window waits while a screen is open";
    CloseScreen(w);
    EXPECT_TRUE(rig.main->isEnabled()) << c[1];
  }
  EXPECT_EQ(rig.main->tmrUpStatus->interval(), 500);
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
}

TEST(MainWindow, SimulatorPortOpensOnceAndCloses) {
  MainRig rig;
  Find<QAction>(rig.main.get(), "mnuCommPortSim")->trigger();
  Port* first = rig.session.port.current();
  ASSERT_TRUE(rig.session.port.isOpen());
  Find<QAction>(rig.main.get(), "mnuCommPortOpen_2")->trigger();
  EXPECT_EQ(rig.session.port.current(), first) << "another port while one is open does nothing";
  Find<QAction>(rig.main.get(), "mnuCommPortClose")->trigger();
  EXPECT_FALSE(rig.session.port.isOpen());
}

// A dialog that picks a file to read has an "Open" button, one that picks a file to write "Save";
// the transfer windows' reading dialogs still take a name that does not exist yet.
TEST(Screens, FileDialogsOpenWhatTheyReadAndSaveWhatTheyWrite) {
  auto filter = [](const char* name) { return app::QtFilter(QString("%1|%1|모든파일(*.*)|*.*").arg(name)); };
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
      {"mnuLoc", "frmLoc", "cmdLocReceive_3", "LOC FILE SAVE", filter("ZOVALOC.dat"), "Save", true, true},
      {"mnuLoc", "frmLoc", "cmdLocTrans_3", "LOC FILE OPEN", filter("ZOVALOC.dat"), "Open", true, false},
      {"mnuSft", "frmSft", "cmdSftLocReceive_2", "SFT LOC FILE OPEN", filter("ZOVASFT.dat"), "Save", true, true},
      {"mnuSft", "frmSft", "cmdSftLocTrans_2", "SFT LOC FILE OPEN", filter("ZOVASFT.dat"), "Open", true, false},
      {"mnuFile", "frmFile", "cmdFileReceiveOpen", "Receive File Open", "*.dat", "Save", true, false},
      {"mnuFile", "frmFile", "cmdFileTransOpen", "Trans File Open", "*.dat", "Open", true, false},
      {"mnuSysPara", "frmNsyspara", "cmdSave_0", "System Para File Open", filter("ZOVASYS.dat"), "Open", false, false},
      {"mnuAxisPara", "frmNaxpara", "cmdSave_0", "Axis Para File Open", filter("DIRIDOZO.dat"), "Open", false, false},
      {"mnuDownload", "frmDownload", "cmdFile", "", "HEX (*.hex);;*.* (*)", "Open", false, false},
  };
  SimMainRig rig;  // the position windows check the port first, the file buttons included
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
    const std::string row = std::string(c.window) + " " + c.button;
    EXPECT_EQ(r.title.toStdString(), c.title) << row;
    EXPECT_EQ(r.filter.toStdString(), c.filter.toStdString()) << row;
    EXPECT_EQ(r.overwritePrompt, c.overwritePrompt) << row;
    auto shown = app::MakeFileDialog(nullptr, r);
    EXPECT_EQ(shown->labelText(QFileDialog::Accept).remove('&').toStdString(), c.accept) << row;
    EXPECT_EQ(shown->fileMode() == QFileDialog::AnyFile, c.newName) << row;
  }
}

// A stored setting the serial control rejects is reported at load with its text and the exclamation
// icon, and a port then opens with the defaults. Good settings reach the device: here a pseudo-terminal
// that answers the link check and keeps the line speed.
TEST(MainWindow, StoredSettingsAreAppliedOnceAtLoad) {
  struct Case {
    const char* settings;
    const char* handshaking;
    std::string reported;
    speed_t speed;
  } cases[] = {{"abc", "", "Invalid property value: \"abc\"", B9600},
               {"19200,n,8,2", "x", "Invalid property value: \"x\"", B19200}};
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
      EXPECT_EQ(rig.messages, Texts{c.reported}) << c.settings;
      EXPECT_EQ(rig.icons, std::vector<MessageIcon>{MessageIcon::Exclamation}) << c.settings;
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
      SimMainRig rig;
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
