// The whole-controller windows of the "File" menu: a backup and a compare whose difference shows in the
// table and saves as text, the Cancel button, and a restore that asks before it overwrites.
#include <QDir>
#include <QPlainTextEdit>
#include <QTableWidget>

#include "gui_support.h"
#include "link/commands.h"

namespace zova::test {
namespace {

QString Summary(QWidget* w) { return Find<QPlainTextEdit>(w, "txtSummary")->toPlainText(); }

// Backs the simulated controller up into `folder` and closes the window.
void BackUp(MainRig& rig, const QString& folder) {
  AnsweredDialog chosen(folder);
  QPointer<QWidget> w = OpenScreen(rig, "mnuBackup", "frmBackup");
  EXPECT_TRUE(Summary(w).endsWith("(74 files)")) << Summary(w).toStdString();
  EXPECT_EQ(chosen.requests.at(0).form, app::FileDialogForm::Folder);
  CloseScreen(w);
}

TEST(BackupWindows, ABackupComparedAfterAChangeShowsAndSavesTheDifference) {
  QTemporaryDir dir;
  SimMainRig rig;
  BackUp(rig, dir.filePath("b"));
  Controller(rig).positions.locations[3][0] = 150;
  AnsweredDialog chosen(dir.filePath("b"));
  QPointer<QWidget> w = OpenScreen(rig, "mnuCompare", "frmCompare");
  auto* table = Find<QTableWidget>(w, "grdDifferences");
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->item(0, 0)->text() + "|" + table->item(0, 1)->text() + "|" + table->item(0, 2)->text(),
            "P003 axis 1|1.50|0.00");
  ClickAnswering(w, "cmdSaveDifferences", dir.filePath("differences.txt"));
  EXPECT_EQ(ReadAll(dir.filePath("differences.txt")), "P003 axis 1: controller 1.50, backup 0.00\r\n");
  CloseScreen(w);
  EXPECT_TRUE(rig.main->isEnabled());
}

TEST(BackupWindows, CancelLeavesNoFolderAndARestoreAsksFirst) {
  QTemporaryDir dir;
  SimMainRig rig;
  SimPort(rig).pauseAt(cmd::kReceiveLocations, [] { Click(TopWindow("frmBackup"), "cmdCancel"); });
  {
    AnsweredDialog chosen(dir.filePath("b"));
    QPointer<QWidget> w = OpenScreen(rig, "mnuBackup", "frmBackup");
    EXPECT_EQ(Summary(w), "no backup was written");
    EXPECT_FALSE(QDir(dir.filePath("b")).exists());
    CloseScreen(w);
  }
  BackUp(rig, dir.filePath("b"));
  rig.session.ui.interceptor = [&](const RecordedMessage& m) {
    rig.messages.push_back(m.text);
    return MessageResult::Cancel;
  };
  const std::size_t commands = Controller(rig).commandLog.size();
  AnsweredDialog chosen(dir.filePath("b"));
  QPointer<QWidget> w = OpenScreen(rig, "mnuRestore", "frmRestore");
  EXPECT_EQ(rig.messages.back(),
            "This overwrites the controller's system parameters, axis parameters, locations 0 to 2499, shifts 0 to "
            "999 and programs 0 to 31 with the backup in " +
                dir.filePath("b").toStdString() + ".");
  EXPECT_EQ(Summary(w), "nothing was sent");
  EXPECT_EQ(Controller(rig).commandLog.size(), commands);
}

}  // namespace
}  // namespace zova::test
