// The screens. Location and shift: the port check, number and value boxes, block ranges, and files
// remembered between openings. Programs: the "TEV File #" boxes, the port and file name checks, single
// transfers through an answered file dialog, and the check of the 32 files before "ALL Trans". System and
// axis parameters: box checks as typed, selector groups, files through the dialog, transfers, and what the
// screens remember between openings; the two are one class, so what they share is checked on one of them.
#include "app/widgets/selector_group.h"
#include "gui_support.h"
#include "parameters/ax_para_editor.h"
#include "support/program_samples.h"
#include "positions/wire_value.h"

namespace zova::test {

// With the port closed every button, the file buttons included, shows error box code 1 and does nothing else.
// The shift window's buttons go through the location window's code (one class for both tables).
TEST(TransferScreens, ClosedPortStopsEveryButton) {
  MainRig rig;
  const QString file = rig.file("ZOVALOC.dat");
  AnsweredDialog dialog(file);
  // Menu item, window, its file name box, the buttons' array and their count.
  const std::tuple<const char*, const char*, const char*, const char*, int> cases[] = {
      {"mnuLoc", "frmLoc", "txtLocReceiveFile", "cmdLocReceive", 5},
      {"mnuLoc", "frmLoc", "txtLocReceiveFile", "cmdLocTrans", 4},
      {"mnuFile", "frmFile", "txtFileReceive_0", "cmdFileReceive", 2},
      {"mnuFile", "frmFile", "txtFileReceive_0", "cmdFileTrans", 2}};
  for (const auto& [menu, window, fileBox, buttons, count] : cases) {
    QPointer<QWidget> w = OpenScreen(rig, menu, window);
    EXPECT_FALSE(rig.main->isEnabled()) << window << ": the main window waits while a screen is open";
    EXPECT_TRUE(rig.main->windowHandle() != nullptr && w->windowHandle()->transientParent() == rig.main->windowHandle())
        << window << ": stays above the main window";
    SetText(w, fileBox, file);
    for (int i = 0; i < count; ++i) Click(w, app::ArrayName(buttons, i));
    EXPECT_EQ(rig.taken(), Texts(static_cast<std::size_t>(count), kPortClosed)) << buttons;
    CloseScreen(w);
    EXPECT_TRUE(rig.main->isEnabled()) << window;
  }
  EXPECT_TRUE(dialog.requests.empty() && !QFile::exists(file)) << "no dialog asked, and File Save wrote nothing";
}

// The number box shows its location and the value boxes store into it; blocks run start to end; files are
// saved, loaded and remembered between openings.
TEST(LocWindow, BoxesBlocksAndFiles) {
  MainRig rig(4, true);
  auto& table = rig.session.positions.LocTable;
  auto& stored = Controller(rig).positions.locations;
  table[0] = {150, -5, 0, 12345, 0, 0};
  table[12] = {1, 2, 3, 4, 0, 0};
  stored[1500] = {-250, 100000, 7, 8, 9, 10};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  Type(w, "txtLocTrans_0", "12");
  EXPECT_EQ(Text(w, "txtTransLocVal_3"), "0.04");
  Type(w, "txtLocTrans_0", "12a");  // refused: the box says "0" and shows location 0
  EXPECT_EQ(rig.taken(), Texts{" 숫자를 입력하십시요"});
  EXPECT_EQ(Shown(w, {"txtLocTrans_0", "txtTransLocVal_0", "txtTransLocVal_1", "txtTransLocVal_2", "txtTransLocVal_3"}),
            "0 1.50 -0.05 0.00 123.45");
  EXPECT_EQ(table[12], (positions::PositionRow{1, 2, 3, 4, 0, 0})) << "showing a location does not change it";
  SetText(w, "txtLocReceive_0", "1500");
  EXPECT_EQ(Text(w, "txtRcvLocVal_0"), "1.50") << "past 999 the box shows nothing new";
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(Shown(w, {"txtRcvLocVal_0", "txtRcvLocVal_3"}), "-2.50 0.08");

  Do(w, {"txtLocTrans_0=42", "txtTransLocVal_1=-1.005"});  // half of a hundredth goes to the even neighbour
  EXPECT_EQ(table[42][1], -100);
  // A value the controller could not hold is refused, and the box shows the stored one again.
  SetText(w, "txtTransLocVal_1", "-167772.17");
  EXPECT_EQ(rig.taken(), Texts{std::string(positions::kMsgPositionValueRange)});
  EXPECT_EQ(Text(w, "txtTransLocVal_1"), "-1.00");
  SetText(w, "txtLocTrans_0", "2501");
  Type(w, "txtTransLocVal_0", "9");
  EXPECT_EQ(table[42][0] + table[2500][0], 0) << "a number box outside the table stores nothing";

  for (int n = 5; n <= 6; ++n) table[n] = {n * 100, -n, 3, 4, 5, 6};
  for (const QString side : {"Trans", "Receive"}) {
    Do(w, {"txtLoc" + side + "_0=6", "txtLoc" + side + "_1=5", "cmdLoc" + side + "_1"});
    EXPECT_EQ(rig.taken(), Texts{" End Loc 는 Start Loc 보다 커야 합니다."}) << side.toStdString();
  }
  Do(w, {"txtLocTrans_0=5", "cmdLocTrans_1"});
  EXPECT_EQ(std::tuple(stored[5], stored[6], Find<QProgressBar>(w, "ProgressBarLocTrans")->value()),
            std::tuple(sim::StoredPosition{500, -5, 3, 4, 0, 0}, sim::StoredPosition{}, 0));

  // Files: saved, loaded, and their names remembered.
  const QString saved = rig.file("saved.dat");
  table[0] = {150, 250, 0, 0, 0, 0};
  Click(w, "cmdLocReceive_4");
  EXPECT_EQ(rig.taken(), Texts{"File Open 메뉴에서 저장할 화일명을 입력하십시요."});
  ClickAnswering(w, "cmdLocReceive_3", saved);
  Click(w, "cmdLocReceive_4");  // saves
  ClickAnswering(w, "cmdLocReceive_3", std::nullopt);
  EXPECT_EQ(Text(w, "txtLocReceiveFile"), saved) << "a cancelled dialog leaves the name alone";
  // Loading puts location 0 of the file on show, with "0" in the number box.
  table[0] = {};
  Type(w, "txtLocTrans_0", "9");
  ClickAnswering(w, "cmdLocTrans_3", saved);
  EXPECT_EQ(table[0], (positions::PositionRow{150, 250, 0, 0, 0, 0}));
  EXPECT_EQ(Shown(w, {"txtLocTrans_0", "txtTransLocVal_1"}), "0 2.50");
  rig.session.positions.TxPointNo = 33;
  table[33] = {3300, 0, 0, 0, 0, 0};
  CloseScreen(w);
  w = OpenScreen(rig, "mnuLoc", "frmLoc");
  EXPECT_EQ(Shown(w, {"txtLocReceiveFile", "txtLocTransFile", "txtLocTrans_0", "txtTransLocVal_0"}),
            saved + " " + saved + " 33 33.00");
}

// Its number boxes take 0 to 99; its transmit file loads without refreshing the boxes.
TEST(SftWindow, NumberBoxesAndTheTransmitFile) {
  MainRig rig(4, true);
  const QString path = rig.file("ZOVASFT.dat");
  QPointer<QWidget> w = OpenScreen(rig, "mnuSft", "frmSft");
  SetText(w, "txtSftLocTrans_0", "100");
  EXPECT_EQ(rig.taken(), Texts{" 0 ~ 99 까지 입력하십시요."});
  EXPECT_EQ(Text(w, "txtSftLocTrans_0"), "0");
  SetText(w, "txtSftLocTrans_0", "99");
  EXPECT_EQ(Text(w, "txtSftLocTrans_0"), "99");
  rig.session.positions.SftTable[999][0] = 125;
  AnsweredDialog dialog(path);
  Do(w, {"cmdSftLocReceive_2", "cmdSftLocReceive_3"});  // named, then saved
  rig.session.positions.SftTable[999][0] = 0;
  Click(w, "cmdSftLocTrans_2");
  EXPECT_EQ(dialog.requests.at(1).selected, path);
  EXPECT_EQ(rig.session.positions.SftTable[999][0], 125);
  EXPECT_EQ(Shown(w, {"txtTransSftLocVal_0", "txtSftLocTransFile"}), "0.00 " + path);
}

// The "TEV File #" boxes, the file name check, single transfers through the dialogs and the check of the
// folder before "ALL Trans".
TEST(FileWindow, NumberBoxesFileNamesAndTransfers) {
  MainRig rig(4, true);
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  // Both number boxes share one check; which program each one sets, the transfers below show.
  SetText(w, "txtFileReceive_1", "31");
  SetText(w, "txtFileReceive_1", "32");  // past the last program: the box takes its number back
  EXPECT_EQ(Text(w, "txtFileReceive_1"), "31");
  SetText(w, "txtFileReceive_1", "x1");
  EXPECT_EQ(rig.taken(), Texts{" 숫자를 입력하십시요"});
  EXPECT_EQ(Text(w, "txtFileReceive_1") + QString::number(rig.session.programTransfer.RxProgramNo), "00");
  Do(w, {"cmdFileReceive_1", "cmdFileTrans_0"});
  EXPECT_EQ(rig.taken(), (Texts{std::string(programs::kMsgNoRecvFile), std::string(programs::kMsgNoTransFile)}));

  WriteFile(rig.file("prog.dat"), programs::test::kSmallSource);
  ClickAnswering(w, "cmdFileTransOpen", rig.file("prog.src.txt"));  // the box takes the name up to its first "."
  EXPECT_EQ(Text(w, "txtFileTrans_0"), rig.file("prog.dat"));
  // On a line that takes its time, both bars follow their block while it goes out (the rest goes at once).
  SimPort(rig).setLineSpeed(10000);
  // Every value a bar takes is seen (a sampling timer misses short phases on a loaded machine).
  std::array<int, 2> highest{};
  std::array<QMetaObject::Connection, 2> watch;
  for (int i : {0, 1}) {
    watch[i] = QObject::connect(Find<QProgressBar>(w, app::ArrayName("ProgressBarTrans", i)),
                                &QProgressBar::valueChanged, [&, i](int value) {
                                  highest[i] = std::max(highest[i], value);
                                  if (highest[0] > 0 && highest[1] > 0) SimPort(rig).setLineSpeed(0);
                                });
  }
  Do(w, {"txtFileTrans_1=3", "cmdFileTrans_0"});
  for (const auto& c : watch) QObject::disconnect(c);
  EXPECT_EQ(std::tuple(Controller(rig).programs.programs[3].block, highest[0] > 0, highest[1] > 0),
            std::tuple(programs::test::SmallProgramBlock(), true, true));
  const QString received = rig.file("back.dat");
  ClickAnswering(w, "cmdFileReceiveOpen", received);
  Do(w, {"txtFileReceive_1=3", "cmdFileReceive_0"});
  EXPECT_EQ(ReadAll(received), programs::test::kSmallListing);
  // A record no source line gives back is named, with its line in the written file.
  auto& programs = Controller(rig).programs.programs;
  programs[4] = programs[3];
  std::copy_n(std::array<std::uint8_t, 4>{0x00, 0x00, 0xFF, 0x01}.begin(), 4, programs[4].block.begin() + 2);
  Do(w, {"txtFileReceive_1=4", "cmdFileReceive_0"});
  EXPECT_NE(rig.taken().at(0).find(received.toStdString() + ":1: 제어기의 레코드 01FF0000"), std::string::npos);
  // "ALL Trans" first checks that the folder holds all 32 files, and names the first missing one.
  Click(w, "cmdFileTrans_1");
  EXPECT_NE(rig.taken().at(0).find(rig.file("ZOVAPRG00.dat").toStdString()), std::string::npos);
  EXPECT_EQ(Count(rig, cmd::kSendProgram), 1);
  CloseScreen(w);
  w = OpenScreen(rig, "mnuFile", "frmFile");
  EXPECT_EQ(Shown(w, {"txtFileTrans_0", "txtFileReceive_0"}), rig.file("prog.dat") + " " + received);
}

const std::string kMsgNoFileName = "File Open 메뉴에서 저장할 화일명을 입력하십시요.";

// The indices of the highlighted indicators of an array of `count`.
std::vector<int> Lit(QWidget* screen, const char* indicators, int count) {
  std::vector<int> lit;
  for (int i = 0; i < count; ++i)
    if (auto* box = Find<QLineEdit>(screen, app::ArrayName(indicators, i)); box && app::IsIndicatorOn(box))
      lit.push_back(i);
  return lit;
}

TEST(SysParaScreen, BoxesChoicesFileTransfersAndTheRememberedName) {
  MainRig rig(4, true);
  const QString path = rig.file("ZOVASYS.dat");
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  Type(w, "txtSys_0", "7");  // the rule is the editor's; the box shows what it leaves, the operator's count
  EXPECT_EQ(rig.taken(), Texts{" 2 ~ 6 까지 입력하십시요."});
  EXPECT_EQ(std::pair(Text(w, "txtSys_0"), rig.session.axes), std::pair(QString("2"), 2));
  Click(w, "cmdSave_1");
  // Only the prompt: an attempted write of an empty name would add the system's error text.
  EXPECT_EQ(rig.taken(), Texts{kMsgNoFileName});
  // Saved with 55 and the third choice, changed, and loaded back.
  Do(w, {"txtSys_17=55", "cmdJgio_2", "txtSysFileName=" + path, "cmdSave_1", "txtSys_17=20", "cmdJgio_0"});
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(std::pair(Text(w, "txtSys_17"), Lit(w, "txtJgio", 3)), std::pair(QString("55"), std::vector<int>{2}));

  auto& block = Controller(rig).machine.parameters.system;
  Controller(rig).machine.axes = 5;  // the controller reports the count it drives as AXES
  block[10] = 1;
  block[49] = 77;
  Click(w, "cmdRcv");
  EXPECT_EQ(std::tuple(Shown(w, {"txtSys_0", "txtSys_17"}), Lit(w, "txtJgio", 3), rig.session.axes),
            std::tuple(QString("5 77"), std::vector<int>{1}, 5));
  Do(w, {"txtSys_18=42", "cmdTrans"});
  EXPECT_EQ(block[50], 42);
  rig.session.sysPara[13] = 4;  // LOCK: no button offers it, so nothing is sent
  Do(w, {"txtSys_18=43", "cmdTrans"});
  EXPECT_EQ(std::pair(rig.taken().size(), block[50]), std::pair(size_t{1}, 42));

  // Reopened with a remembered name the table is kept as it is; after the name was cleared, the defaults
  // with the configured axis count.
  for (const char* shown : {"77 5", "10 5"}) {
    CloseScreen(w);
    w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
    EXPECT_EQ(std::pair(Shown(w, {"txtSys_17", "txtSys_0"}), rig.session.axes), std::pair(QString(shown), 5));
    Type(w, "txtSysFileName", "");
  }
}

TEST(AxParaScreen, AxesBoxesFileTransfersAndTheRememberedFile) {
  MainRig rig(3, true);
  const QString path = rig.file("DIRIDOZO.dat");
  QPointer<QWidget> w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  rig.session.axPara[1][101] = -1234;
  rig.session.axPara[1][30] = 1;
  EXPECT_FALSE(Find(w, "SSPanelAxSel_3")->isEnabled()) << "an axis the controller lacks cannot be chosen";
  Click(w, "SSPanelAxSel_1");
  EXPECT_EQ(std::tuple(Lit(w, "txtAxSel", 6), Text(w, "txtSw_1"), Lit(w, "txtMotor", 2)),
            std::tuple(std::vector<int>{1}, QString("-12.34"), std::vector<int>{1}));
  const parameters::AxPara before = rig.session.axPara;
  // Every keystroke is a change: "6000" went in before "60000" was refused; the box keeps the typed text.
  Type(w, "txtSw_5", "60000");
  EXPECT_EQ(std::tuple(rig.taken(), Text(w, "txtSw_5"), rig.session.axPara[1][105]),
            std::tuple(Texts{std::string(parameters::AxBoxes()[5].message)}, QString("60000"), 600000));
  for (int axis : {0, 2, 3, 4, 5}) EXPECT_EQ(rig.session.axPara[axis], before[axis]) << axis;

  Do(w, {"txtAxisParaFileName=" + path, "cmdSave_1", "txtSw_1=3", "cmdCord_1"});  // saved, then changed
  ClickAnswering(w, "cmdSave_0", path);
  EXPECT_EQ(std::pair(Text(w, "txtSw_1"), Lit(w, "txtCord", 2)), std::pair(QString("-12.34"), std::vector<int>{0}));
  Do(w, {"txtSw_1=3", "SSPanelAxSel_2"});
  EXPECT_EQ(Lit(w, "txtMotor", 2), std::vector<int>{0}) << "the old axis's choice is not left highlighted";
  CloseScreen(w);
  w = OpenScreen(rig, "mnuAxisPara", "frmNaxpara");
  EXPECT_EQ(Lit(w, "txtAxSel", 6), std::vector<int>{2}) << "the current axis outlives the screen";
  EXPECT_EQ(rig.session.axPara[1][101], -1234) << "reopening reads the remembered file again over unsaved edits";

  Click(w, "SSPanelAxSel_0");
  auto& axes = Controller(rig).machine.parameters.axis;
  axes[0][105] = 123456;
  axes[0][30] = 1;
  axes[2][138] = 21;
  Click(w, "cmdRcv");
  EXPECT_EQ(std::tuple(rig.session.axPara[2][138], Text(w, "txtSw_5"), Lit(w, "txtMotor", 2)),
            std::tuple(21, QString("1234.56"), std::vector<int>{1}));
  Do(w, {"txtSw_9=250", "cmdTrans"});
  EXPECT_EQ(axes[0][131], 250);
  // A file not in the form is named at its line, once, and changes nothing, nor what "File Save" writes.
  WriteFile(rig.file("bad.dat"), "MOTOR----- = 1 1\r\n");
  ClickAnswering(w, "cmdSave_0", rig.file("bad.dat"));
  EXPECT_EQ(
      std::tuple(rig.taken(), Text(w, "txtSw_9"), Text(w, "txtAxisParaFileName")),
      std::tuple(Texts{rig.file("bad.dat").toStdString() + ":1: \"MOTOR----- = \" 뒤에 정수 여섯 개가 있어야 합니다"},
                 QString("250"), path));
}

}  // namespace zova::test
