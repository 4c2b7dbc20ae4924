// The system and axis parameter screens: box checks as typed, selector groups, files through the
// dialog, transfers with the built-in simulator, and what the screens remember between openings.
#include <QProgressBar>

#include "app/widgets/selector_group.h"
#include "gui_support.h"
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

TEST(SysParaScreen, BoxesChoicesFileTransfersAndTheRememberedName) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ZOVASYS.dat");
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  Type(w, "txtSys_0", "7");  // the rule is the editor's; the box shows what it leaves
  EXPECT_EQ(rig.taken(), Texts{" 2 ~ 6 까지 입력하십시요."});
  EXPECT_EQ(Text(w, "txtSys_0"), "2");
  SetText(w, "txtSys_25", "-12");  // a "-" typed alone is no number yet; a paste is one change
  EXPECT_EQ(rig.session.sysPara[57], -12);
  Click(w, "cmdSave_1");
  // Only the prompt: an attempted write of an empty name would add the system's error text.
  EXPECT_EQ(rig.taken(), Texts{kMsgNoFileName});
  Type(w, "txtSys_17", "55");
  Click(w, "cmdJgio_2");
  Type(w, "txtSysFileName", path);
  Click(w, "cmdSave_1");
  Type(w, "txtSys_17", "20");
  Click(w, "cmdJgio_0");
  ClickAnswering(w, "cmdSave_0", std::nullopt);
  EXPECT_EQ(Text(w, "txtSys_17"), "20") << "a cancelled open changes nothing";
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(Text(w, "txtSys_17"), "55");
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{2});
  EXPECT_EQ(rig.session.axes, 2);

  auto& block = Controller(rig).machine.parameters.system;
  Controller(rig).machine.axes = 5;  // the controller reports the count it drives as AXES
  block[10] = 1;
  block[49] = 77;
  Click(w, "cmdRcv");
  EXPECT_EQ(Text(w, "txtSys_0") + Text(w, "txtSys_17"), "577");
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{1});
  EXPECT_EQ(rig.session.axes, 5);
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressSysBar")->value(), 0);
  Type(w, "txtSys_18", "42");
  Click(w, "cmdLock_1");
  Click(w, "cmdTrans");
  EXPECT_EQ(block[50], 42);
  EXPECT_EQ(block[13], 1);
  EXPECT_TRUE(rig.messages.empty());

  // Reopened with a remembered name the table is kept as it is; after the name was cleared, the defaults.
  for (const char* shown : {"77", "10"}) {
    CloseScreen(w);
    w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
    EXPECT_EQ(Text(w, "txtSys_17"), shown);
    Type(w, "txtSysFileName", "");
  }
}

TEST(AxParaScreen, AxesBoxesFileTransfersAndTheRememberedFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("DIRIDOZO.dat");
  SimMainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  rig.session.axPara[1][101] = -1234;
  rig.session.axPara[1][30] = 1;
  EXPECT_FALSE(Find(w, "SSPanelAxSel_3")->isEnabled()) << "an axis the controller lacks looks it";
  Click(w, "SSPanelAxSel_3");
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{0});
  Click(w, "SSPanelAxSel_1");
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{1});
  EXPECT_EQ(Text(w, "txtSw_1"), "-12.34");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{1});
  const AxPara before = rig.session.axPara;
  // Every keystroke is a change: "6000" went in before "60000" was refused; the box keeps the typed text.
  Type(w, "txtSw_5", "60000");
  EXPECT_EQ(rig.taken(), Texts{std::string(AxBoxes()[5].message)});
  EXPECT_EQ(Text(w, "txtSw_5"), "60000");
  EXPECT_EQ(rig.session.axPara[1][105], 600000);
  for (int axis : {0, 2, 3, 4, 5}) EXPECT_EQ(rig.session.axPara[axis], before[axis]) << axis;

  Click(w, "cmdSave_1");
  EXPECT_EQ(rig.taken(), Texts{kMsgNoFileName});
  Type(w, "txtAxisParaFileName", path);
  Click(w, "cmdSave_1");
  Type(w, "txtSw_1", "3");
  Click(w, "cmdCord_1");
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(Text(w, "txtSw_1"), "-12.34");
  EXPECT_EQ(Lit(w, "txtCord", 2), std::vector<int>{0});
  Type(w, "txtSw_1", "3");
  Click(w, "SSPanelAxSel_2");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{0}) << "the old axis's choice is not left highlighted";
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{2}) << "the current axis outlives the screen";
  EXPECT_EQ(rig.session.axPara[1][101], -1234) << "reopening reads the remembered file again over unsaved edits";

  Click(w, "SSPanelAxSel_0");
  auto& axes = Controller(rig).machine.parameters.axis;
  Controller(rig).machine.axes = 3;
  axes[0][105] = 123456;
  axes[0][30] = 1;
  axes[2][138] = 21;
  Click(w, "cmdRcv");
  EXPECT_EQ(rig.session.axPara[2][138], 21);
  EXPECT_EQ(Text(w, "txtSw_5"), "1234.56");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{1});
  Type(w, "txtSw_9", "250");
  Click(w, "cmdTrans");
  EXPECT_EQ(axes[0][131], 250);
  EXPECT_TRUE(rig.messages.empty());
}

}  // namespace
}  // namespace zova::test
