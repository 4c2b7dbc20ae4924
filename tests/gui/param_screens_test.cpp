// The system and axis parameter screens: box checks as typed, selector groups, files through the
// dialog, transfers with the built-in simulator, and what the screens remember between openings.
#include <QDir>
#include <QFile>
#include <QProgressBar>
#include <QTemporaryDir>

#include "app/widgets/selector_group.h"
#include "app/widgets/window_util.h"
#include "gui_support.h"
#include "link/link_error.h"
#include "parameters/ax_para_editor.h"

namespace zova::test {
namespace {

const std::string kMsgNoFileName = "File Open 메뉴에서 저장할 화일명을 입력하십시요.";

// The indices of the highlighted indicators of an array of `count`.
std::vector<int> Lit(QWidget* screen, const char* indicators, int count) {
  std::vector<int> lit;
  for (int i = 0; i < count; ++i) {
    auto* box = Find<QLineEdit>(screen, app::ArrayName(indicators, i));
    if (box != nullptr && app::IsIndicatorOn(box)) lit.push_back(i);
  }
  return lit;
}

sim::Controller& Simulator(MainRig& rig) {
  rig.main->openSimulator();
  Settle();
  return Controller(rig);
}

// ---- System parameter screen ----

TEST(SysParaScreen, TypedValuesAreCheckedStoredOrReset) {
  struct Case {
    int box;
    const char* typed;
    std::vector<std::string> messages;
    const char* shown;
    int entry;
    std::int32_t stored;
  } cases[] = {
      // The box rules are the editor's; here the box shows what the rule leaves, keystroke by keystroke.
      {0, "7", {" 2 ~ 6 까지 입력하십시요."}, "2", 0, 2},
      // Typed key by key, a leading "-" alone is no number yet and is reset to 0.
      {25, "-3", {" 정수를 입력하십시요"}, "03", 57, 3},
  };
  MainRig rig(4);
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  ASSERT_NE(w, nullptr);
  for (const Case& c : cases) {
    rig.messages.clear();
    const QString name = app::ArrayName("txtSys", c.box);
    rig.type(w, name, QString::fromUtf8(c.typed));
    EXPECT_EQ(rig.messages, c.messages) << name.toStdString() << " " << c.typed;
    EXPECT_EQ(Text(w, name), QString::fromUtf8(c.shown)) << name.toStdString() << " " << c.typed;
    EXPECT_EQ(rig.session.sysPara[c.entry], c.stored) << name.toStdString() << " " << c.typed;
  }
  // A whole negative number written at once (a paste) is one change.
  Find<QLineEdit>(w, "txtSys_25")->setText("-12");
  EXPECT_EQ(rig.session.sysPara[57], -12);
  EXPECT_TRUE(std::all_of(rig.titles.begin(), rig.titles.end(), [](const std::string& t) { return t.empty(); }));
}

TEST(SysParaScreen, FileSaveAndOpenRoundTripAndTheNameIsRemembered) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ZOVASYS.dat");
  MainRig rig(4);
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  ASSERT_NE(w, nullptr);
  Click(w, "cmdSave_1");
  // Only the prompt: an attempted write of an empty name would add the system's error text.
  EXPECT_EQ(rig.messages, std::vector<std::string>{kMsgNoFileName});
  rig.messages.clear();
  rig.type(w, "txtSys_17", "55");
  Find<QLineEdit>(w, "txtSys_25")->setText("-12");
  rig.type(w, "txtSys_0", "3");
  Click(w, "cmdLock_2");
  rig.type(w, "txtSysFileName", path);
  Click(w, "cmdSave_1");

  {
    AnsweredDialog cancelled(std::nullopt);  // a cancelled open changes nothing
    Click(w, "cmdSave_0");
  }
  EXPECT_EQ(rig.session.sysPara[49], 55);
  EXPECT_EQ(Text(w, "txtSysFileName"), path);
  // Changes after the save are undone by reading the file back.
  rig.type(w, "txtSys_17", "20");
  rig.type(w, "txtSys_25", "7");
  Click(w, "cmdLock_0");
  Click(w, "cmdJgio_2");
  {
    AnsweredDialog answer(path);
    Click(w, "cmdSave_0");
  }
  EXPECT_EQ(rig.session.sysPara[13], 2);
  EXPECT_EQ(Text(w, "txtSys_17"), "55");
  EXPECT_EQ(Text(w, "txtSys_25"), "-12");
  EXPECT_EQ(Lit(w, "txtLock", 4), std::vector<int>{2});
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{0});  // 2 before the read, 0 in the file
  EXPECT_EQ(rig.session.axes, 3);
  EXPECT_TRUE(rig.messages.empty());

  // Reopened with a remembered name: the table is kept as it is, the file is not read again.
  rig.type(w, "txtSys_17", "33");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Text(w, "txtSysFileName"), path);
  EXPECT_EQ(Text(w, "txtSys_17"), "33");

  // Reopened after the name was cleared: the defaults come back.
  rig.type(w, "txtSysFileName", "");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Text(w, "txtSys_17"), "10");
  EXPECT_EQ(rig.session.sysPara[57], 0);
}

TEST(SysParaScreen, FetchFillsTheBoxesAndSendDeliversTheTable) {
  MainRig rig(4);
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  ASSERT_NE(w, nullptr);
  Click(w, "cmdRcv");  // port closed: the link error box, code 1, and the boxes stay
  EXPECT_EQ(rig.messages, std::vector<std::string>{LinkMessage()[kLinkErrorPortClosed]});
  EXPECT_EQ(Text(w, "txtSys_17"), "10");

  sim::Controller& controller = Simulator(rig);
  auto& block = controller.machine.parameters.system;
  controller.machine.axes = 5;  // the controller reports the count it drives as AXES
  block[10] = 1;
  block[49] = 77;
  block[57] = -5;
  rig.messages.clear();
  Click(w, "cmdRcv");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(Text(w, "txtSys_0"), "5");
  EXPECT_EQ(Text(w, "txtSys_17"), "77");
  EXPECT_EQ(Text(w, "txtSys_25"), "-5");
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{1});
  EXPECT_EQ(rig.session.axes, 5);
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressSysBar")->value(), 0);
  for (const char* b : {"cmdSave_0", "cmdSave_1", "cmdRcv", "cmdTrans"}) {
    EXPECT_TRUE(Find<QPushButton>(w, b)->isEnabled()) << b;
  }

  rig.type(w, "txtSys_18", "42");
  Click(w, "cmdLock_1");
  Click(w, "cmdTrans");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(block[50], 42);
  EXPECT_EQ(block[13], 1);
}

// ---- Axis parameter screen ----

TEST(AxParaScreen, OnlyConfiguredAxesCanBeChosen) {
  MainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  rig.session.axPara[1][101] = -1234;
  rig.session.axPara[1][30] = 1;
  EXPECT_FALSE(Find(w, "SSPanelAxSel_3")->isEnabled()) << "an axis the controller lacks looks it";
  Click(w, "SSPanelAxSel_3");
  EXPECT_EQ(rig.session.currentAxis, 0);
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{0});
  EXPECT_EQ(Text(w, "txtSw_1"), "-1000.00");
  Click(w, "SSPanelAxSel_1");
  EXPECT_EQ(rig.session.currentAxis, 1);
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{1});
  EXPECT_EQ(Text(w, "txtSw_1"), "-12.34");
  // The old axis's choice is not left highlighted next to the new one.
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{1});
  Click(w, "SSPanelAxSel_0");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{0});
  // The current axis outlives the screen.
  Click(w, "SSPanelAxSel_2");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{2});
}

TEST(AxParaScreen, TypedValuesGoToTheCurrentAxisOnly) {
  struct Case {
    int box;
    const char* typed;
    bool refused;  // the last keystroke's number is refused with the box's message
    int entry;
    std::int32_t stored;
  } cases[] = {
      {1, "12.125", false, 101, 1212},
      // Every keystroke is a change: "6000" went in before "60000" was refused.
      {5, "60000", true, 105, 600000},
  };
  MainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  Click(w, "SSPanelAxSel_1");
  const AxPara before = rig.session.axPara;
  for (const Case& c : cases) {
    rig.messages.clear();
    const QString name = app::ArrayName("txtSw", c.box);
    rig.type(w, name, c.typed);
    const std::vector<std::string> expected =
        c.refused ? std::vector<std::string>{std::string(AxBoxes()[static_cast<std::size_t>(c.box)].message)}
                  : std::vector<std::string>{};
    EXPECT_EQ(rig.messages, expected) << c.typed;
    EXPECT_EQ(Text(w, name), c.typed) << "the box keeps the typed text";
    EXPECT_EQ(rig.session.axPara[1][static_cast<std::size_t>(c.entry)], c.stored) << c.typed;
  }
  for (int axis : {0, 2, 3, 4, 5}) EXPECT_EQ(rig.session.axPara[axis], before[axis]) << axis;
}

TEST(AxParaScreen, FileSaveOpenAndReopenReadTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("DIRIDOZO.dat");
  MainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  Click(w, "cmdSave_1");
  EXPECT_EQ(rig.messages, std::vector<std::string>{kMsgNoFileName});
  EXPECT_TRUE(QDir(dir.path()).isEmpty());

  rig.session.axPara[5][141] = 1;  // an axis beyond the configured count is in the file too
  Click(w, "SSPanelAxSel_1");
  rig.type(w, "txtSw_1", "-7.25");
  Click(w, "cmdCord_1");
  rig.type(w, "txtAxisParaFileName", path);
  Click(w, "cmdSave_1");
  ASSERT_TRUE(QFile::exists(path));

  rig.type(w, "txtSw_1", "3");
  Click(w, "cmdCord_0");
  rig.session.axPara[5][141] = 0;
  {
    AnsweredDialog answer(path);
    Click(w, "cmdSave_0");
  }
  EXPECT_EQ(rig.session.axPara[1][101], -725);
  EXPECT_EQ(rig.session.axPara[1][37], 1);
  EXPECT_EQ(rig.session.axPara[5][141], 1);
  EXPECT_EQ(Text(w, "txtSw_1"), "-7.25");
  EXPECT_EQ(Lit(w, "txtCord", 2), std::vector<int>{1});

  // Reopening with the remembered name reads the file again over unsaved edits.
  rig.type(w, "txtSw_1", "3");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(rig.session.axPara[1][101], -725);
  EXPECT_EQ(Text(w, "txtSw_1"), "-7.25");
  EXPECT_EQ(Find<QProgressBar>(w, "AxProgressBar")->value(), 0);
}

TEST(AxParaScreen, FetchCoversTheConfiguredAxesAndSendDeliversThem) {
  MainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  ASSERT_NE(w, nullptr);
  sim::Controller& controller = Simulator(rig);
  controller.machine.axes = 3;
  auto& axes = controller.machine.parameters.axis;
  axes[0][105] = 123456;
  axes[0][30] = 1;
  axes[2][138] = 21;
  Click(w, "cmdRcv");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(rig.session.axPara[0][105], 123456);
  EXPECT_EQ(rig.session.axPara[2][138], 21);
  EXPECT_EQ(Text(w, "txtSw_5"), "1234.56");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{1});
  EXPECT_EQ(Find<QProgressBar>(w, "AxProgressBar")->value(), 0);
  EXPECT_FALSE(rig.session.link.LinkBusy);

  rig.type(w, "txtSw_9", "250");
  Click(w, "cmdTrans");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(axes[0][131], 250);
}

}  // namespace
}  // namespace zova::test
