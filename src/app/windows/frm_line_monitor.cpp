// The line monitor window.
#include "app/windows/frm_line_monitor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/qt/file_dialog.h"
#include "app/widgets/window_util.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"

namespace zova::app {

namespace {
// Often enough to follow a transfer by eye, seldom enough to cost the link nothing it would notice.
constexpr int kRefreshMs = 200;
}  // namespace

QVariant LineRecordModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  // Bytes that left the record since the last sync shift the rows until the next one.
  const std::uint64_t dropped = (record_.recorded() - synced_) - (record_.size() - static_cast<std::size_t>(rows_));
  if (static_cast<std::uint64_t>(index.row()) < dropped) return QString();
  return QString::fromStdString(record_.displayLine(static_cast<std::size_t>(index.row()) - dropped));
}

void LineRecordModel::sync() {
  const std::uint64_t recorded = record_.recorded();
  const auto size = static_cast<int>(record_.size());
  if (recorded < synced_ || recorded - synced_ > static_cast<std::uint64_t>(size)) {
    beginResetModel();  // cleared, or none of the rows shown is left
    rows_ = size;
    synced_ = recorded;
    endResetModel();
    return;
  }
  const int dropped = rows_ + static_cast<int>(recorded - synced_) - size;
  if (dropped > 0) {
    beginRemoveRows(QModelIndex(), 0, dropped - 1);
    rows_ -= dropped;
    endRemoveRows();
  }
  if (size > rows_) {
    beginInsertRows(QModelIndex(), rows_, size - 1);
    rows_ = size;
    endInsertRows();
  }
  synced_ = recorded;
}

FrmLineMonitor::FrmLineMonitor(Session& session)
    : QWidget(nullptr, Qt::Window), session_(session), record_(systemClock(), kMonitorLines) {
  setObjectName("frmLineMonitor");
  setWindowTitle(tr("Line Monitor"));
  auto* layout = new QVBoxLayout(this);
  auto* legend =
      new QLabel(tr("seconds since opened or cleared   > PC to controller   < controller to PC   byte   name"), this);
  legend->setObjectName("lblLegend");
  layout->addWidget(legend);
  model_ = new LineRecordModel(record_, this);
  view_ = new QListView(this);
  view_->setObjectName("lstLines");
  view_->setAccessibleName(tr("Bytes on the line"));
  view_->setUniformItemSizes(true);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view_->setModel(model_);
  layout->addWidget(view_, 1);

  auto* buttons = new QHBoxLayout;
  cmdPause_ = MakeButton(this, "cmdPause", tr("&Pause"));
  cmdPause_->setCheckable(true);
  auto* clear = MakeButton(this, "cmdClear", tr("C&lear"));
  clear->setToolTip(tr("Empties the list; its seconds count from the clear"));
  auto* save = MakeButton(this, "cmdSave", tr("&Save..."));
  for (QPushButton* b : {cmdPause_, clear, save}) buttons->addWidget(b);
  buttons->addStretch();
  layout->addLayout(buttons);
  connect(cmdPause_, &QPushButton::toggled, this, &FrmLineMonitor::pauseToggled);
  connect(clear, &QPushButton::clicked, this, &FrmLineMonitor::clearClicked);
  connect(save, &QPushButton::clicked, this, &FrmLineMonitor::saveClicked);

  refreshTimer_ = new QTimer(this);
  refreshTimer_->setInterval(kRefreshMs);
  connect(refreshTimer_, &QTimer::timeout, this, &FrmLineMonitor::refresh);
  refreshTimer_->start();
  resize(560, 480);
  session_.port.setTap(&record_);
  tapped_ = true;
}

// The line goes untapped as the window closes: its deletion may come after the session has ended.
FrmLineMonitor::~FrmLineMonitor() { untap(); }

void FrmLineMonitor::closeEvent(QCloseEvent* event) {
  untap();
  refreshTimer_->stop();
  event->accept();
}

void FrmLineMonitor::untap() {
  if (tapped_) session_.port.setTap(nullptr);
  tapped_ = false;
}

void FrmLineMonitor::refresh() {
  const bool following = view_->verticalScrollBar()->value() == view_->verticalScrollBar()->maximum();
  model_->sync();
  if (following) view_->scrollToBottom();  // unless the operator scrolled back to read
}

void FrmLineMonitor::pauseToggled(bool paused) {
  refresh();  // what came before the pause is shown
  record_.setPaused(paused);
  cmdPause_->setText(paused ? tr("&Resume") : tr("&Pause"));
}

void FrmLineMonitor::clearClicked() {
  record_.clear();
  model_->sync();
}

void FrmLineMonitor::saveClicked() {
  FileDialogRequest request{tr("Save Line Monitor"), tr("Trace") + " (*.txt);;*.* (*)", lastSaved_,
                            FileDialogForm::Save, true};
  auto chosen = FileDialog()(this, request);
  if (!chosen) return;
  lastSaved_ = *chosen;
  std::string error;
  if (!SaveFileAtomically(chosen->toStdString(), record_.traceText(), error)) {
    Ui& ui = session_.ui;
    ui.messageBox(FormatFileFault(chosen->toStdString(), error));
  }
}

}  // namespace zova::app
