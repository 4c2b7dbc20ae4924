// The program window "FILE Trans / Receive".
#include "app/windows/frm_file.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <optional>

#include "app/operation.h"
#include "app/widgets/box_numbers.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/windows/frm_editor.h"
#include "app/windows/screens.h"
#include "app/widgets/window_util.h"
#include "programs/program_files.h"
#include "link/line_owner.h"
#include "base/translation.h"

namespace zova::app {

namespace {

using programs::ProgramTransfer;

constexpr const char* kMsgNotNumber = QT_TRANSLATE_NOOP("zova::app::FrmFile", " 숫자를 입력하십시요");

// "program 5 received", "32 programs sent, 1 not compiled", or how far a cancelled one got; empty when a
// message box has said why nothing went.
QString ResultText(const programs::TransferReport& r, bool all, int programNo, bool send) {
  if (r.cancelled) {
    return (send ? FrmFile::tr("Cancelled: %1 of 32 programs sent")
                 : FrmFile::tr("Cancelled: %1 of 32 programs received"))
        .arg(r.transferred);
  }
  if (r.refused || r.lineDead) return {};
  if (!all) {
    if (r.transferred != 1) return {};
    return (send ? FrmFile::tr("program %1 sent") : FrmFile::tr("program %1 received")).arg(programNo);
  }
  // "ALL Trans" sends nothing while a file has problems; the message box has said so.
  if (send && r.transferred == 0 && r.notCompiled > 0) return {};
  QString text = (send ? FrmFile::tr("%1 programs sent") : FrmFile::tr("%1 programs received")).arg(r.transferred);
  if (r.failed > 0) text += FrmFile::tr(", %1 failed").arg(r.failed);
  if (r.notCompiled > 0) text += FrmFile::tr(", %1 not compiled").arg(r.notCompiled);
  if (r.rejected > 0) text += FrmFile::tr(", %1 refused for a wrong checksum").arg(r.rejected);
  if (r.notSaved > 0) text += FrmFile::tr(", %1 not saved").arg(r.notSaved);
  return text;
}

// A written listing that does not give back what the controller holds is no silent success: its lines are named.
void TellNotCompilingBack(Ui& ui, const programs::TransferReport& r) {
  if (r.notCompilingBack.empty()) return;
  std::string text;
  for (const std::string& line : r.notCompilingBack) text += line + "\n";
  ui.messageBox(text + FrmFile::tr("The written source does not compile back to what the controller holds; "
                                   "File > Backup keeps the exact image.")
                           .toStdString());
}

// Shows each program number of an all transfer in the "TEV File #" box for the length of one call.
class ProgramNumberShown {
 public:
  ProgramNumberShown(ProgramTransfer& transfer, QLineEdit* box) : transfer_(transfer) {
    transfer_.onProgramNumber = [box](int n) { box->setText(QString::number(n)); };
  }
  ~ProgramNumberShown() { transfer_.onProgramNumber = nullptr; }
  ProgramNumberShown(const ProgramNumberShown&) = delete;
  ProgramNumberShown& operator=(const ProgramNumberShown&) = delete;

 private:
  ProgramTransfer& transfer_;
};

}  // namespace

FrmFile::FrmFile(Session& session) : QWidget(nullptr, Qt::Window), session_(session) {
  setObjectName("frmFile");
  setWindowTitle(tr("FILE Trans / Receive"));
  dialog_ = new DialogControl(this, "cmdDlgFile", "*.dat");
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildFrame(true, receive_));
  layout->addWidget(buildFrame(false, trans_));

  ProgramTransfer& transfer = session_.programTransfer;
  for (int i = 0; i < 2; ++i) {
    connect(receive_.buttons[static_cast<std::size_t>(i)], &QPushButton::clicked, this,
            [this, i] { receivePressed(i); });
    connect(trans_.buttons[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { transPressed(i); });
    connect(receive_.boxes[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
            [this, i, &transfer] { boxChanged(receive_, i, transfer.RxProgramNo); });
    connect(trans_.boxes[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
            [this, i, &transfer] { boxChanged(trans_, i, transfer.TxProgramNo); });
  }
  connect(receive_.open, &QPushButton::clicked, this, [this] { receiveOpenPressed(); });
  connect(trans_.open, &QPushButton::clicked, this, [this] { transOpenPressed(); });

  adjustSize();
  CentreOnScreen(this);
  receive_.boxes[0]->setText(session_.fileReceiveName);
  trans_.boxes[0]->setText(session_.fileTransName);
}

QWidget* FrmFile::buildFrame(bool receive, Frame& frame) {
  const QString side = receive ? "Receive" : "Trans";
  auto* box = new QGroupBox(receive ? tr("FILE Receive (TEV ▶ PC)") : tr("FILE Trans (PC ▶ TEV)"), this);
  box->setObjectName(receive ? "fraFileReceive" : "fraFileTrans");
  auto* grid = new QGridLayout(box);
  const QString boxName = "txtFile" + side;
  const QString labels[] = {tr("PC File Name"), tr("TEV File #")};
  const char* initial[] = {"", "0"};
  for (int i = 0; i < 2; ++i) {
    auto* edit = new QLineEdit(initial[i], box);
    edit->setObjectName(ArrayName(boxName.toUtf8().constData(), i));
    frame.boxes[static_cast<std::size_t>(i)] = edit;
    auto* label = new QLabel(labels[i], box);
    label->setBuddy(edit);
    grid->addWidget(label, i, 0);
    grid->addWidget(edit, i, 1, 1, 2);
  }
  const QString captions[] = {receive ? tr("Receive ") : tr("Trans"), receive ? tr("ALL Receive") : tr("ALL Trans")};
  const QString buttonName = "cmdFile" + side;
  for (int i = 0; i < 2; ++i) {
    auto* button = new QPushButton(captions[i], box);
    button->setObjectName(ArrayName(buttonName.toUtf8().constData(), i));
    frame.buttons[static_cast<std::size_t>(i)] = button;
    actionButtons_.push_back(button);
    grid->addWidget(button, 2, i);
  }
  frame.open = new QPushButton(tr("File Open"), box);
  frame.open->setObjectName(buttonName + "Open");
  actionButtons_.push_back(frame.open);
  grid->addWidget(frame.open, 2, 2);
  if (!receive) {
    // The source named in the box beside it, in the program editor.
    auto* edit = MakeButton(box, "cmdFileTransEdit", tr("Edit"));
    connect(edit, &QPushButton::clicked, this,
            [this] { OpenProgramEditor(session_, this, trans_.boxes[0]->text(), trans_.boxes[1]->text().toInt()); });
    grid->addWidget(edit, 0, 3);
  }

  const char* barName = receive ? "ProgressBarReceive" : "ProgressBarTrans";
  const QString barLabels[] = {tr("File"), tr("Comment")};
  for (int i = 0; i < 2; ++i) {
    auto* bar = new QProgressBar(box);
    bar->setObjectName(ArrayName(barName, i));
    bar->setValue(0);
    session_.ui.showProgressOn(receive ? Job::ProgramReceive : Job::ProgramSend, i, bar);
    grid->addWidget(new QLabel(barLabels[i], box), 3 + i, 0);
    grid->addWidget(bar, 3 + i, 1, 1, 2);
  }
  frame.cancel = MakeCancelButton(session_, box, buttonName + "Cancel");
  grid->addWidget(frame.cancel, 3, 3, 2, 1);
  ShowPathEnd(frame.boxes[0]);
  return box;
}

bool FrmFile::portAndFileReady(const Frame& frame, std::string_view noFileMessage) {
  if (!LineOpen(session_.link)) return false;
  if (frame.boxes[0]->text().isEmpty()) {
    static_cast<Ui&>(session_.ui).messageBox(Tr(noFileMessage));
    return false;
  }
  return true;
}

void FrmFile::receivePressed(int index) {
  if (!portAndFileReady(receive_, programs::kMsgNoRecvFile)) return;
  HandlerLock lock(session_, actionButtons_);
  (void)HoldLine(session_.link, [&] {
    ProgramTransfer& transfer = session_.programTransfer;
    if (session_.axes > 0) transfer.setConfig(session_.languageConfig());
    transfer.RecvFileName = receive_.boxes[0]->text().toStdString();
    Operation operation(session_, index == 0 ? tr("Program Receive") : tr("Program ALL Receive"), {receive_.cancel});
    const bool all = index != 0;
    if (!all) transfer.RxProgramNo = BoxInteger(receive_.boxes[1]->text());
    std::optional<ProgramNumberShown> shown;
    if (all) shown.emplace(transfer, receive_.boxes[1]);
    const auto report = transfer.ReceivePrograms(session_.link, all ? programs::kModeAll : programs::kModeSingle);
    TellNotCompilingBack(session_.ui, report);
    operation.finish(ResultText(report, all, all ? 0 : transfer.RxProgramNo, false));
    return report.outcome();
  });
}

void FrmFile::transPressed(int index) {
  if (!portAndFileReady(trans_, programs::kMsgNoTransFile)) return;
  HandlerLock lock(session_, actionButtons_);
  (void)HoldLine(session_.link, [&]() -> Outcome {
    ProgramTransfer& transfer = session_.programTransfer;
    if (session_.axes > 0) transfer.setConfig(session_.languageConfig());
    transfer.TransFileName = trans_.boxes[0]->text().toStdString();
    if (index == 0) {
      Operation operation(session_, tr("Program Trans"), {trans_.cancel});
      transfer.TxProgramNo = BoxInteger(trans_.boxes[1]->text());
      const auto report = transfer.SendPrograms(session_.link, programs::kModeSingle);
      operation.finish(ResultText(report, false, transfer.TxProgramNo, true));
      return report.outcome();
    }
    Ui& ui = session_.ui;
    if (!programs::CheckAllTransFiles(transfer.TransFolder, ui)) return Outcome::Refused;
    Operation operation(session_, tr("Program ALL Trans"), {trans_.cancel});
    ProgramNumberShown shown(transfer, trans_.boxes[1]);
    const auto report = transfer.SendPrograms(session_.link, programs::kModeAll);
    operation.finish(ResultText(report, true, 0, true));
    return report.outcome();
  });
}

void FrmFile::receiveOpenPressed() {
  // Received programs are written under the chosen name and folder.
  auto chosen = dialog_->open(tr("Receive File Open"), FileDialogForm::Save, false);
  if (!chosen) return;  // a cancelled dialog changes nothing
  session_.programTransfer.ChooseRecvFile(chosen->toStdString());
  receive_.boxes[0]->setText(Qs(session_.programTransfer.RecvFileName));
}

void FrmFile::transOpenPressed() {
  // A new name in a folder chooses the folder of "ALL Trans".
  auto chosen = dialog_->open(tr("Trans File Open"), FileDialogForm::OpenOrNew, false);
  if (!chosen) return;
  session_.programTransfer.ChooseTransFile(chosen->toStdString());
  trans_.boxes[0]->setText(Qs(session_.programTransfer.TransFileName));
}

void FrmFile::boxChanged(Frame& frame, int index, int& programNo) {
  QLineEdit* numberBox = frame.boxes[1];
  const QString text = numberBox->text();
  if (text.isEmpty()) return;
  const auto number = BoxNumber(text);
  if (!number) {
    Ui& ui = session_.ui;
    ui.messageBox(tr(kMsgNotNumber).toStdString());
    numberBox->setText("0");
    return;
  }
  if (index != 1) return;
  const int value = BoxInteger(text);
  if (value >= programs::kFirstProgram && value <= programs::kLastProgram) {
    programNo = value;
  } else {
    numberBox->setText(QString::number(programNo));
  }
}

void FrmFile::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  session_.fileReceiveName = receive_.boxes[0]->text();
  session_.fileTransName = trans_.boxes[0]->text();
  event->accept();
}

QWidget* MakeFrmFile(Session& session, FrmMain&) { return new FrmFile(session); }

}  // namespace zova::app
