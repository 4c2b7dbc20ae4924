// The line monitor window.
#include "app/windows/frm_line_monitor.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt/file_dialog.h"
#include "app/widgets/window_util.h"
#include "link/atomic_file.h"

namespace zova::app {

namespace {
// Often enough to follow a transfer by eye, seldom enough to cost the link nothing it would notice.
constexpr int kRefreshMs = 200;
}  // namespace

FrmLineMonitor::FrmLineMonitor(Session& session)
    : QWidget(nullptr, Qt::Window), session_(session), record_(systemClock(), kMonitorLines) {
  setObjectName("frmLineMonitor");
  setWindowTitle("Line Monitor");
  auto* layout = new QVBoxLayout(this);
  auto* legend = new QLabel("seconds since opened   > PC to controller   < controller to PC   byte   name", this);
  legend->setObjectName("lblLegend");
  layout->addWidget(legend);
  view_ = new QPlainTextEdit(this);
  view_->setObjectName("txtLines");
  view_->setReadOnly(true);
  view_->setUndoRedoEnabled(false);
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);
  view_->setMaximumBlockCount(static_cast<int>(kMonitorLines));
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(view_, 1);

  auto* buttons = new QHBoxLayout;
  cmdPause_ = MakeButton(this, "cmdPause", "&Pause");
  cmdPause_->setCheckable(true);
  auto* clear = MakeButton(this, "cmdClear", "C&lear");
  auto* save = MakeButton(this, "cmdSave", "&Save...");
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
}

FrmLineMonitor::~FrmLineMonitor() { session_.port.setTap(nullptr); }

void FrmLineMonitor::refresh() {
  const std::uint64_t recorded = record_.recorded();
  if (recorded == shown_) return;
  // Only what the record still holds can be shown; the view keeps no more lines than the record.
  const auto fresh = static_cast<std::size_t>(std::min<std::uint64_t>(recorded - shown_, record_.size()));
  QString text;
  text.reserve(static_cast<qsizetype>(fresh * 40));
  for (std::size_t i = record_.size() - fresh; i < record_.size(); ++i) {
    if (!text.isEmpty()) text += '\n';
    text += QString::fromStdString(record_.displayLine(i));
  }
  view_->appendPlainText(text);
  shown_ = recorded;
}

void FrmLineMonitor::pauseToggled(bool paused) {
  refresh();  // what came before the pause is shown
  record_.setPaused(paused);
  cmdPause_->setText(paused ? "&Resume" : "&Pause");
}

void FrmLineMonitor::clearClicked() {
  record_.clear();
  view_->clear();
  shown_ = 0;
}

void FrmLineMonitor::saveClicked() {
  FileDialogRequest request{"Save Line Monitor", "Trace (*.txt);;*.* (*)", lastSaved_, FileDialogForm::Save, true};
  auto chosen = FileDialog()(this, request);
  if (!chosen) return;
  lastSaved_ = *chosen;
  std::string error;
  if (!SaveFileAtomically(chosen->toStdString(), record_.traceText(), error)) {
    Ui& ui = session_.ui;
    ui.messageBox(error + chosen->toStdString());
  }
}

}  // namespace zova::app
