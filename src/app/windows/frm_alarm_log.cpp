// The alarm log window.
#include "app/windows/frm_alarm_log.h"

#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>
#include <filesystem>
#include <memory>

#include "app/qt/file_dialog.h"
#include "app/widgets/window_util.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"

namespace zova::app {

FrmAlarmLog::FrmAlarmLog(Session& session, QWidget* parent, const QString& path)
    : QWidget(parent, Qt::Window), session_(session), path_(path.isEmpty() ? Qs(alarms::DefaultAlarmLogPath()) : path) {
  setObjectName("frmAlarmLog");
  setWindowTitle(tr("Alarm Log"));
  auto* layout = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  auto* filterLabel = new QLabel(tr("&Filter:"), this);
  txtFilter_ = new QLineEdit(this);
  txtFilter_->setObjectName("txtFilter");
  txtFilter_->setClearButtonEnabled(true);
  txtFilter_->setPlaceholderText(tr("text, code, port or file"));
  filterLabel->setBuddy(txtFilter_);
  chkSince_ = new QCheckBox(tr("&Since:"), this);
  chkSince_->setObjectName("chkSince");
  dteSince_ = new QDateEdit(QDate::currentDate(), this);
  dteSince_->setObjectName("dteSince");
  dteSince_->setAccessibleName(tr("First day"));
  dteSince_->setCalendarPopup(true);
  dteSince_->setDisplayFormat("yyyy-MM-dd");
  dteSince_->setEnabled(false);
  auto* refresh = MakeButton(this, "cmdRefresh", tr("&Refresh"));
  filters->addWidget(filterLabel);
  filters->addWidget(txtFilter_, 1);
  filters->addWidget(chkSince_);
  filters->addWidget(dteSince_);
  filters->addWidget(refresh);
  layout->addLayout(filters);

  table_ = new QTableWidget(0, 6, this);
  table_->setObjectName("tblAlarms");
  table_->setAccessibleName(tr("Alarms, newest first"));
  table_->setHorizontalHeaderLabels(
      {tr("Time"), tr("Code"), tr("Value"), tr("Error text"), tr("Port"), tr("Recording")});
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setStretchLastSection(true);
  layout->addWidget(table_, 1);

  auto* buttons = new QHBoxLayout;
  cmdOpenRecording_ = MakeButton(this, "cmdOpenRecording", tr("&Open Recording"));
  auto* exportButton = MakeButton(this, "cmdExportCsv", tr("&Export CSV..."));
  buttons->addWidget(cmdOpenRecording_);
  buttons->addWidget(exportButton);
  buttons->addStretch();
  layout->addLayout(buttons);

  connect(txtFilter_, &QLineEdit::textChanged, this, &FrmAlarmLog::applyTextFilter);
  connect(chkSince_, &QCheckBox::toggled, dteSince_, &QWidget::setEnabled);
  connect(chkSince_, &QCheckBox::toggled, this, &FrmAlarmLog::reload);
  connect(dteSince_, &QDateEdit::dateChanged, this, &FrmAlarmLog::reload);
  connect(refresh, &QPushButton::clicked, this, &FrmAlarmLog::reload);
  connect(table_, &QTableWidget::itemSelectionChanged, this, &FrmAlarmLog::selectionChanged);
  connect(table_, &QTableWidget::cellDoubleClicked, this, [this] { cmdOpenRecording_->click(); });
  connect(cmdOpenRecording_, &QPushButton::clicked, this, [this] {
    const int row = table_->currentRow();
    if (row >= 0 && openRecording && !alarms_[static_cast<std::size_t>(row)].recording.empty())
      openRecording(Qs(alarms_[static_cast<std::size_t>(row)].recording));
  });
  connect(exportButton, &QPushButton::clicked, this, &FrmAlarmLog::exportCsv);
  resize(900, 420);
  reload();
}

void FrmAlarmLog::reload() {
  alarms_.clear();
  // The first day in local time, as the log's UTC times compare.
  const std::string since =
      chkSince_->isChecked()
          ? QDateTime(dteSince_->date(), QTime(0, 0)).toUTC().toString("yyyy-MM-ddTHH:mm:ss.zzzZ").toStdString()
          : std::string();
  std::unique_ptr<alarms::AlarmLog> log;
  const std::string path = path_.toStdString();
  Outcome o = std::filesystem::exists(path) ? alarms::AlarmLog::Open(path, log) : Outcome{};
  if (o && log) o = log->list(since, alarms_);
  if (!o) {
    Ui& ui = session_.ui;
    ui.messageBox(FormatFileFault(path, o.detail));
  }
  table_->setRowCount(static_cast<int>(alarms_.size()));
  for (std::size_t i = 0; i < alarms_.size(); ++i) {
    const alarms::Alarm& a = alarms_[i];
    const QDateTime utc = QDateTime::fromString(Qs(a.utc), Qt::ISODateWithMs);
    const QString cells[] = {utc.toLocalTime().toString("yyyy-MM-dd HH:mm:ss.zzz"),
                             QString::number(a.code),
                             QString::number(a.value),
                             Qs(a.text),
                             Qs(a.port),
                             Qs(a.recording)};
    for (int c = 0; c < 6; ++c) table_->setItem(static_cast<int>(i), c, new QTableWidgetItem(cells[c]));
  }
  table_->resizeColumnsToContents();
  applyTextFilter();
  selectionChanged();
}

void FrmAlarmLog::applyTextFilter() {
  const QString text = txtFilter_->text().trimmed();
  for (int row = 0; row < table_->rowCount(); ++row) {
    bool found = text.isEmpty();
    for (int c = 0; c < table_->columnCount() && !found; ++c)
      found = table_->item(row, c)->text().contains(text, Qt::CaseInsensitive);
    table_->setRowHidden(row, !found);
  }
}

std::vector<alarms::Alarm> FrmAlarmLog::shown() const {
  std::vector<alarms::Alarm> out;
  for (int row = 0; row < table_->rowCount(); ++row) {
    if (!table_->isRowHidden(row)) out.push_back(alarms_[static_cast<std::size_t>(row)]);
  }
  return out;
}

void FrmAlarmLog::selectionChanged() {
  const int row = table_->currentRow();
  cmdOpenRecording_->setEnabled(row >= 0 && !table_->selectedItems().isEmpty() &&
                                !alarms_[static_cast<std::size_t>(row)].recording.empty());
}

void FrmAlarmLog::exportCsv() {
  const auto chosen =
      FileDialog()(this, {tr("Export Alarm Log"), "CSV (*.csv)", lastExport_, FileDialogForm::Save, true});
  if (!chosen) return;
  lastExport_ = *chosen;
  std::string error;
  if (!SaveFileAtomically(chosen->toStdString(), alarms::AlarmsCsv(shown()), error)) {
    Ui& ui = session_.ui;
    ui.messageBox(FormatFileFault(chosen->toStdString(), error));
  }
}

}  // namespace zova::app
