// "Backup History…" of the "File" menu: the backups of one controller in a history repository or a fleet folder,
// each date with its number of changes, the changes of the date selected, and two dates compared in the
// Compare Backups window. The history is read off the window's thread, so the window answers meanwhile.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/session.h"
#include "history/history.h"

namespace zova::history {
struct Scratch;
}

namespace zova::app {

class FrmMain;

class FrmHistory : public QWidget {
  Q_OBJECT
 public:
  explicit FrmHistory(Session& session, QWidget* parent = nullptr);
  ~FrmHistory() override;

  // Reads the controllers `place` holds and the history of the first of them.
  void open(const QString& place);
  [[nodiscard]] bool reading() const { return reading_; }

 signals:
  void readDone();

 private:
  struct Read;
  // Reads the history of `name` (and first the controllers, without a name) on a thread of its own.
  void start(const QString& name);
  void showRead(const Read& read);
  void showChanges();
  void choosePlace();
  void compare();
  void showReason(const QString& reason);

  Session& session_;
  QString place_;
  std::vector<history::Change> changes_;
  std::unique_ptr<history::Scratch> scratch_;  // backups written out of a repository for a compare
  int written_ = 0;
  int generation_ = 0;  // a read whose controller or place is no longer chosen is dropped
  bool reading_ = false;
  std::vector<QPointer<QThread>> readers_;  // a dropped read runs to its end all the same
  QLineEdit* txtPlace_ = nullptr;
  QComboBox* cboController_ = nullptr;
  QProgressBar* prgRead_ = nullptr;
  QLabel* lblReason_ = nullptr;
  QTableWidget* grdDates_ = nullptr;
  QTableWidget* grdChanges_ = nullptr;
  QPushButton* cmdCompare_ = nullptr;
};

// Adds "Backup History…" to the "File" menu.
void AddBackupHistoryMenuItem(FrmMain& main, QMenu& menu);
QWidget* MakeFrmHistory(Session& session, FrmMain& main);

}  // namespace zova::app
