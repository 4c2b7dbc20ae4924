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

TEST(SysParaScreen, BoxesFileAndTheRememberedName) {
  // Box, typed text, its message, what the box shows, the entry and what it holds. The rules are the
  // editor's; here the box shows what the rule leaves, keystroke by keystroke: a "-" alone is reset to 0.
  const std::tuple<const char*, const char*, Texts, const char*, int, std::int32_t> cases[] = {
      {"txtSys_0", "7", {" 2 ~ 6 까지 입력하십시요."}, "2", 0, 2},
      {"txtSys_25", "-3", {" 정수를 입력하십시요"}, "03", 57, 3}};
  QTemporaryDir dir;
  const QString path = dir.filePath("ZOVASYS.dat");
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  for (const auto& [box, typed, messages, shown, entry, stored] : cases) {
    Type(w, box, QString::fromUtf8(typed));
    EXPECT_EQ(rig.taken(), messages) << box;
    EXPECT_EQ(Text(w, box), QString::fromUtf8(shown)) << box;
    EXPECT_EQ(rig.session.sysPara[entry], stored) << box;
  }
  SetText(w, "txtSys_25", "-12");  // a paste is one change
  EXPECT_EQ(rig.session.sysPara[57], -12);

  Click(w, "cmdSave_1");
  // Only the prompt: an attempted write of an empty name would add the system's error text.
  EXPECT_EQ(rig.taken(), Texts{kMsgNoFileName});
  Type(w, "txtSys_17", "55");
  Type(w, "txtSys_0", "3");
  Click(w, "cmdLock_2");
  Type(w, "txtSysFileName", path);
  Click(w, "cmdSave_1");
  ClickAnswering(w, "cmdSave_0", std::nullopt);  // a cancelled open changes nothing
  EXPECT_EQ(Text(w, "txtSysFileName"), path);
  // Changes after the save are undone by reading the file back.
  Type(w, "txtSys_17", "20");
  Click(w, "cmdLock_0");
  Click(w, "cmdJgio_2");
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(rig.session.sysPara[13], 2);
  EXPECT_EQ(Text(w, "txtSys_17"), "55");
  EXPECT_EQ(Lit(w, "txtLock", 4), std::vector<int>{2});
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{0});  // 2 before the read, 0 in the file
  EXPECT_EQ(rig.session.axes, 3);
  EXPECT_TRUE(rig.messages.empty());

  // Reopened with a remembered name: the table is kept as it is, the file is not read again.
  Type(w, "txtSys_17", "33");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  EXPECT_EQ(Text(w, "txtSysFileName"), path);
  EXPECT_EQ(Text(w, "txtSys_17"), "33");
  // Reopened after the name was cleared: the defaults come back.
  Type(w, "txtSysFileName", "");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  EXPECT_EQ(Text(w, "txtSys_17"), "10");
}

TEST(SysParaScreen, FetchFillsTheBoxesAndSendDeliversTheTable) {
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  auto& block = Controller(rig).machine.parameters.system;
  Controller(rig).machine.axes = 5;  // the controller reports the count it drives as AXES
  block[10] = 1;
  block[49] = 77;
  Click(w, "cmdRcv");
  EXPECT_EQ(Text(w, "txtSys_0"), "5");
  EXPECT_EQ(Text(w, "txtSys_17"), "77");
  EXPECT_EQ(Lit(w, "txtJgio", 3), std::vector<int>{1});
  EXPECT_EQ(rig.session.axes, 5);
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressSysBar")->value(), 0);
  EXPECT_TRUE(Find<QPushButton>(w, "cmdTrans")->isEnabled());

  Type(w, "txtSys_18", "42");
  Click(w, "cmdLock_1");
  Click(w, "cmdTrans");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(block[50], 42);
  EXPECT_EQ(block[13], 1);
}

TEST(AxParaScreen, OnlyConfiguredAxesCanBeChosenAndBoxesStoreIntoTheCurrentOne) {
  MainRig rig(3);
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
  Type(w, "txtSw_1", "12.125");
  EXPECT_EQ(rig.session.axPara[1][101], 1212);
  // Every keystroke is a change: "6000" went in before "60000" was refused; the box keeps the typed text.
  Type(w, "txtSw_5", "60000");
  EXPECT_EQ(rig.taken(), Texts{std::string(AxBoxes()[5].message)});
  EXPECT_EQ(Text(w, "txtSw_5"), "60000");
  EXPECT_EQ(rig.session.axPara[1][105], 600000);
  for (int axis : {0, 2, 3, 4, 5}) EXPECT_EQ(rig.session.axPara[axis], before[axis]) << axis;

  Click(w, "SSPanelAxSel_2");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{0}) << "the old axis's choice is not left highlighted";
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{2}) << "the current axis outlives the screen";
}

TEST(AxParaScreen, FileSaveOpenReopenFetchAndSend) {
  QTemporaryDir dir;
  const QString path = dir.filePath("DIRIDOZO.dat");
  SimMainRig rig(3);
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  Click(w, "cmdSave_1");
  EXPECT_EQ(rig.taken(), Texts{kMsgNoFileName});
  Click(w, "SSPanelAxSel_1");
  Type(w, "txtSw_1", "-7.25");
  Click(w, "cmdCord_1");
  Type(w, "txtAxisParaFileName", path);
  Click(w, "cmdSave_1");
  ASSERT_TRUE(QFile::exists(path));

  Type(w, "txtSw_1", "3");
  Click(w, "cmdCord_0");
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(rig.session.axPara[1][101], -725);
  EXPECT_EQ(rig.session.axPara[1][37], 1);
  EXPECT_EQ(Text(w, "txtSw_1"), "-7.25");
  EXPECT_EQ(Lit(w, "txtCord", 2), std::vector<int>{1});

  // Reopening with the remembered name reads the file again over unsaved edits.
  Type(w, "txtSw_1", "3");
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  EXPECT_EQ(Text(w, "txtSw_1"), "-7.25");

  Click(w, "SSPanelAxSel_0");
  Controller(rig).machine.axes = 3;
  auto& axes = Controller(rig).machine.parameters.axis;
  axes[0][105] = 123456;
  axes[0][30] = 1;
  axes[2][138] = 21;
  Click(w, "cmdRcv");
  EXPECT_EQ(rig.session.axPara[2][138], 21);
  EXPECT_EQ(Text(w, "txtSw_5"), "1234.56");
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{1});
  EXPECT_EQ(Find<QProgressBar>(w, "AxProgressBar")->value(), 0);

  Type(w, "txtSw_9", "250");
  Click(w, "cmdTrans");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(axes[0][131], 250);
}

}  // namespace
}  // namespace zova::test
