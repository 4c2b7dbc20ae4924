// The alarm log window: every controller error zova and zovactl saw, newest first, narrowed by a text and a
// first day, with the recording an alarm triggered opened in the recorder, and the list exported as CSV.
#pragma once

#include <QCheckBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <vector>

#include "alarms/alarm_log.h"
#include "app/session.h"

namespace zova::app {

class FrmAlarmLog : public QWidget {
  Q_OBJECT
 public:
  // `path`: the log to show (the programs' own by default).
  FrmAlarmLog(Session& session, QWidget* parent, const QString& path = {});

  // Reads the log again, from the chosen first day on; a log that cannot be read is said in a message box.
  void reload();
  // What "Open Recording" does with the chosen alarm's file.
  std::function<void(const QString& path)> openRecording;
  // The alarms the filters leave, newest first.
  [[nodiscard]] std::vector<alarms::Alarm> shown() const;
  [[nodiscard]] QTableWidget* table() const { return table_; }

 private:
  void applyTextFilter();
  void selectionChanged();
  void exportCsv();

  Session& session_;
  QString path_;
  std::vector<alarms::Alarm> alarms_;  // as read, one per table row
  QLineEdit* txtFilter_ = nullptr;
  QCheckBox* chkSince_ = nullptr;
  QDateEdit* dteSince_ = nullptr;
  QTableWidget* table_ = nullptr;
  QPushButton* cmdOpenRecording_ = nullptr;
  QString lastExport_;
};

}  // namespace zova::app
