// The whole-controller windows of the "File" menu: "Backup…", "Restore…" and "Compare…". Each asks for a
// folder, runs its operation under one progress bar with a Cancel button, and ends with a summary; compare
// (and a restore's read-back) list their differences in a table that can be saved as text.
#pragma once

#include <QMenu>
#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>

#include "app/session.h"
#include "backup/whole_controller.h"

namespace zova::app {

class FrmMain;

enum class WholeControllerAction { Backup, Restore, Compare };

class FrmBackup : public QWidget {
  Q_OBJECT
 public:
  FrmBackup(Session& session, WholeControllerAction action, QString folder, QWidget* parent = nullptr);

  // Runs the operation; the window does so once, as soon as it shows.
  void run();
  [[nodiscard]] const backup::Report& report() const { return report_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void saveDifferences();
  [[nodiscard]] bool confirmRestore(const backup::RestorePlan& plan);
  [[nodiscard]] backup::Setup setup() const;

  Session& session_;
  WholeControllerAction action_;
  QString folder_;
  backup::Report report_;
  QProgressBar* prgWhole_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPlainTextEdit* txtSummary_ = nullptr;
  QTableWidget* grdDifferences_ = nullptr;
};

// Adds "Backup…", "Restore…" and "Compare…" to the "File" menu, which also keeps the item that opens the
// program screen.
void AddWholeControllerMenu(FrmMain& main, QMenu& menu);

QWidget* MakeFrmBackup(Session& session, FrmMain& main);
QWidget* MakeFrmRestore(Session& session, FrmMain& main);
QWidget* MakeFrmCompare(Session& session, FrmMain& main);

}  // namespace zova::app
