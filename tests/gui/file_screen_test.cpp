// The program window: controls, the "TEV File #" boxes, single transfers against the simulated controller
// through an answered file dialog, and the check of the 32 files before "ALL Trans".
#include <QFile>
#include <QProgressBar>

#include "app/widgets/window_util.h"
#include "link/link_error.h"
#include "support/program_samples.h"
#include "gui_support.h"

namespace zova::test {
namespace {

using programs::test::kSmallListing;
using programs::test::kSmallSource;
using programs::test::SmallProgramBlock;

std::string ReadFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "(missing " + path.toStdString() + ")";
  return file.readAll().toStdString();
}

TEST(FileWindow, ProgramNumberBoxesKeepAValidNumber) {
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  programs::ProgramTransfer& transfer = rig.session.programTransfer;
  struct Side {
    const char* box;
    int programs::ProgramTransfer::*number;
  } sides[] = {{"txtFileReceive_1", &programs::ProgramTransfer::RxProgramNo},
               {"txtFileTrans_1", &programs::ProgramTransfer::TxProgramNo}};
  for (const Side& s : sides) {
    auto* box = Find<QLineEdit>(w, s.box);
    box->setText("7");
    EXPECT_EQ(transfer.*s.number, 7) << s.box;
    box->setText("40");
    EXPECT_EQ(box->text(), "7") << s.box;
    box->setText("-1");
    EXPECT_EQ(box->text(), "7") << s.box;
    box->setText("31");
    EXPECT_EQ(transfer.*s.number, 31) << s.box;
    // Key by key, "40" passes through 4, which then is the number put back.
    rig.type(w, s.box, "40");
    EXPECT_EQ(box->text(), "4") << s.box;
    EXPECT_EQ(transfer.*s.number, 4) << s.box;
    EXPECT_TRUE(rig.messages.empty());
    box->setText("x1");
    EXPECT_EQ(rig.messages, std::vector<std::string>{" 숫자를 입력하십시요"}) << s.box;
    EXPECT_EQ(box->text(), "0") << s.box;
    EXPECT_EQ(transfer.*s.number, 0) << s.box;
    rig.messages.clear();
  }
}

TEST(FileWindow, RefusesWithoutPortOrFileName) {
  MainRig rig;
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  for (const char* button : {"cmdFileReceive_0", "cmdFileReceive_1", "cmdFileTrans_0", "cmdFileTrans_1"}) {
    rig.messages.clear();
    Click(w, button);
    EXPECT_EQ(rig.messages, std::vector<std::string>{LinkMessage()[kLinkErrorPortClosed]}) << button;
  }
  rig.main->openSimulator();
  rig.messages.clear();
  Click(w, "cmdFileReceive_0");
  Click(w, "cmdFileTrans_1");
  EXPECT_EQ(rig.messages,
            (std::vector<std::string>{std::string(programs::kMsgNoRecvFile), std::string(programs::kMsgNoTransFile)}));
}

TEST(FileWindow, SingleTransmitAndReceiveThroughTheDialogs) {
  QTemporaryDir dir;
  const QString source = dir.filePath("prog.src.txt");  // the box takes the name up to its first "."
  WriteFile(dir.filePath("prog.dat"), kSmallSource);
  MainRig rig;
  rig.main->openSimulator();
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  {
    AnsweredDialog dialog(source);
    Click(w, "cmdFileTransOpen");
  }
  EXPECT_EQ(Text(w, "txtFileTrans_0"), dir.filePath("prog.dat"));
  rig.type(w, "txtFileTrans_1", "3");
  Click(w, "cmdFileTrans_0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(Controller(rig).programs.programs[3].block, SmallProgramBlock());
  EXPECT_EQ(Find<QProgressBar>(w, "ProgressBarTrans_0")->value(), 0);

  const QString received = dir.filePath("back.dat");
  {
    AnsweredDialog dialog(received);
    Click(w, "cmdFileReceiveOpen");
  }
  rig.type(w, "txtFileReceive_1", "3");
  Click(w, "cmdFileReceive_0");
  EXPECT_TRUE(rig.messages.empty()) << rig.messages.front();
  EXPECT_EQ(ReadFile(received), kSmallListing);
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

TEST(FileWindow, AllTransNamesTheMissingFileAndSendsNothing) {
  QTemporaryDir dir;
  for (int n = 0; n < 32; ++n) {
    if (n != 17) WriteFile(dir.filePath(QString("ZOVAPRG%1.dat").arg(n, 2, 10, QChar('0'))), kSmallSource);
  }
  MainRig rig;
  rig.main->openSimulator();
  QPointer<QWidget> w = OpenScreen(rig, "mnuFile", "frmFile");
  ASSERT_NE(w, nullptr);
  AnsweredDialog dialog(dir.filePath("ZOVAPRG00.dat"));
  Click(w, "cmdFileTransOpen");
  Click(w, "cmdFileTrans_1");
  ASSERT_EQ(rig.messages.size(), 1u);
  const std::string missing = dir.filePath("ZOVAPRG17.dat").toStdString();
  EXPECT_EQ(rig.messages[0].substr(rig.messages[0].size() - missing.size()), missing);
  for (int n = 0; n < 32; ++n)
    EXPECT_FALSE(Controller(rig).programs.programs[static_cast<std::size_t>(n)].present()) << n;
  EXPECT_EQ(Text(w, "txtFileTrans_1"), "0");
}

}  // namespace
}  // namespace zova::test
