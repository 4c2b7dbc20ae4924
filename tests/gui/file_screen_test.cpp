// The program window: the "TEV File #" boxes, the port and file name checks, single transfers against the
// simulated controller through an answered file dialog, and the check of the 32 files before "ALL Trans".
#include <QProgressBar>
#include <algorithm>

#include "gui_support.h"
#include "link/commands.h"
#include "programs/programs_fixture.h"

namespace zova::test {
namespace {

TEST(FileWindow, ProgramNumberBoxesKeepAValidNumber) {
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  programs::ProgramTransfer& transfer = rig.session.programTransfer;
  for (auto [box, number] :
       {std::pair{"txtFileReceive_1", &transfer.RxProgramNo}, {"txtFileTrans_1", &transfer.TxProgramNo}}) {
    Find<QLineEdit>(w, box)->setText("31");
    EXPECT_EQ(*number, 31) << box;
    Find<QLineEdit>(w, box)->setText("32");  // past the last program: the box takes its number back
    EXPECT_EQ(Text(w, box), "31") << box;
    EXPECT_TRUE(rig.messages.empty());
    Find<QLineEdit>(w, box)->setText("x1");
    EXPECT_EQ(rig.taken(), Texts{" 숫자를 입력하십시요"}) << box;
    EXPECT_EQ(Text(w, box), "0") << box;
    EXPECT_EQ(*number, 0) << box;
  }
}

TEST(FileWindow, RefusesWithoutPortOrFileName) {
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  for (const char* button : {"cmdFileReceive_0", "cmdFileReceive_1", "cmdFileTrans_0", "cmdFileTrans_1"}) {
    Click(w, button);
    EXPECT_EQ(rig.taken(), Texts{kPortClosed}) << button;
  }
  rig.main->openSimulator();
  Click(w, "cmdFileReceive_1");
  Click(w, "cmdFileTrans_0");
  EXPECT_EQ(rig.taken(), (Texts{std::string(programs::kMsgNoRecvFile), std::string(programs::kMsgNoTransFile)}));
}

TEST(FileWindow, SingleTransmitAndReceiveThroughTheDialogs) {
  QTemporaryDir dir;
  WriteFile(dir.filePath("prog.dat"), programs::test::kSmallSource);
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  ClickAnswering(w, "cmdFileTransOpen", dir.filePath("prog.src.txt"));  // the box takes the name up to its first "."
  EXPECT_EQ(Text(w, "txtFileTrans_0"), dir.filePath("prog.dat"));
  Type(w, "txtFileTrans_1", "3");
  Click(w, "cmdFileTrans_0");
  EXPECT_EQ(Controller(rig).programs.programs[3].block, programs::test::SmallProgramBlock());
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressBarTrans_0")->value(), 0);

  const QString received = dir.filePath("back.dat");
  ClickAnswering(w, "cmdFileReceiveOpen", received);
  Type(w, "txtFileReceive_1", "3");
  Click(w, "cmdFileReceive_0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(ReadAll(received), programs::test::kSmallListing);
  for (QPushButton* b : w->findChildren<QPushButton*>()) {
    // Cancel works only while a transfer runs.
    EXPECT_EQ(b->isEnabled(), !b->objectName().endsWith("Cancel")) << b->objectName().toStdString();
  }

  // The names come back on the next opening.
  w->close();
  QPointer<QWidget> again = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(Text(again, "txtFileTrans_0"), dir.filePath("prog.dat"));
  EXPECT_EQ(Text(again, "txtFileReceive_0"), received);
}

TEST(FileWindow, AllTransChecksTheFilesFirstAndSendsNothing) {
  QTemporaryDir dir;
  SimMainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  ClickAnswering(w, "cmdFileTransOpen", dir.filePath("ZOVAPRG00.dat"));
  Click(w, "cmdFileTrans_1");
  ASSERT_EQ(rig.messages.size(), 1u);
  const std::string missing = dir.filePath("ZOVAPRG00.dat").toStdString();
  EXPECT_EQ(rig.messages[0].substr(rig.messages[0].size() - missing.size()), missing);
  EXPECT_EQ(std::count(Controller(rig).commandLog.begin(), Controller(rig).commandLog.end(), cmd::kSendProgram), 0);
}

}  // namespace
}  // namespace zova::test
