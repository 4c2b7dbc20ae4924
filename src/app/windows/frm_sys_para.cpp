// The system parameter screen.
#include "app/windows/frm_sys_para.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/operation.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/windows/screens.h"
#include "app/widgets/window_util.h"
#include "parameters/axis_count.h"
#include "parameters/sys_para_editor.h"
#include "parameters/sys_para_file.h"
#include "parameters/sys_para_transfer.h"

namespace zova::app {

namespace {

constexpr const char* kMsgNoFileName =
    QT_TRANSLATE_NOOP("zova::app::FrmSysPara", "File Open 메뉴에서 저장할 화일명을 입력하십시요.");

QString EntryLabel(int index) {
  for (const SysParaEntry& e : SysParaEntries()) {
    if (e.index == index) return Qs(e.label);
  }
  return {};
}

}  // namespace

FrmSysPara::FrmSysPara(Session& session)
    : QWidget(nullptr, Qt::Window),
      session_(session),
      boxes_([this](int box, const QString& text) -> std::optional<QString> {
        Ui& ui = session_.ui;
        const QString shown = Qs(EditSysBox(box, text.toStdString(), session_.sysPara, ui));
        // The operator's own AXES is the axis count; a text the screen writes is taken by updateSysButton.
        if (box == 0 && !showing_ && !text.isEmpty()) session_.axes = session_.sysPara[sys::kAxes];
        return shown;
      }) {
  setObjectName("frmNsyspara");
  setWindowTitle(tr("System Parameter"));
  auto* layout = new QVBoxLayout(this);
  auto* body = new QHBoxLayout;
  layout->addLayout(body);

  auto* choices = new QVBoxLayout;
  for (const ChoiceGroup& g : SysChoiceGroups()) {
    auto* group = new SelectorGroup(g, EntryLabel(g.entry), this);
    group->onClick = [this, group](int i) { choiceClicked(group, i); };
    groups_.push_back(group);
    choices->addWidget(group);
  }
  choices->addStretch();
  body->addLayout(choices);

  auto* grid = new QGridLayout;
  constexpr int kColumns = 4;
  for (int b = 0; b < kSysBoxCount; ++b) {
    auto* frame = new QGroupBox(Qs(SysBoxes()[static_cast<std::size_t>(b)].label), this);
    auto* inner = new QVBoxLayout(frame);
    inner->setContentsMargins(4, 2, 4, 2);
    auto* box = new QLineEdit(frame);
    box->setObjectName(ArrayName("txtSys", b));
    box->setAccessibleName(frame->title());
    inner->addWidget(box);
    boxes_.add(box);
    grid->addWidget(frame, b / kColumns, b % kColumns);
  }
  body->addLayout(grid);

  file_ = AddParameterFileRow(session_, this, layout, "sysLabel", "txtSysFileName", "ProgressSysBar");
  session_.ui.registerProgressBar(std::string(kSysProgressBar), 0, file_.bar);
  session_.ui.registerProgressBar(std::string(kSysReadFirstBar), 0, file_.bar);

  connect(file_.cmdSave[0], &QPushButton::clicked, this, &FrmSysPara::fileOpen);
  connect(file_.cmdSave[1], &QPushButton::clicked, this, &FrmSysPara::fileSave);
  connect(file_.cmdRcv, &QPushButton::clicked, this, &FrmSysPara::receive);
  connect(file_.cmdTrans, &QPushButton::clicked, this, &FrmSysPara::transmit);

  adjustSize();
  CentreOnScreen(this);
  // A remembered file is not read again: the table still holds what the screen last showed. The defaults
  // are only shown: the AXES they carry must not become the axis count of the machine on the line.
  if (session_.sysParaFile.isEmpty()) {
    session_.sysPara.SetDefaults();
    if (AxisCountInRange(session_.axes)) session_.sysPara[sys::kAxes] = session_.axes;
  }
  file_.fileName->setText(session_.sysParaFile);
  updateSysButton();
}

void FrmSysPara::initSysButton() {
  for (SelectorGroup* g : groups_) g->clearIndicators();
}

void FrmSysPara::updateSysButton() {
  Ui& ui = session_.ui;
  TakeAxisCount(session_.sysPara[sys::kAxes], session_.axes, ui);
  for (SelectorGroup* g : groups_) g->showValue(session_.sysPara[g->group().entry]);
  showing_ = true;
  for (int b = 0; b < kSysBoxCount; ++b) boxes_.write(b, Qs(SysBoxText(b, session_.sysPara)));
  showing_ = false;
}

std::vector<QPushButton*> FrmSysPara::fileButtons() const {
  return {file_.cmdSave[0], file_.cmdSave[1], file_.cmdRcv, file_.cmdTrans};
}

void FrmSysPara::choiceClicked(SelectorGroup* group, int index) {
  session_.sysPara[group->group().entry] = ChoiceValue(group->group(), index);
  group->showValue(session_.sysPara[group->group().entry]);
}

void FrmSysPara::fileOpen() {
  FileDialogRequest request{tr("System Para File Open"), DefaultFileFilter("ZOVASYS.dat"), file_.fileName->text(),
                            FileDialogForm::Open};
  std::optional<QString> chosen = FileDialog()(this, request);
  if (!chosen) return;  // a cancelled dialog leaves the table and the name alone
  initSysButton();
  // A file that is not read changes nothing and says why; it does not become what "File Save" writes over.
  std::string why;
  Ui& ui = session_.ui;
  if (ReadSysParaFile(chosen->toStdString(), session_.sysPara, &why) == Outcome::Ok) {
    file_.fileName->setText(*chosen);
  } else {
    ui.messageBox(why);
  }
  updateSysButton();
}

void FrmSysPara::fileSave() {
  Ui& ui = session_.ui;
  if (file_.fileName->text().isEmpty()) {
    ui.messageBox(tr(kMsgNoFileName).toStdString());
    return;
  }
  (void)WriteSysParaFile(file_.fileName->text().toStdString(), session_.sysPara, ui);
}

void FrmSysPara::receive() {
  if (session_.link.LinkBusy) return;
  HandlerLock lock(session_, fileButtons());
  // One block in one exchange: Cancel acts only before it begins.
  Operation operation(session_, tr("System Parameter TEV ☞ PC"), {file_.cancel});
  const Outcome status = FetchSysPara(session_.link, session_.sysPara);
  operation.finish(ParameterTransferResult(status, tr("System parameters"), true));
  if (!status) return;
  session_.sysParaHeldOn = session_.connection.openings();
  initSysButton();
  updateSysButton();
}

void FrmSysPara::transmit() {
  if (session_.link.LinkBusy) return;
  HandlerLock lock(session_, fileButtons());
  const int connection = session_.connection.openings();
  (void)SendNamedParameters(
      session_,
      {tr("System Parameter: reading the controller's block first"),
       tr("System Parameter PC ☞ TEV"),
       tr("System parameters"),
       {file_.cancel}},
      SysParaRefusals(session_.sysPara), session_.sysParaHeldOn == connection,
      [&] {
        const Outcome status = TakeUnnamedSysPara(session_.link, session_.sysPara);
        if (status.ok()) session_.sysParaHeldOn = connection;
        return status;
      },
      [&] { return SendSysPara(session_.link, session_.sysPara); });
}

void FrmSysPara::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  session_.sysParaFile = file_.fileName->text();
  event->accept();
}

QWidget* MakeFrmNsyspara(Session& session, FrmMain&) { return new FrmSysPara(session); }

}  // namespace zova::app
