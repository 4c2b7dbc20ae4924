// The system and axis parameter screens.
#include "app/windows/parameter_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/operation.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/widgets/window_util.h"
#include "app/windows/screens.h"
#include "link/line_owner.h"
#include "parameters/ax_para_editor.h"

namespace zova::app {

namespace {

constexpr const char* kMsgNoFileName =
    QT_TRANSLATE_NOOP("zova::app::ParameterScreen", "File Open 메뉴에서 저장할 화일명을 입력하십시요.");

}  // namespace

ParameterScreen::ParameterScreen(Session& session, const ParameterScreenTraits& traits)
    : QWidget(nullptr, Qt::Window),
      session_(session),
      traits_(traits),
      boxes_([this](int box, const QString& text) { return traits_.editBox(session_, box, text, !showing_); }) {
  setObjectName(traits.objectName);
  setWindowTitle(tr(traits.caption));
  auto* layout = new QVBoxLayout(this);
  if (traits.axisPanels) addAxisPanels(layout);
  auto* body = new QHBoxLayout;
  layout->addLayout(body);
  addChoices(body);
  addBoxes(body);

  const auto& [labelName, fileBoxName, barName] = traits.fileRowNames;
  file_ = AddParameterFileRow(session_, this, layout, labelName, fileBoxName, barName);
  for (Job job : traits.progressJobs) session_.ui.showProgressOn(job, 0, file_.bar);

  if (traits.nameChangeReads) connect(file_.fileName, &QLineEdit::textChanged, this, &ParameterScreen::fileNameChanged);
  connect(file_.cmdSave[0], &QPushButton::clicked, this, &ParameterScreen::fileOpen);
  connect(file_.cmdSave[1], &QPushButton::clicked, this, &ParameterScreen::fileSave);
  connect(file_.cmdRcv, &QPushButton::clicked, this, &ParameterScreen::receive);
  connect(file_.cmdTrans, &QPushButton::clicked, this, &ParameterScreen::transmit);

  adjustSize();
  CentreOnScreen(this);
  // With a remembered name the table stays as the screen last showed it, unless a change of the name
  // reads the file: then writing the name reads it again, over fetched values and unsaved edits.
  const QString remembered = session_.*traits.rememberedFile;
  if (remembered.isEmpty()) traits.setDefaults(session_);
  file_.fileName->setText(remembered);
  if (traits.axisPanels) SetIndicator(txtAxSel_[static_cast<std::size_t>(session_.currentAxis)], true);
  showTable();
}

void ParameterScreen::addAxisPanels(QBoxLayout* layout) {
  auto* axes = new QHBoxLayout;
  for (int i = 0; i < parameters::kMaxAxes; ++i) {
    auto* panel = MakeButton(this, ArrayName("SSPanelAxSel", i), tr("%1-Axis").arg(i + 1));
    connect(panel, &QPushButton::clicked, this, [this, i] { axisClicked(i); });
    QLineEdit* indicator = txtAxSel_[static_cast<std::size_t>(i)] = MakeIndicator(this, ArrayName("txtAxSel", i));
    // An axis the controller does not have cannot be chosen, and looks it.
    panel->setEnabled(i < session_.axes);
    indicator->setEnabled(i < session_.axes);
    axes->addWidget(panel);
    axes->addWidget(indicator);
  }
  layout->addLayout(axes);
}

void ParameterScreen::addChoices(QBoxLayout* body) {
  std::span<const parameters::ChoiceGroup> rest = traits_.choiceGroups();
  for (const ChoiceColumn& c : traits_.columns) {
    QWidget* parent = this;
    auto* column = new QVBoxLayout;
    if (c.frame == nullptr) {
      body->addLayout(column);
    } else {
      parent = new QGroupBox(tr(c.frame), this);
      parent->setLayout(column);
      body->addWidget(parent);
    }
    const std::size_t count = c.groups == 0 ? rest.size() : static_cast<std::size_t>(c.groups);
    for (const parameters::ChoiceGroup& g : rest.first(count)) {
      auto* group = new SelectorGroup(g, Qs(traits_.entryLabel(g.entry)), parent);
      group->onClick = [this, group](int i) { choiceClicked(group, i); };
      groups_.push_back(group);
      column->addWidget(group);
    }
    column->addStretch();
    rest = rest.subspan(count);
  }
}

void ParameterScreen::addBoxes(QBoxLayout* body) {
  QWidget* frame = this;
  auto* grid = new QGridLayout;
  if (traits_.boxFrame != nullptr) {
    frame = new QGroupBox(tr(traits_.boxFrame), this);
    frame->setLayout(grid);
    body->addWidget(frame);
  } else {
    body->addLayout(grid);
  }
  constexpr int kColumns = 4;
  for (int b = 0; b < traits_.boxCount; ++b) {
    const QString label = Qs(traits_.boxLabel(b));
    QLineEdit* box = nullptr;
    if (traits_.boxFrame != nullptr) {
      auto* caption = new QLabel(label, frame);
      box = new QLineEdit(frame);
      caption->setBuddy(box);
      grid->addWidget(caption, b, 0);
      grid->addWidget(box, b, 1);
    } else {
      auto* own = new QGroupBox(label, frame);
      auto* inner = new QVBoxLayout(own);
      inner->setContentsMargins(4, 2, 4, 2);
      box = new QLineEdit(own);
      box->setAccessibleName(label);
      inner->addWidget(box);
      grid->addWidget(own, b / kColumns, b % kColumns);
    }
    box->setObjectName(ArrayName(traits_.boxName, b));
    boxes_.add(box);
  }
}

void ParameterScreen::clearChoices() {
  for (SelectorGroup* g : groups_) g->clearIndicators();
}

void ParameterScreen::showTable() {
  if (traits_.beforeShow != nullptr) traits_.beforeShow(session_);
  for (SelectorGroup* g : groups_) g->showValue(traits_.stored(session_, g->group().entry));
  showing_ = true;
  for (int b = 0; b < traits_.boxCount; ++b) boxes_.write(b, Qs(traits_.boxText(session_, b)));
  showing_ = false;
}

void ParameterScreen::axisClicked(int panel) {
  if (!parameters::CanSelectAxis(panel, session_.axes)) return;
  SetIndicator(txtAxSel_[static_cast<std::size_t>(session_.currentAxis)], false);
  clearChoices();
  SetIndicator(txtAxSel_[static_cast<std::size_t>(panel)], true);
  session_.currentAxis = panel;
  showTable();
}

void ParameterScreen::choiceClicked(SelectorGroup* group, int index) {
  std::int32_t& stored = traits_.stored(session_, group->group().entry);
  stored = parameters::ChoiceValue(group->group(), index);
  group->showValue(stored);
}

void ParameterScreen::fileNameChanged() {
  // Every keystroke reads again, so a name that is no readable file passes in silence; a file that is not
  // in the form says where. Any file that is not read changes nothing.
  clearChoices();
  std::string why;
  if (traits_.readFile(session_, file_.fileName->text().toStdString(), &why) == Outcome::FileDamaged) {
    message(why);
  }
  showTable();
}

void ParameterScreen::fileOpen() {
  FileDialogRequest request{tr(traits_.dialogTitle), DefaultFileFilter(traits_.dialogFile), file_.fileName->text(),
                            FileDialogForm::Open};
  std::optional<QString> chosen = FileDialog()(this, request);
  if (!chosen) return;  // a cancelled dialog leaves the table and the name alone
  clearChoices();
  // A file that is not read changes nothing and says why; it does not become what "File Save" writes over.
  std::string why;
  if (traits_.readFile(session_, chosen->toStdString(), &why) == Outcome::Ok) {
    const QSignalBlocker readAlready(file_.fileName);
    file_.fileName->setText(*chosen);
  } else {
    message(why);
  }
  showTable();
}

void ParameterScreen::fileSave() {
  if (file_.fileName->text().isEmpty()) {
    message(tr(kMsgNoFileName).toStdString());
    return;
  }
  (void)traits_.writeFile(session_, file_.fileName->text().toStdString());
}

void ParameterScreen::exchange(const std::function<void()>& body) {
  if (session_.link.LinkBusy) return;
  const HandlerLock lock(session_, traits_.lockButtons ? std::vector<QPushButton*>{file_.cmdSave[0], file_.cmdSave[1],
                                                                                   file_.cmdRcv, file_.cmdTrans}
                                                       : std::vector<QPushButton*>{});
  body();
}

void ParameterScreen::receive() {
  exchange([this] {
    // One block in one exchange: Cancel acts only before it begins.
    Operation operation(session_, tr(traits_.receiveName), {file_.cancel});
    const Outcome status = HoldLine(session_.link, [this] { return traits_.fetch(session_); });
    operation.finish(ParameterTransferResult(status, tr(traits_.what), true));
    if (status != Outcome::Ok) return;
    clearChoices();
    showTable();
  });
}

void ParameterScreen::transmit() {
  exchange([this] {
    (void)traits_.send(session_, {tr(traits_.readFirstName), tr(traits_.sendName), tr(traits_.what), {file_.cancel}});
  });
}

void ParameterScreen::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  session_.*traits_.rememberedFile = file_.fileName->text();
  event->accept();
}

}  // namespace zova::app
