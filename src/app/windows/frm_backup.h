// The whole-controller windows of the "File" menu: "Backup…", "Restore…", "Compare…" and "Compare Backups…".
// Each asks for a folder (two for Compare Backups, which needs no controller), runs its operation under one
// progress bar with a Cancel button, and ends with a summary; the compares (and a restore's read-back) list
// their differences in a table that can be saved as text.
#pragma once

#include <QLabel>
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

enum class WholeControllerAction { Backup, Restore, Compare, CompareBackups };

class FrmBackup : public QWidget {
  Q_OBJECT
 public:
  // `newFolder`: the second backup of CompareBackups, which `folder` is the old one of.
  FrmBackup(Session& session, WholeControllerAction action, QString folder, QString newFolder = {},
            QWidget* parent = nullptr);

  // Runs the operation; the window does so once, as soon as it shows.
  void run();
  // What the window says it compares, and where Save… proposes the file: for backups that are not the operator's
  // folders (written out of a history repository).
  void setCaption(const QString& caption, const QString& saveFolder);
  [[nodiscard]] const backup::Report& report() const { return report_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void saveDifferences();
  // The summary and the differences, and Cancel turned into Close.
  void showReport();
  [[nodiscard]] bool confirmRestore(const backup::RestorePlan& plan);
  [[nodiscard]] backup::Setup setup() const;

  Session& session_;
  WholeControllerAction action_;
  QString folder_;
  QString newFolder_;
  QString saveFolder_;
  backup::Report report_;
  QLabel* lblFolder_ = nullptr;
  QProgressBar* prgWhole_ = nullptr;
  QPushButton* cmdCancel_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPlainTextEdit* txtSummary_ = nullptr;
  QTableWidget* grdDifferences_ = nullptr;
};

// Adds "Backup…", "Restore…", "Compare…" and "Compare Backups…" to the "File" menu, which also keeps the item that
// opens the program screen.
void AddWholeControllerMenu(FrmMain& main, QMenu& menu);

QWidget* MakeFrmBackup(Session& session, FrmMain& main);
QWidget* MakeFrmRestore(Session& session, FrmMain& main);
QWidget* MakeFrmCompare(Session& session, FrmMain& main);
QWidget* MakeFrmCompareBackups(Session& session, FrmMain& main);

}  // namespace zova::app
