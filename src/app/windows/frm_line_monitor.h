// The line monitor: every byte sent and received while it is open, one line each, with its time,
// direction, value and name. It keeps the last lines only, and with the window closed nothing watches
// the line at all.
#pragma once

#include <QAbstractListModel>
#include <QCloseEvent>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "app/session.h"
#include "link/line_record.h"

namespace zova::app {

inline constexpr std::size_t kMonitorLines = 20000;

// The record as rows of a list: a row is formatted only when the view paints it, so a fast line costs
// the view a few dozen lines per refresh however many bytes passed.
class LineRecordModel final : public QAbstractListModel {
 public:
  explicit LineRecordModel(const LineRecord& record, QObject* parent) : QAbstractListModel(parent), record_(record) {}
  [[nodiscard]] int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : rows_; }
  [[nodiscard]] QVariant data(const QModelIndex& index, int role) const override;
  // Takes what the record gained and lost since the last call.
  void sync();

 private:
  const LineRecord& record_;
  int rows_ = 0;
  std::uint64_t synced_ = 0;  // record.recorded() at the last sync
};

class FrmLineMonitor : public QWidget {
  Q_OBJECT
 public:
  explicit FrmLineMonitor(Session& session);
  ~FrmLineMonitor() override;

  // Brings the view up to the record (a timer does it while bytes come).
  void refresh();
  [[nodiscard]] const LineRecord& record() const { return record_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void untap();
  void pauseToggled(bool paused);
  void clearClicked();
  void saveClicked();

  Session& session_;
  LineRecord record_;
  LineRecordModel* model_ = nullptr;
  QListView* view_ = nullptr;
  QPushButton* cmdPause_ = nullptr;
  QTimer* refreshTimer_ = nullptr;
  QString lastSaved_;
  bool tapped_ = false;
};

}  // namespace zova::app
