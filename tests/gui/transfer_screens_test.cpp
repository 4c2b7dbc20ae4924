// The location and shift windows: the port check, number and value boxes, block ranges, and files
// remembered between openings.
#include <QProgressBar>

#include "gui_support.h"
#include "positions/wire_value.h"

namespace zova::test {
namespace {

const std::string kNotNumber = " 숫자를 입력하십시요";
const std::string kReversed = " End Loc 는 Start Loc 보다 커야 합니다.";

// With the port closed every button, the file buttons included, shows error box code 1 and does nothing else.
TEST(TransferScreens, ClosedPortStopsEveryButton) {
  QTemporaryDir dir;
  const QString file = dir.filePath("ZOVALOC.dat");
  MainRig rig;
  AnsweredDialog dialog(file);
  struct Case {
    const char* menu;
    const char* window;
    const char* buttonArray;
    int buttons;
  } cases[] = {{"mnuLoc", "frmLoc", "cmdLocReceive", 5},
               {"mnuLoc", "frmLoc", "cmdLocTrans", 4},
               {"mnuSft", "frmSft", "cmdSftLocReceive", 4},
               {"mnuSft", "frmSft", "cmdSftLocTrans", 3}};
  for (const Case& c : cases) {
    QPointer<QWidget> w = OpenScreen(rig, c.menu, c.window);
    ASSERT_NE(w, nullptr);
    Find<QLineEdit>(w, c.window == std::string("frmLoc") ? "txtLocReceiveFile" : "txtSftLocReceiveFile")->setText(file);
    for (int i = 0; i < c.buttons; ++i) {
      Click(w, app::ArrayName(c.buttonArray, i));
      EXPECT_EQ(rig.taken(), Texts{kPortClosed}) << c.buttonArray << " " << i;
    }
    w->close();
  }
  EXPECT_TRUE(dialog.requests.empty());
  EXPECT_FALSE(QFile::exists(file)) << "File Save wrote with the port closed";
}

TEST(LocWindow, NumberBoxShowsItsLocationAndValueBoxesStoreIntoIt) {
  MainRig rig;
  auto& table = rig.session.positions.LocTable;
  table[0] = {150, -5, 0, 12345, 0, 0};
  table[12] = {1, 2, 3, 4, 0, 0};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(Find<QLineEdit>(w, "txtRcvLocVal_0")->isReadOnly());
  EXPECT_FALSE(Find<QLineEdit>(w, "txtTransLocVal_0")->isReadOnly());
  Type(w, "txtLocTrans_0", "12");
  EXPECT_EQ(Text(w, "txtTransLocVal_3"), "0.04");
  // "12a" is refused: clearing the box first showed nothing, "1" and "12" are locations.
  Type(w, "txtLocTrans_0", "12a");
  EXPECT_EQ(rig.taken(), Texts{kNotNumber});
  EXPECT_EQ(Text(w, "txtLocTrans_0"), "0");
  const char* shown[] = {"1.50", "-0.05", "0.00", "123.45"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Text(w, app::ArrayName("txtTransLocVal", k)), shown[k]) << k;
  EXPECT_EQ(table[12], (positions::PositionRow{1, 2, 3, 4, 0, 0})) << "showing a location does not change it";
  // Past 999 the box shows nothing new.
  Find<QLineEdit>(w, "txtLocReceive_0")->setText("1500");
  EXPECT_EQ(Text(w, "txtRcvLocVal_0"), "1.50");
  EXPECT_EQ(Text(w, "txtLocReceive_0"), "1500");

  Type(w, "txtLocTrans_0", "42");
  Type(w, "txtTransLocVal_1", "-1.005");  // half of a hundredth goes to the even neighbour
  EXPECT_EQ(table[42][1], -100);
  // A value the controller could not hold is refused, and the box shows the stored one again.
  Find<QLineEdit>(w, "txtTransLocVal_1")->setText("-167772.17");
  EXPECT_EQ(rig.taken(), Texts{std::string(positions::kMsgPositionValueRange)});
  EXPECT_EQ(Text(w, "txtTransLocVal_1"), "-1.00");
  // A number box outside the table stores nothing.
  Find<QLineEdit>(w, "txtLocTrans_0")->setText("2501");
  Type(w, "txtTransLocVal_0", "9");
  EXPECT_EQ(table[42][0], 0);
  EXPECT_EQ(table[2500][0], 0);
}

TEST(SftWindow, NumberBoxesAcceptZeroToNinetyNine) {
  const std::string kRange = " 0 ~ 99 까지 입력하십시요.";
  struct Case {
    const char* box;
    const char* typed;
    Texts messages;
    const char* left;
  } cases[] = {{"txtSftLocTrans_0", "100", {kRange}, "0"},
               {"txtSftLocTrans_0", "-1", {kRange}, "0"},
               {"txtSftLocTrans_0", "99", {}, "99"},
               {"txtSftLocReceive_1", "100", {kRange}, "0"}};
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSft", "frmSft");
  ASSERT_NE(w, nullptr);
  for (const Case& c : cases) {
    Find<QLineEdit>(w, c.box)->setText(c.typed);
    EXPECT_EQ(rig.taken(), c.messages) << c.box << " " << c.typed;
    EXPECT_EQ(Text(w, c.box), c.left) << c.box << " " << c.typed;
  }
}

TEST(LocWindow, ReceiveShowsTheRowAndBlocksRunStartToEnd) {
  SimMainRig rig;
  auto& stored = Controller(rig).positions.locations;
  stored[1500] = {-250, 100000, 7, 8, 9, 10};
  for (int n = 5; n <= 6; ++n) rig.session.positions.LocTable[n] = {n * 100, -n, 3, 4, 5, 6};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  Find<QLineEdit>(w, "txtLocReceive_0")->setText("1500");
  Click(w, "cmdLocReceive_0");
  EXPECT_EQ(rig.session.positions.RxPointNo, 1500);
  const char* shown[] = {"-2.50", "1000.00", "0.07", "0.08", "0.00", "0.00"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(Text(w, app::ArrayName("txtRcvLocVal", k)), shown[k]) << k;

  for (const char* side : {"txtLocTrans", "txtLocReceive"}) {
    Type(w, app::ArrayName(side, 0), "6");
    Type(w, app::ArrayName(side, 1), "5");
    Click(w, side == std::string("txtLocTrans") ? "cmdLocTrans_1" : "cmdLocReceive_1");
    EXPECT_EQ(rig.taken(), Texts{kReversed}) << side;
  }
  EXPECT_EQ(stored[6], (sim::StoredPosition{}));
  Type(w, "txtLocTrans_0", "5");
  Click(w, "cmdLocTrans_1");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(stored[5], (sim::StoredPosition{500, -5, 3, 4, 0, 0}));
  EXPECT_EQ(stored[6], (sim::StoredPosition{}));
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressBarLocTrans")->value(), 0);
}

TEST(LocWindow, FilesAreSavedLoadedAndTheirNamesRemembered) {
  QTemporaryDir dir;
  const QString saved = dir.filePath("saved.dat");
  SimMainRig rig;
  rig.session.positions.LocTable[0] = {150, 250, 0, 0, 0, 0};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  Click(w, "cmdLocReceive_4");
  EXPECT_EQ(rig.taken(), Texts{"File Open 메뉴에서 저장할 화일명을 입력하십시요."});
  ClickAnswering(w, "cmdLocReceive_3", saved);
  EXPECT_EQ(Text(w, "txtLocReceiveFile"), saved);
  Click(w, "cmdLocReceive_4");
  ClickAnswering(w, "cmdLocReceive_3", std::nullopt);
  EXPECT_EQ(Text(w, "txtLocReceiveFile"), saved) << "a cancelled dialog leaves the name alone";

  // Loading puts location 0 of the file on show, with "0" in the number box.
  rig.session.positions.LocTable[0] = {};
  Type(w, "txtLocTrans_0", "9");
  ClickAnswering(w, "cmdLocTrans_3", saved);
  EXPECT_EQ(rig.session.positions.LocTable[0], (positions::PositionRow{150, 250, 0, 0, 0, 0}));
  EXPECT_EQ(Text(w, "txtLocTrans_0"), "0");
  EXPECT_EQ(Text(w, "txtTransLocVal_1"), "2.50");
  EXPECT_EQ(Text(w, "txtLocTransFile"), saved);

  rig.session.positions.TxPointNo = 33;
  rig.session.positions.LocTable[33] = {3300, 0, 0, 0, 0, 0};
  w->close();
  QPointer<QWidget> again = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Text(again, "txtLocReceiveFile"), saved);
  EXPECT_EQ(Text(again, "txtLocTransFile"), saved);
  EXPECT_EQ(Text(again, "txtLocTrans_0"), "33");
  EXPECT_EQ(Text(again, "txtTransLocVal_0"), "33.00");
  EXPECT_TRUE(rig.messages.empty());
}

TEST(SftWindow, TransmitFileOpenLoadsWithoutRefreshingTheBoxes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ZOVASFT.dat");
  std::string shifts;
  for (int i = 0; i < 1000; ++i) shifts += QString("S%1 = 1.25 0 0 0 0 0\r\n").arg(i, 2, 10, QChar('0')).toStdString();
  WriteFile(path, shifts);
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSft", "frmSft");
  ASSERT_NE(w, nullptr);
  AnsweredDialog dialog(path);
  Click(w, "cmdSftLocReceive_2");
  Click(w, "cmdSftLocTrans_2");
  ASSERT_EQ(dialog.requests.size(), 2u);
  EXPECT_EQ(dialog.requests[1].selected, path);
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(rig.session.positions.SftTable[999][0], 125);
  EXPECT_EQ(Text(w, "txtTransSftLocVal_0"), "0.00");
  EXPECT_EQ(Text(w, "txtSftLocTransFile"), path);
}

}  // namespace
}  // namespace zova::test
