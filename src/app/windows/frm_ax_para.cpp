// The axis parameter screen.
#include "app/windows/frm_ax_para.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QSignalBlocker>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <tuple>

#include "app/operation.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/windows/screens.h"
#include "app/widgets/window_util.h"
#include "parameters/ax_para_editor.h"
#include "parameters/ax_para_file.h"
#include "parameters/ax_para_transfer.h"

namespace zova::app {

namespace {

constexpr const char* kMsgNoFileName =
    QT_TRANSLATE_NOOP("zova::app::FrmAxPara", "File Open 메뉴에서 저장할 화일명을 입력하십시요.");
// The first eleven groups are drive settings, the last six signal levels.
constexpr int kAxGroupsInFirstFrame = 11;

QString EntryLabel(int entry) {
  for (const AxParaEntry& e : AxParaEntries()) {
    if (e.entry == entry) return Qs(e.label);
  }
  return {};
}

}  // namespace

FrmAxPara::FrmAxPara(Session& session)
    : QWidget(nullptr, Qt::Window),
      session_(session),
      boxes_([this](int box, const QString& text) -> std::optional<QString> {
        Ui& ui = session_.ui;
        // A refused number is reported and not stored; the box keeps the text as typed.
        (void)CheckAxBox(box, text.toStdString(), session_.axPara, session_.currentAxis, ui);
        return std::nullopt;
      }) {
  setObjectName("frmNaxpara");
  setWindowTitle(tr("Axis Parameter"));
  auto* layout = new QVBoxLayout(this);

  auto* axes = new QHBoxLayout;
  for (int i = 0; i < kMaxAxes; ++i) {
    auto* panel = MakeButton(this, ArrayName("SSPanelAxSel", i), tr("%1-Axis").arg(i + 1));
    connect(panel, &QPushButton::clicked, this, [this, i] { axisClicked(i); });
    txtAxSel_[static_cast<std::size_t>(i)] = MakeIndicator(this, ArrayName("txtAxSel", i));
    // An axis the controller does not have cannot be chosen, and looks it.
    panel->setEnabled(i < session_.axes);
    txtAxSel_[static_cast<std::size_t>(i)]->setEnabled(i < session_.axes);
    axes->addWidget(panel);
    axes->addWidget(txtAxSel_[static_cast<std::size_t>(i)]);
  }
  layout->addLayout(axes);

  auto* body = new QHBoxLayout;
  layout->addLayout(body);
  auto* axFrame = new QGroupBox(tr("Ax Parameter"), this);
  auto* axColumn = new QVBoxLayout(axFrame);
  auto* limitFrame = new QGroupBox(tr("Limit Parameter"), this);
  auto* limitColumn = new QVBoxLayout(limitFrame);
  int n = 0;
  for (const ChoiceGroup& g : AxChoiceGroups()) {
    QGroupBox* frame = n < kAxGroupsInFirstFrame ? axFrame : limitFrame;
    auto* group = new SelectorGroup(g, EntryLabel(g.entry), frame);
    group->onClick = [this, group](int i) { choiceClicked(group, i); };
    groups_.push_back(group);
    (n < kAxGroupsInFirstFrame ? axColumn : limitColumn)->addWidget(group);
    ++n;
  }
  limitColumn->addStretch();
  body->addWidget(axFrame);
  body->addWidget(limitFrame);

  auto* swFrame = new QGroupBox(tr("Software Parameter"), this);
  auto* grid = new QGridLayout(swFrame);
  for (int b = 0; b < kAxBoxCount; ++b) {
    auto* label = new QLabel(Qs(AxBoxes()[static_cast<std::size_t>(b)].label), swFrame);
    auto* box = new QLineEdit(swFrame);
    box->setObjectName(ArrayName("txtSw", b));
    label->setBuddy(box);
    grid->addWidget(label, b, 0);
    grid->addWidget(box, b, 1);
    boxes_.add(box);
  }
  body->addWidget(swFrame);

  file_ = AddParameterFileRow(session_, this, layout, "Label1", "txtAxisParaFileName", "AxProgressBar");
  session_.ui.registerProgressBar(std::string(kAxProgressBar), 0, file_.bar);
  session_.ui.registerProgressBar(std::string(kAxReadFirstBar), 0, file_.bar);

  connect(file_.fileName, &QLineEdit::textChanged, this, &FrmAxPara::fileNameChanged);
  connect(file_.cmdSave[0], &QPushButton::clicked, this, &FrmAxPara::fileOpen);
  connect(file_.cmdSave[1], &QPushButton::clicked, this, &FrmAxPara::fileSave);
  connect(file_.cmdRcv, &QPushButton::clicked, this, &FrmAxPara::receive);
  connect(file_.cmdTrans, &QPushButton::clicked, this, &FrmAxPara::transmit);

  adjustSize();
  CentreOnScreen(this);
  if (!session_.axParaFile.isEmpty()) {
    // Reopening reads the remembered file again, replacing edits and fetched values: the box's change reads it.
    file_.fileName->setText(session_.axParaFile);
  } else {
    session_.axPara.SetDefaults();
  }
  SetIndicator(txtAxSel_[static_cast<std::size_t>(session_.currentAxis)], true);
  updateAxButton();
  file_.bar->setValue(0);
}

void FrmAxPara::initAxButton() {
  for (SelectorGroup* g : groups_) g->clearIndicators();
}

void FrmAxPara::updateAxButton() {
  const AxPara::Axis& axis = session_.axPara[session_.currentAxis];
  for (SelectorGroup* g : groups_) g->showValue(axis[static_cast<std::size_t>(g->group().entry)]);
  for (int b = 0; b < kAxBoxCount; ++b) boxes_.write(b, Qs(AxBoxText(b, session_.axPara, session_.currentAxis)));
}

void FrmAxPara::axisClicked(int panel) {
  if (!CanSelectAxis(panel, session_.axes)) return;
  SetIndicator(txtAxSel_[static_cast<std::size_t>(session_.currentAxis)], false);
  initAxButton();
  SetIndicator(txtAxSel_[static_cast<std::size_t>(panel)], true);
  session_.currentAxis = panel;
  updateAxButton();
}

void FrmAxPara::choiceClicked(SelectorGroup* group, int index) {
  std::int32_t& stored = session_.axPara[session_.currentAxis][static_cast<std::size_t>(group->group().entry)];
  stored = ChoiceValue(group->group(), index);
  group->showValue(stored);
}

void FrmAxPara::readFile() {
  // Any file that is not read changes nothing. Every keystroke in the name box reads again, so a name that
  // is no readable file passes in silence; a file that is not in the form says where.
  std::string why;
  Ui& ui = session_.ui;
  if (ReadAxParaFile(file_.fileName->text().toStdString(), session_.axPara, &why) == Outcome::FileDamaged) {
    ui.messageBox(why);
  }
}

void FrmAxPara::fileNameChanged() {
  initAxButton();
  readFile();
  updateAxButton();
}

void FrmAxPara::fileOpen() {
  FileDialogRequest request{tr("Axis Para File Open"), DefaultFileFilter("DIRIDOZO.dat"), file_.fileName->text(),
                            FileDialogForm::Open};
  std::optional<QString> chosen = FileDialog()(this, request);
  if (!chosen) return;  // a cancelled dialog leaves the table and the name alone
  initAxButton();
  // A file that is not read changes nothing and says why; it does not become what "File Save" writes over.
  std::string why;
  if (ReadAxParaFile(chosen->toStdString(), session_.axPara, &why) == Outcome::Ok) {
    const QSignalBlocker readAlready(file_.fileName);
    file_.fileName->setText(*chosen);
  } else {
    Ui& ui = session_.ui;
    ui.messageBox(why);
  }
  updateAxButton();
}

void FrmAxPara::fileSave() {
  Ui& ui = session_.ui;
  if (file_.fileName->text().isEmpty()) {
    ui.messageBox(tr(kMsgNoFileName).toStdString());
    return;
  }
  (void)WriteAxParaFile(file_.fileName->text().toStdString(), session_.axPara, ui);
}

void FrmAxPara::receive() {
  // The buttons stay enabled; a second click finds the link busy and does nothing.
  if (session_.link.LinkBusy) return;
  HandlerLock running(session_);
  // One block in one exchange: Cancel acts only before it begins.
  Operation operation(session_, tr("Axis Parameter TEV ☞ PC"), {file_.cancel});
  const Outcome status = FetchAxPara(session_.link, session_.axPara, session_.axes);
  operation.finish(ParameterTransferResult(status, tr("Axis parameters"), true));
  if (!status) return;
  session_.axParaHeldOn = session_.connection.openings();
  session_.axParaHeldAxes = session_.axes;
  initAxButton();
  updateAxButton();
}

void FrmAxPara::transmit() {
  if (session_.link.LinkBusy) return;
  HandlerLock running(session_);
  const int connection = session_.connection.openings();
  const int axes = session_.axes;
  (void)SendNamedParameters(
      session_,
      {tr("Axis Parameter: reading the controller's block first"),
       tr("Axis Parameter PC ☞ TEV"),
       tr("Axis parameters"),
       {file_.cancel}},
      AxParaRefusals(session_.axPara, axes), session_.axParaHeldOn == connection && session_.axParaHeldAxes >= axes,
      [&] {
        const Outcome status = TakeUnnamedAxPara(session_.link, session_.axPara, axes);
        if (status.ok()) std::tie(session_.axParaHeldOn, session_.axParaHeldAxes) = std::pair(connection, axes);
        return status;
      },
      [&] { return SendAxPara(session_.link, session_.axPara, axes); });
}

void FrmAxPara::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  session_.axParaFile = file_.fileName->text();
  event->accept();
}

QWidget* MakeFrmNaxpara(Session& session, FrmMain&) { return new FrmAxPara(session); }

}  // namespace zova::app
