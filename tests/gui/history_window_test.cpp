// "Backup History…": a controller's dates from a history repository with their numbers of changes, the changes of
// the date selected, and two dates compared in the Compare Backups window.
#include "app/qt/stored_settings.h"
#include "app/windows/frm_history.h"
#include "gui_support.h"
#include "support/history_runs.h"

namespace zova::test {
namespace {

// The cells of one column.
QStringList Column(QTableWidget* table, int column, int role = Qt::DisplayRole) {
  QStringList cells;
  for (int row = 0; row < table->rowCount(); ++row) cells << table->item(row, column)->data(role).toString();
  return cells;
}

TEST(HistoryWindow, ListsTheDatesWithTheirChangesAndComparesTwo) {
  MainRig rig;
  HistoryRuns fleet{rig.dir.path().toStdString()};
  const backup::FleetHistory settings{rig.file("repo").toStdString(), "", "main", 60, 0};
  ASSERT_TRUE(fleet.run("2026-12-01T023000Z", {"c1", "c2"}, settings).committed);
  fleet.c1.controller.positions.locations[100][0] = -12345;
  fleet.c1.controller.positions.locations[101][0] = 5;
  ASSERT_TRUE(fleet.run("2026-12-02T023000Z", {"c1", "c2"}, settings).committed);
  fleet.c1.controller.positions.locations[100][0] = 0;
  ASSERT_TRUE(fleet.run("2026-12-03T023000Z", {"c1", "c2"}, settings).committed);

  QPointer<app::FrmHistory> w;
  auto readDone = [&w] { return QTest::qWaitFor([&w] { return w && !w->reading(); }); };
  {
    AnsweredDialog dialog(rig.file("repo"));
    w = qobject_cast<app::FrmHistory*>(OpenScreen(rig, "mnuHistory", "frmHistory").data());
    ASSERT_TRUE(w && readDone());
  }
  auto* controllers = Find<QComboBox>(w, "cboController");
  EXPECT_EQ(std::tuple(controllers->count(), controllers->currentText(), controllers->itemText(1)),
            std::tuple(2, QString("c1"), QString("c2")));
  auto* dates = Find<QTableWidget>(w, "grdDates");
  auto* changes = Find<QTableWidget>(w, "grdChanges");
  EXPECT_EQ(Column(dates, 0, Qt::UserRole),
            (QStringList{"2026-12-01T023000Z", "2026-12-02T023000Z", "2026-12-03T023000Z"}));
  EXPECT_EQ(Column(dates, 1), (QStringList{app::FrmHistory::tr("first backup"), "2", "1"}));
  // The newest date is the one shown at first.
  EXPECT_EQ(Rows(changes), QStringList{"P100 axis 1|-123.45|0.00"});
  dates->setCurrentCell(1, 0);
  EXPECT_EQ(Rows(changes), (QStringList{"P100 axis 1|0.00|-123.45", "P101 axis 1|0.00|0.05"}));

  // The first and the last date: P100 is back where it was.
  auto* cmdCompare = Find<QPushButton>(w, "cmdCompare");
  EXPECT_FALSE(cmdCompare->isEnabled());
  dates->clearSelection();
  for (int row : {0, 2})
    dates->selectionModel()->select(dates->model()->index(row, 0),
                                    QItemSelectionModel::Select | QItemSelectionModel::Rows);
  Click(w, "cmdCompare");
  auto* compared = w->findChild<QWidget*>("frmCompareBackups");
  ASSERT_NE(compared, nullptr);
  EXPECT_EQ(Rows(Find<QTableWidget>(compared, "grdDifferences")), QStringList{"P101 axis 1|0.00|0.05"});

  // A folder that is neither a repository nor a fleet folder: the reason, and no dates. The dialog starts at the
  // place chosen last.
  {
    AnsweredDialog dialog(rig.dir.path());
    Click(w, "cmdBrowse");
    ASSERT_TRUE(readDone());
    ASSERT_EQ(dialog.requests.size(), 1U);
    EXPECT_EQ(dialog.requests[0].selected, rig.file("repo"));
  }
  EXPECT_EQ(app::ReadLastHistory(), rig.dir.path());
  EXPECT_TRUE(Text(w, "lblReason").startsWith(rig.dir.path() + ": ")) << Text(w, "lblReason").toStdString();
  EXPECT_EQ(std::tuple(dates->rowCount(), controllers->count()), std::tuple(0, 0));
  CloseScreen(w);
}

}  // namespace
}  // namespace zova::test
