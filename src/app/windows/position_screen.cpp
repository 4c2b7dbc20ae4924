// The location and shift windows.
#include "app/windows/position_screen.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <optional>

#include "app/widgets/box_numbers.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/handler_lock.h"
#include "app/widgets/window_util.h"
#include "app/windows/screens.h"
#include "link/line_owner.h"
#include "base/translation.h"
#include "app/operation.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"

namespace zova::app {

namespace {

constexpr const char* kMsgNotNumber = QT_TRANSLATE_NOOP("zova::app::PositionScreen", " 숫자를 입력하십시요");
constexpr const char* kMsgReversedRange =
    QT_TRANSLATE_NOOP("zova::app::PositionScreen", " End Loc 는 Start Loc 보다 커야 합니다.");
constexpr const char* kMsgNoSaveFile =
    QT_TRANSLATE_NOOP("zova::app::PositionScreen", "File Open 메뉴에서 저장할 화일명을 입력하십시요.");

QLineEdit* Box(QWidget* parent, const QString& name, const QString& text) {
  auto* box = new QLineEdit(text, parent);
  box->setObjectName(name);
  return box;
}

}  // namespace

PositionScreen::PositionScreen(Session& session, const PositionScreenTraits& traits)
    : QWidget(nullptr, Qt::Window), session_(session), traits_(traits) {
  setObjectName(traits.objectName);
  setWindowTitle(tr(traits.caption));
  dialog_ = new DialogControl(this, traits.dialog, DefaultFileFilter(traits.dialogFile));
  auto* layout = new QHBoxLayout(this);
  layout->addWidget(buildFrame(traits.receiveFrame, receive_, false));
  layout->addWidget(buildFrame(traits.transFrame, trans_, true));

  const positions::TableLayout& tableLayout = table().layout();
  session_.ui.showProgressOn(tableLayout.receiveJob, 0, receive_.bar);
  session_.ui.showProgressOn(tableLayout.sendJob, 0, trans_.bar);
  receive_.bar->setObjectName(traits.receiveFrame.bar);
  trans_.bar->setObjectName(traits.transFrame.bar);

  for (int side = 0; side < 2; ++side) {
    const PositionFrameTraits& t = side == 0 ? traits.receiveFrame : traits.transFrame;
    Frame& frame = side == 0 ? receive_ : trans_;
    for (std::size_t i = 0; i < t.buttonList.size(); ++i) {
      const PositionAction action = t.buttonList[i].action;
      connect(frame.buttons[i], &QPushButton::clicked, this, [this, action, side] { press(action, side == 1); });
    }
    for (int i = 0; i < 2; ++i) {
      connect(frame.numbers[static_cast<std::size_t>(i)], &QLineEdit::textChanged, this,
              [this, &frame, i] { numberChanged(frame, i); });
    }
  }
  for (int k = 0; k < positions::kTableAxes; ++k) {
    connect(trans_.values[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this, [this, k] { valueChanged(k); });
  }

  adjustSize();
  CentreOnScreen(this);

  PositionData& rows = session_.positions;
  if (traits.showPointRows) {
    trans_.numbers[0]->setText(QString::number(rows.TxPointNo));
    showRow(trans_, rows.TxPointNo);
    showRow(receive_, rows.RxPointNo);
  } else {
    showRow(trans_, 0);
    showRow(receive_, 0);
  }
  trans_.file->setText(session_.*traits.transFile);
  receive_.file->setText(session_.*traits.receiveFile);
}

QWidget* PositionScreen::buildFrame(const PositionFrameTraits& t, Frame& frame, bool editableValues) {
  auto* box = new QGroupBox(tr(t.caption), this);
  box->setObjectName(t.frame);
  auto* grid = new QGridLayout(box);
  int row = 0;
  for (int i = 0; i < 2; ++i) {
    auto* label = new QLabel(tr(t.numberLabels[static_cast<std::size_t>(i)]), box);
    grid->addWidget(label, row, 0);
    frame.numbers[static_cast<std::size_t>(i)] = Box(box, ArrayName(t.numbers, i), "0");
    label->setBuddy(frame.numbers[static_cast<std::size_t>(i)]);
    grid->addWidget(frame.numbers[static_cast<std::size_t>(i)], row++, 1);
  }
  for (int k = 0; k < positions::kTableAxes; ++k) {
    auto* value = Box(box, ArrayName(t.values, k), "0.00");
    value->setReadOnly(!editableValues);
    FitWidthTo(value, kWidestPosition);
    frame.values[static_cast<std::size_t>(k)] = value;
    auto* label = new QLabel(tr(traits_.valueLabels[static_cast<std::size_t>(k)]), box);
    label->setBuddy(value);
    // The controller has no such axis: its box is greyed out.
    value->setEnabled(k < session_.axes);
    label->setEnabled(k < session_.axes);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row++, 1);
  }
  auto* fileLabel = new QLabel(tr("File Name"), box);
  grid->addWidget(fileLabel, row, 0);
  frame.file = Box(box, t.file, "");
  fileLabel->setBuddy(frame.file);
  ShowPathEnd(frame.file);
  grid->addWidget(frame.file, row++, 1);
  for (std::size_t i = 0; i < t.buttonList.size(); ++i) {
    auto* button = new QPushButton(tr(t.buttonList[i].caption), box);
    button->setObjectName(ArrayName(t.buttons, static_cast<int>(i)));
    frame.buttons.push_back(button);
    actionButtons_.push_back(button);
    grid->addWidget(button, row++, 0, 1, 2);
  }
  frame.bar = new QProgressBar(box);
  frame.bar->setValue(0);
  frame.cancel = MakeCancelButton(session_, box, QString(t.buttons) + "Cancel");
  auto* progress = new QHBoxLayout;
  progress->addWidget(frame.bar, 1);
  progress->addWidget(frame.cancel);
  grid->addLayout(progress, row, 0, 1, 2);
  return box;
}

void PositionScreen::press(PositionAction action, bool transmit) {
  if (!LineOpen(session_.link)) return;
  {
    HandlerLock lock(session_, actionButtons_);
    run(action, transmit);
  }
  if (transmit) trans_.bar->setValue(0);
}

void PositionScreen::run(PositionAction action, bool transmit) {
  switch (action) {
    case PositionAction::ReceiveFileOpen:
      openReceiveFile();
      break;
    case PositionAction::FileSave:
      saveFile();
      break;
    case PositionAction::TransFileOpen:
      openTransFile();
      break;
    default:
      transfer(action, transmit);
      break;
  }
}

void PositionScreen::transfer(PositionAction action, bool transmit) {
  Frame& frame = transmit ? trans_ : receive_;
  const positions::TableLayout& layout = table().layout();
  PositionData& rows = session_.positions;
  positions::Scope scope = positions::Scope::Single;
  int start = 0;
  int end = 0;
  int planned = 1;
  if (action == PositionAction::Receive) rows.RxPointNo = BoxInteger(receive_.numbers[0]->text());
  if (action == PositionAction::Trans) rows.TxPointNo = BoxInteger(trans_.numbers[0]->text());
  if (action == PositionAction::BlockReceive || action == PositionAction::BlockTrans) {
    start = BoxInteger(frame.numbers[0]->text());
    end = BoxInteger(frame.numbers[1]->text());
    if (start > end) {
      Ui& ui = session_.ui;
      ui.messageBox(tr(kMsgReversedRange).toStdString());
      return;
    }
    scope = positions::Scope::Block;
    planned = end - start + 1;
  }
  if (action == PositionAction::AllReceive || action == PositionAction::AllTrans) {
    scope = positions::Scope::All;
    planned = layout.fileRows;
  }
  (void)HoldLine(session_.link, [&] {
    QString caption;
    const PositionFrameTraits& t = transmit ? traits_.transFrame : traits_.receiveFrame;
    for (const PositionButton& b : t.buttonList) {
      if (b.action == action) caption = tr(b.caption);
    }
    Operation operation(session_, QString("%1 %2").arg(traits_.tableName, caption.trimmed()), {frame.cancel});
    // A cancelled fetch puts the table back: it holds the old rows or the whole fetch, never a mix.
    std::optional<PositionTable> before;
    const int rxPointNo = rows.RxPointNo;
    if (!transmit) before = table();
    const TransferOutcome outcome =
        transmit
            ? positions::SendTableRows(table(), session_.link, session_.axes, scope, start, end, rows.TxPointNo)
            : positions::ReceiveTableRows(table(), session_.link, session_.axes, scope, start, end, rows.RxPointNo);
    if (outcome.result == Outcome::Cancelled && before) {
      table() = *before;
      rows.RxPointNo = rxPointNo;
    }
    if (action == PositionAction::Receive && outcome.stored > 0) showRow(receive_, rows.RxPointNo);
    operation.finish(resultText(action, transmit, outcome, planned));
    return outcome.result;
  });
}

QString PositionScreen::resultText(PositionAction action, bool transmit, const TransferOutcome& outcome,
                                   int planned) const {
  const QString rowsWord = tr(planned == 1 ? traits_.rowWord : traits_.rowsWord);
  if (outcome.result == Outcome::Cancelled) {
    if (transmit) return tr("Cancelled: %1 of %2 %3 sent").arg(outcome.sent).arg(planned).arg(rowsWord);
    return tr("Cancelled after %1 of %2 %3; the table is as it was")
        .arg(outcome.stored + outcome.rejected)
        .arg(planned)
        .arg(rowsWord);
  }
  if (!outcome.result) return {};  // its message box said why
  const bool single = action == PositionAction::Receive || action == PositionAction::Trans;
  const QString what = single
                           ? tr("%1 %2", "a row and its number")
                                 .arg(tr(traits_.rowWord))
                                 .arg(transmit ? session_.positions.TxPointNo : session_.positions.RxPointNo)
                           : tr("%1 %2", "a count of rows").arg(transmit ? outcome.sent : outcome.stored).arg(rowsWord);
  if (transmit) return tr("%1 sent").arg(what);
  if (outcome.rejected == 0) return tr("%1 received").arg(what);
  if (single) return tr("%1 refused for a wrong checksum").arg(what);
  return tr("%1 received, %2 refused for a wrong checksum").arg(what).arg(outcome.rejected);
}

void PositionScreen::openReceiveFile() {
  // The received table is written to the chosen file.
  auto chosen = dialog_->open(tr(traits_.receiveDialogTitle), FileDialogForm::Save, true);
  if (!chosen) return;  // a cancelled dialog changes nothing
  receive_.file->setText(*chosen);
}

void PositionScreen::saveFile() {
  Ui& ui = session_.ui;
  const QString name = receive_.file->text();
  if (name.isEmpty()) {
    ui.messageBox(tr(kMsgNoSaveFile).toStdString());
    return;
  }
  (void)positions::SaveTableFile(table(), ui, name.toStdString());
}

void PositionScreen::openTransFile() {
  auto chosen = dialog_->open(tr(traits_.transDialogTitle), FileDialogForm::OpenOrNew, false);
  if (!chosen) return;
  trans_.file->setText(*chosen);
  Ui& ui = session_.ui;
  (void)positions::LoadTableFile(table(), ui, chosen->toStdString());
  if (traits_.showPointRows) {
    trans_.numbers[0]->setText("0");
    showRow(trans_, 0);  // also when the box already held "0" and so did not change
  }
}

void PositionScreen::numberChanged(Frame& frame, int index) {
  QLineEdit* box = frame.numbers[static_cast<std::size_t>(index)];
  const QString text = box->text();
  if (text.isEmpty()) return;
  Ui& ui = session_.ui;
  const auto number = BoxNumber(text);
  if (!number) {
    ui.messageBox(tr(kMsgNotNumber).toStdString());
    box->setText("0");
    return;
  }
  if (*number < 0 || *number > traits_.numberLimit) {
    if (traits_.outsideLimitMessage != nullptr) {
      ui.messageBox(tr(traits_.outsideLimitMessage).toStdString());
      box->setText("0");
    }
    return;
  }
  if (traits_.showRowOnNumber && index == 0) showRow(frame, RoundedNumber(*number));
}

void PositionScreen::valueChanged(int axis) {
  const auto number = BoxNumber(trans_.numbers[0]->text());
  if (!number) return;
  const int row = RoundedNumber(*number);
  if (!table().contains(row)) return;
  const std::int32_t value = BoxHundredths(trans_.values[static_cast<std::size_t>(axis)]->text());
  if (!positions::PositionValueTravels(value)) {
    Ui& ui = session_.ui;
    ui.messageBox(Tr(positions::kMsgPositionValueRange));
    showRow(trans_, row);  // the box goes back to what the table holds
    return;
  }
  table()[row][static_cast<std::size_t>(axis)] = value;
}

void PositionScreen::showRow(Frame& frame, int row) {
  if (!table().contains(row)) return;
  const positions::PositionRow values = table()[row];  // a copy: showing a value stores it back
  for (int k = 0; k < session_.axes && k < positions::kTableAxes; ++k) {
    frame.values[static_cast<std::size_t>(k)]->setText(HundredthsText(values[static_cast<std::size_t>(k)]));
  }
}

void PositionScreen::closeEvent(QCloseEvent* event) {
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  session_.*traits_.transFile = trans_.file->text();
  session_.*traits_.receiveFile = receive_.file->text();
  event->accept();
}

}  // namespace zova::app
