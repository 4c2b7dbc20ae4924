// The location and shift windows: controls, number and value boxes, the port check, block ranges,
// and files remembered between openings.
#include <QFile>
#include <QProgressBar>

#include "app/widgets/window_util.h"
#include "gui_support.h"
#include "link/link_error.h"

namespace zova::test {
namespace {

const std::string kPortClosed = LinkMessage()[kLinkErrorPortClosed];
const std::string kNotNumber = " 숫자를 입력하십시요";

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
    auto* fileBox =
        Find<QLineEdit>(w, c.window == std::string("frmLoc") ? "txtLocReceiveFile" : "txtSftLocReceiveFile");
    fileBox->setText(file);
    for (int i = 0; i < c.buttons; ++i) {
      rig.messages.clear();
      Click(w, app::ArrayName(c.buttonArray, i));
      EXPECT_EQ(rig.messages, std::vector<std::string>{kPortClosed}) << c.buttonArray << " " << i;
      EXPECT_TRUE(Find<QPushButton>(w, app::ArrayName(c.buttonArray, i))->isEnabled());
    }
    w->close();
  }
  EXPECT_TRUE(dialog.requests.empty());
  EXPECT_FALSE(QFile::exists(file)) << "File Save wrote with the port closed";
}

TEST(LocWindow, TextThatIsNotANumberResetsTheBoxAndShowsLocationZero) {
  MainRig rig;
  rig.session.positions.LocTable[0] = {150, -5, 0, 12345, 0, 0};
  rig.session.positions.LocTable[12] = {1, 2, 3, 4, 0, 0};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  EXPECT_TRUE(Find<QLineEdit>(w, "txtRcvLocVal_0")->isReadOnly());
  EXPECT_FALSE(Find<QLineEdit>(w, "txtTransLocVal_0")->isReadOnly());
  rig.type(w, "txtLocTrans_0", "12");
  EXPECT_EQ(Text(w, "txtTransLocVal_3"), "0.04");
  rig.type(w, "txtLocTrans_0", "12a");
  // "12a" is refused: clearing the box first showed nothing, "1" and "12" are locations.
  EXPECT_EQ(rig.messages, std::vector<std::string>{kNotNumber});
  EXPECT_EQ(Text(w, "txtLocTrans_0"), "0");
  const char* expected[] = {"1.50", "-0.05", "0.00", "123.45"};
  for (int k = 0; k < 4; ++k) EXPECT_EQ(Text(w, app::ArrayName("txtTransLocVal", k)), expected[k]) << k;
  // Showing a location does not change it.
  EXPECT_EQ(rig.session.positions.LocTable[0], (positions::PositionRow{150, -5, 0, 12345, 0, 0}));
  EXPECT_EQ(rig.session.positions.LocTable[12], (positions::PositionRow{1, 2, 3, 4, 0, 0}));
}

TEST(LocWindow, NumberBeyondTheDisplayRangeShowsNothingAndReceiveFetchesIt) {
  MainRig rig;
  rig.main->openSimulator();
  Controller(rig).positions.locations[1500] = {-250, 100000, 7, 8, 9, 10};
  rig.session.positions.LocTable[7] = {700, 0, 0, 0, 0, 0};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  auto* start = Find<QLineEdit>(w, "txtLocReceive_0");
  start->setText("7");
  EXPECT_EQ(Text(w, "txtRcvLocVal_0"), "7.00");
  start->setText("1500");
  EXPECT_EQ(Text(w, "txtRcvLocVal_0"), "7.00");
  EXPECT_EQ(Text(w, "txtLocReceive_0"), "1500");
  Click(w, "cmdLocReceive_0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(rig.session.positions.RxPointNo, 1500);
  // Four axes travel (the table's own rule); the boxes show the received row.
  const char* shown[] = {"-2.50", "1000.00", "0.07", "0.08", "0.00", "0.00"};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(Text(w, app::ArrayName("txtRcvLocVal", k)), shown[k]) << k;
}

TEST(LocWindow, TypedValuesGoIntoTheLocationOfTheNumberBox) {
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  rig.type(w, "txtLocTrans_0", "42");
  rig.type(w, "txtTransLocVal_1", "-1.005");  // half of a hundredth goes to the even neighbour
  rig.type(w, "txtTransLocVal_2", "2.5");
  EXPECT_EQ(rig.session.positions.LocTable[42][1], -100);
  EXPECT_EQ(rig.session.positions.LocTable[42][2], 250);
  // A number box outside the table stores nothing.
  Find<QLineEdit>(w, "txtLocTrans_0")->setText("2501");
  rig.type(w, "txtTransLocVal_0", "9");
  EXPECT_EQ(rig.session.positions.LocTable[42][0], 0);
  EXPECT_EQ(rig.session.positions.LocTable[2500][0], 0);
  Find<QLineEdit>(w, "txtLocTrans_0")->setText("2500");
  rig.type(w, "txtTransLocVal_0", "9");
  EXPECT_EQ(rig.session.positions.LocTable[2500][0], 900);
  // A value the controller could not hold is refused, and the box shows the stored one again.
  Find<QLineEdit>(w, "txtTransLocVal_0")->setText("-167772.17");
  EXPECT_EQ(rig.messages, std::vector<std::string>{" -167772.16 ~ 167772.15 까지 입력하십시요."});
  EXPECT_EQ(Text(w, "txtTransLocVal_0"), "9.00");
  EXPECT_EQ(rig.session.positions.LocTable[2500][0], 900);
}

TEST(SftWindow, NumberBoxesAcceptZeroToNinetyNine) {
  struct Case {
    const char* typed;
    std::vector<std::string> messages;
    const char* left;
  } cases[] = {
      {"100", {" 0 ~ 99 까지 입력하십시요."}, "0"},
      {"-1", {" 0 ~ 99 까지 입력하십시요."}, "0"},
      {"x", {kNotNumber}, "0"},
      {"99", {}, "99"},
      {"", {}, ""},
  };
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuSft", "frmSft");
  ASSERT_NE(w, nullptr);
  for (const char* box : {"txtSftLocTrans_0", "txtSftLocReceive_1"}) {
    for (const Case& c : cases) {
      Find<QLineEdit>(w, box)->setText("5");
      rig.messages.clear();
      Find<QLineEdit>(w, box)->setText(c.typed);
      EXPECT_EQ(rig.messages, c.messages) << box << " " << c.typed;
      EXPECT_EQ(Text(w, box), c.left) << box << " " << c.typed;
    }
  }
  // Typed key by key, 100 is refused at its last digit.
  rig.messages.clear();
  rig.type(w, "txtSftLocTrans_0", "100");
  EXPECT_EQ(rig.messages, std::vector<std::string>{" 0 ~ 99 까지 입력하십시요."});
  EXPECT_EQ(Text(w, "txtSftLocTrans_0"), "0");
}

TEST(LocWindow, BlockRangeSendsStartToEndAndRefusesAReversedOne) {
  MainRig rig;
  rig.main->openSimulator();
  for (int n = 4; n <= 7; ++n) rig.session.positions.LocTable[n] = {n * 100, -n, 3, 4, 5, 6};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);
  auto& stored = Controller(rig).positions.locations;

  rig.type(w, "txtLocTrans_0", "6");
  rig.type(w, "txtLocTrans_1", "5");
  Click(w, "cmdLocTrans_1");
  EXPECT_EQ(rig.messages, std::vector<std::string>{" End Loc 는 Start Loc 보다 커야 합니다."});
  EXPECT_EQ(stored[5], (sim::StoredPosition{}));
  EXPECT_EQ(stored[6], (sim::StoredPosition{}));

  rig.messages.clear();
  rig.type(w, "txtLocTrans_0", "5");
  Click(w, "cmdLocTrans_1");
  EXPECT_TRUE(rig.messages.empty());
  EXPECT_EQ(stored[5], (sim::StoredPosition{500, -5, 3, 4, 0, 0}));
  EXPECT_EQ(stored[6], (sim::StoredPosition{}));
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressBarLocTrans")->value(), 0);

  // The receive side checks its range the same way.
  rig.type(w, "txtLocReceive_0", "6");
  rig.type(w, "txtLocReceive_1", "5");
  Click(w, "cmdLocReceive_1");
  EXPECT_EQ(rig.messages, std::vector<std::string>{" End Loc 는 Start Loc 보다 커야 합니다."});
}

TEST(LocWindow, FilesAreSavedLoadedAndTheirNamesRemembered) {
  QTemporaryDir dir;
  const QString saved = dir.filePath("saved.dat");
  MainRig rig;
  rig.main->openSimulator();
  rig.session.positions.LocTable[0] = {150, 250, 0, 0, 0, 0};
  QPointer<QWidget> w = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(w, nullptr);

  Click(w, "cmdLocReceive_4");
  EXPECT_EQ(rig.messages, std::vector<std::string>{"File Open 메뉴에서 저장할 화일명을 입력하십시요."});
  {
    AnsweredDialog dialog(saved);
    Click(w, "cmdLocReceive_3");
  }
  EXPECT_EQ(Text(w, "txtLocReceiveFile"), saved);
  Click(w, "cmdLocReceive_4");

  // Loading puts location 0 of the file on show, with "0" in the number box.
  rig.session.positions.LocTable[0] = {};
  rig.type(w, "txtLocTrans_0", "9");
  {
    AnsweredDialog dialog(saved);
    Click(w, "cmdLocTrans_3");
  }
  EXPECT_EQ(rig.session.positions.LocTable[0], (positions::PositionRow{150, 250, 0, 0, 0, 0}));
  EXPECT_EQ(Text(w, "txtLocTrans_0"), "0");
  EXPECT_EQ(Text(w, "txtTransLocVal_1"), "2.50");
  EXPECT_EQ(Text(w, "txtLocTransFile"), saved);

  // A cancelled dialog leaves the name alone.
  {
    AnsweredDialog dialog(std::nullopt);
    Click(w, "cmdLocReceive_3");
  }
  EXPECT_EQ(Text(w, "txtLocReceiveFile"), saved);

  rig.session.positions.TxPointNo = 33;
  rig.session.positions.LocTable[33] = {3300, 0, 0, 0, 0, 0};
  w->close();
  QPointer<QWidget> again = OpenScreen(rig, "mnuLoc", "frmLoc");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Text(again, "txtLocReceiveFile"), saved);
  EXPECT_EQ(Text(again, "txtLocTransFile"), saved);
  EXPECT_EQ(Text(again, "txtLocTrans_0"), "33");
  EXPECT_EQ(Text(again, "txtTransLocVal_0"), "33.00");
}

TEST(SftWindow, TransmitFileOpenLoadsWithoutRefreshingTheBoxes) {
  QTemporaryDir dir;
  const QString path = dir.filePath("ZOVASFT.dat");
  std::string shifts;
  for (int i = 0; i < 1000; ++i) shifts += QString("S%1 = 1.25 0 0 0 0 0\r\n").arg(i, 2, 10, QChar('0')).toStdString();
  WriteFile(path, shifts);
  MainRig rig;
  rig.main->openSimulator();
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
