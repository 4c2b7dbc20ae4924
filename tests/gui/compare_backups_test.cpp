// "Compare Backups…": two backup folders compared without a controller, in the Compare window's table.
#include <gtest/gtest.h>

#include "backup/whole_controller.h"
#include "gui_support.h"
#include "support/program_samples.h"
#include "support/test_support.h"

namespace zova::test {
namespace {

TEST(CompareBackupsWindow, ListsOldAgainstNewWithoutAController) {
  MainRig rig(4);
  SimRig sim(4);
  const backup::Setup setup{4, 0, "sim", "9600,n,8,1", "1.0.3"};
  const QString folders[] = {rig.file("old"), rig.file("new")};
  ASSERT_EQ(backup::Backup(sim.link, setup, backup::Parts::All(), folders[0].toStdString()).result, Outcome::Ok);
  sim.controller.positions.locations[3][0] = 150;
  sim.controller.programs.programs[1] = {programs::test::SmallProgramBlock(), programs::test::SmallCommentBlock()};
  ASSERT_EQ(backup::Backup(sim.link, setup, backup::Parts::All(), folders[1].toStdString()).result, Outcome::Ok);
  // The first dialog asks for the old folder, the second for the new.
  int asked = 0;
  const app::FileDialogFunction saved = app::FileDialog();
  app::FileDialog() = [&](QWidget*, const app::FileDialogRequest&) { return std::optional(folders[asked++ % 2]); };
  QPointer<QWidget> w = OpenScreen(rig, "mnuCompareBackups", "frmCompareBackups");
  app::FileDialog() = saved;
  auto* table = Find<QTableWidget>(w, "grdDifferences");
  EXPECT_EQ(Rows(table).mid(0, 2),
            (QStringList{"P003 axis 1|0.00|1.50", R"(program 01 line 0|"[EOF]"|"MVE P0005 ;first")"}));
  for (int row = 0; row < table->rowCount(); ++row)  // each item reads whole
    EXPECT_GE(table->columnWidth(0), table->fontMetrics().horizontalAdvance(table->item(row, 0)->text()) + 6);
  ClickAnswering(w, "cmdSaveDifferences", rig.file("differences.txt"));
  EXPECT_EQ(ReadAll(rig.file("differences.txt")).substr(0, 33), "P003 axis 1: old 0.00, new 1.50\r\n");
  CloseScreen(w);
}

}  // namespace
}  // namespace zova::test
