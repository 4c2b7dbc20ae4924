// The line monitor: every byte sent and received while it is open, one line each, with its time,
// direction, value and name. It keeps the last lines only, and with the window closed nothing watches
// the line at all.
#pragma once

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "app/session.h"
#include "link/line_record.h"

namespace zova::app {

inline constexpr std::size_t kMonitorLines = 20000;

class FrmLineMonitor : public QWidget {
 public:
  explicit FrmLineMonitor(Session& session);
  ~FrmLineMonitor() override;

  // Brings the view up to the record (a timer does it while bytes come).
  void refresh();
  [[nodiscard]] const LineRecord& record() const { return record_; }

 private:
  void pauseToggled(bool paused);
  void clearClicked();
  void saveClicked();

  Session& session_;
  LineRecord record_;
  std::uint64_t shown_ = 0;  // bytes of the record the view shows
  QPlainTextEdit* view_ = nullptr;
  QPushButton* cmdPause_ = nullptr;
  QTimer* refreshTimer_ = nullptr;
  QString lastSaved_;
};

}  // namespace zova::app
