// The main window: names and captions, the port menu with the built-in simulator, screens.
#include <QMenuBar>

#include "gui_support.h"

namespace zova::test {
namespace {

TEST(MainWindow, CarriesTheNamedControlsAndCaptions) {
  MainRig rig;
  EXPECT_EQ(rig.main->windowTitle(), "Zova PC Communication Program");
  struct Case {
    const char* name;
    const char* caption;
  } buttons[] = {{"cmdSvon_0", "AMP ON"},
                 {"cmdSvon_1", "AMP OFF"},
                 {"cmdSvon_2", "ALARM RESET"},
                 {"cmdZR", "ZR"},
                 {"cmdJog_0", "<-  Pos"},
                 {"cmdJog_1", "Neg  ->"},
                 {"cmdAxisSel_0", "NEXT"},
                 {"cmdAxisSel_1", "PREV"},
                 {"cmdLocSet", "SET"},
                 {"cmdMov", "OK"},
                 {"cmdRun_0", "RUN"},
                 {"cmdRun_2", "RUN-RESET"},
                 {"cmdIoStatus_0", "I/O Check Start"},
                 {"cmdIoStatus_1", "I/O Check Stop"}};
  for (const Case& c : buttons) {
    auto* b = Find<QPushButton>(rig.main.get(), c.name);
    if (b != nullptr) {
      EXPECT_EQ(b->text(), c.caption) << c.name;
    }
  }
  struct Text {
    const char* name;
    const char* text;
  } texts[] = {{"txtJogSpd", "10"}, {"txtAxisSel", "1"}, {"txtLocSet", "0"},  {"txtMove_0", "MVE P000"},
               {"txtMove_1", "10"}, {"txtMove_2", "50"}, {"txtRunPrgNo", "0"}};
  for (const Text& t : texts) {
    auto* e = Find<QLineEdit>(rig.main.get(), t.name);
    if (e != nullptr) {
      EXPECT_EQ(e->text(), t.text) << t.name;
    }
  }
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoInput_0")->text(), "E-STOP");
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoInput_63")->text(), "UIN 48");
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoInput_8")->text(), "INT 01");
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoInput_15")->text(), "PSEL 05");
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoOutput_7")->text(), "ZR");
  EXPECT_EQ(Find<QCheckBox>(rig.main.get(), "chkIoOutput_63")->text(), "UOUT 56");
  EXPECT_NE(Find(rig.main.get(), "txtSensor_17"), nullptr);
  EXPECT_NE(Find(rig.main.get(), "txtComPos_5"), nullptr);
  EXPECT_EQ(rig.main->tmrUpStatus->interval(), 500);
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
}

TEST(MainWindow, PortMenuKeepsNineComItemsCloseAndTheSimulator) {
  MainRig rig;
  for (int i = 0; i < 9; ++i) {
    auto* a = Find<QAction>(rig.main.get(), QString("mnuCommPortOpen_%1").arg(i));
    if (a != nullptr) {
      EXPECT_EQ(a->text(), QString("Open(COM%1)").arg(i + 1));
    }
  }
  EXPECT_EQ(Find<QAction>(rig.main.get(), "mnuCommPortClose")->text(), "Close");
  EXPECT_EQ(Find<QAction>(rig.main.get(), "mnuCommPortSim")->text(), "Simulator");
  for (auto [name, caption] : {std::pair{"mnuFile", "File"},
                               {"mnuLoc", "Loc"},
                               {"mnuSft", "Sft"},
                               {"mnuSysPara", "Sys Para"},
                               {"mnuAxisPara", "Axis Para"},
                               {"mnuDownload", "Download"}}) {
    auto* a = Find<QAction>(rig.main.get(), name);
    if (a != nullptr) {
      EXPECT_EQ(a->text(), caption);
    }
  }
}

TEST(MainWindow, SimulatorPortOpensWithTheLinkCheckAndClosesWithGoodbye) {
  MainRig rig;
  Find<QAction>(rig.main.get(), "mnuCommPortSim")->trigger();
  EXPECT_TRUE(rig.session.port.isOpen());
  EXPECT_TRUE(rig.messages.empty());
  Find<QAction>(rig.main.get(), "mnuCommPortClose")->trigger();
  EXPECT_FALSE(rig.session.port.isOpen());
}

TEST(MainWindow, OpeningAnotherPortWhileOneIsOpenDoesNothing) {
  MainRig rig;
  rig.main->openSimulator();
  Port* first = rig.session.port.current();
  Find<QAction>(rig.main.get(), "mnuCommPortOpen_2")->trigger();
  EXPECT_EQ(rig.session.port.current(), first);
  EXPECT_TRUE(rig.session.port.isOpen());
}

}  // namespace
}  // namespace zova::test
