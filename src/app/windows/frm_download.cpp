// The firmware download window.
#include "app/windows/frm_download.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

#include "app/operation.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/windows/screens.h"
#include "app/widgets/window_util.h"
#include "link/line_owner.h"
#include "base/translation.h"

namespace zova::app {

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text = {}) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}
}  // namespace

FrmDownload::FrmDownload(Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window),
      session_(session),
      download_(std::make_unique<firmware::FirmwareDownload>(session.link, *this)) {
  setObjectName("frmDownload");
  setWindowTitle(tr("Download"));
  auto* layout = new QVBoxLayout(this);
  auto* frame = new QGroupBox(tr("Firmware"), this);
  frame->setObjectName("Frame1");
  auto* grid = new QGridLayout(frame);
  grid->addWidget(label(frame, "Label1", tr("Controller firmware (Intel HEX)")), 0, 0, 1, 2);
  labelFilename_ = label(frame, "label_filename", tr("HEX FILE : "));
  grid->addWidget(labelFilename_, 1, 0, 1, 2);
  labelbyte_ = label(frame, "labelbyte");
  grid->addWidget(labelbyte_, 2, 0);
  labelAddresses_ = label(frame, "labelAddresses");
  grid->addWidget(labelAddresses_, 2, 1, 1, 2);
  cmdFile_ = new QPushButton(tr("File Open"), frame);
  cmdFile_->setObjectName("cmdFile");
  cmdDown_ = new QPushButton(tr("Down Load"), frame);
  cmdDown_->setObjectName("cmdDown");
  grid->addWidget(cmdFile_, 3, 0);
  grid->addWidget(cmdDown_, 3, 1);
  prgBarWri_ = new QProgressBar(frame);
  prgBarWri_->setObjectName("PrgBarWRI");
  prgBarWri_->setValue(0);
  grid->addWidget(prgBarWri_, 4, 0, 1, 2);
  cmdCancel_ = MakeCancelButton(session_, frame, "cmdCancel");
  grid->addWidget(cmdCancel_, 4, 2);
  labelState_ = label(frame, "Label_state");
  grid->addWidget(labelState_, 5, 0, 1, 2);
  grid->addWidget(label(frame, "Label3", tr("T_CHKSUM")), 6, 0);
  grid->addWidget(label(frame, "Label4", tr("R_CHKSUM")), 7, 0);
  label2_ = label(frame, "Label2");
  grid->addWidget(label2_, 7, 1);
  layout->addWidget(frame);
  session_.ui.showProgressOn(Job::Firmware, 0, prgBarWri_);
  connect(cmdFile_, &QPushButton::clicked, this, &FrmDownload::fileClicked);
  connect(cmdDown_, &QPushButton::clicked, this, &FrmDownload::downClicked);
  resize(420, 260);
  CentreOnScreen(this);
}

void FrmDownload::setLabel(firmware::DownloadLabel which, const std::string& text) {
  QLabel* target = nullptr;
  switch (which) {
    case firmware::DownloadLabel::TotalBytes:
      target = labelbyte_;
      break;
    case firmware::DownloadLabel::FileName:
      target = labelFilename_;
      break;
    case firmware::DownloadLabel::State:
      target = labelState_;
      break;
    case firmware::DownloadLabel::Refused:
      target = label2_;
      break;
    case firmware::DownloadLabel::Addresses:
      target = labelAddresses_;
      break;
  }
  target->setText(Qs(text));
  target->repaint();
}

void FrmDownload::setDownEnabled(bool enabled) { cmdDown_->setEnabled(enabled); }

void FrmDownload::setStoppable(bool stoppable) {
  // Once the erase has begun only a finished download leaves a working controller: no more Cancel.
  if (!stoppable) cmdCancel_->setEnabled(false);
}

bool FrmDownload::confirmErase(const std::string& summary) {
  // The bytes go to the flash's start whatever addresses the file gives them: the operator sees them first.
  const QString text = tr("This erases the controller's flash and writes %1.").arg(Qs(summary));
  return session_.ui.messageBox(text.toStdString(), tr("Down Load").toStdString(), MessageButtons::OkCancel,
                                MessageIcon::Exclamation) == MessageResult::Ok;
}

void FrmDownload::fileClicked() {
  FileDialogRequest request{"", "HEX (*.hex *.HEX *.Hex);;*.* (*)", lastName_, FileDialogForm::Open};
  auto chosen = FileDialog()(this, request);
  if (!chosen) return;  // a cancelled dialog changes nothing
  lastName_ = *chosen;
  download_->FileChosen(chosen->toStdString());
}

void FrmDownload::downClicked() {
  // Nothing else may use the link while the flash is written; the main window is disabled meanwhile.
  if (!download_->FileName.empty() && !LineOpen(session_.link)) return;
  HandlerLock running(session_);
  BusyGuard busy(session_.link);
  if (!busy.acquired()) return;
  Operation operation(session_, tr("Down Load"), {cmdCancel_});
  switch (download_->DownClick().code) {
    case Outcome::Ok:
      operation.finish(tr("Firmware downloaded"));
      break;
    case Outcome::Cancelled:
      operation.finish(tr("Cancelled before the erase; the flash is as it was"));
      break;
    case Outcome::Rejected:
      operation.finish(Qs(Tr(firmware::kStateError)));
      break;
    default:
      break;  // its message box said why
  }
}

void FrmDownload::closeEvent(QCloseEvent* event) {
  // Half-written flash is worse than a late close.
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  event->accept();
}

QWidget* MakeFrmDownload(Session& session, FrmMain&) { return new FrmDownload(session); }

}  // namespace zova::app
