// The recorder window.
#include "app/windows/frm_recorder.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QAbstractItemView>
#include <QHBoxLayout>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <chrono>

#include "app/desktop_alarms.h"
#include "app/qt/file_dialog.h"
#include "app/widgets/window_util.h"
#include "base/atomic_file.h"
#include "base/system.h"
#include "base/text_lines.h"
#include "console/status_monitor.h"
#include "link/line_owner.h"
#include "link/link_error.h"
#include "zova/version.h"

namespace zova::app {

namespace {

using recorder::Micros;
using recorder::Trigger;

constexpr int kDrawMs = 100;         // the timeline follows a live recording ten times a second
constexpr int kLongestWaitMs = 100;  // a turn at least this often, so that a stop is seen at once
constexpr int kBusyLookMs = 5;       // between looks at a line another operation holds
constexpr recorder::FileForm kCaptureForm = recorder::FileForm::Csv;
// Hours of every signal; a larger file is refused before it is read.
constexpr std::size_t kMaxRecordingBytes = std::size_t{1} << 30;

// The trigger box's entries, in its order.
enum TriggerChoice { kNoTrigger, kOnError, kOnRise, kOnFall, kOnAbove, kOnBelow };

// "2026-12-07T223001.123Z-in3-rise.csv": the trigger's time a capture's name carries.
std::optional<recorder::Utc> CaptureTime(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (name.size() < 22 || name[10] != 'T') return std::nullopt;
  const QString text = name.left(13) + ":" + name.mid(13, 2) + ":" + name.mid(15, 7);
  recorder::Utc t;
  if (!recorder::ParseUtc(text.toStdString(), t)) return std::nullopt;
  return t;
}

}  // namespace

QString FrmRecorder::RecordingsFolder() { return QDir(Qs(UserDataFolder())).filePath("recordings"); }

FrmRecorder::FrmRecorder(Session& session, QWidget* parent) : QWidget(parent, Qt::Window), session_(session) {
  setObjectName("frmRecorder");
  setWindowTitle(tr("Recorder"));
  auto* split = new QSplitter(this);
  split->setObjectName("splRecorder");
  split->addWidget(buildSettings());
  timeline_ = new Timeline(split);
  split->addWidget(timeline_);
  split->setStretchFactor(1, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(split, 1);
  lblState_ = new QLabel(this);
  lblState_->setObjectName("lblRecorderState");
  lblState_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(lblState_);
  connect(timeline_, &Timeline::cursorMoved, this,
          [this](const QString& text) { timeline_->setAccessibleDescription(text); });

  turnTimer_ = new QTimer(this);
  turnTimer_->setSingleShot(true);
  connect(turnTimer_, &QTimer::timeout, this, &FrmRecorder::turn);
  drawTimer_ = new QTimer(this);
  drawTimer_->setInterval(kDrawMs);
  connect(drawTimer_, &QTimer::timeout, this, [this] {
    timeline_->refresh();
    showState();
  });
  signals_->setAxes(session_.axes);
  recorder::SignalSet inputs;
  std::string ignored;
  (void)recorder::ParseSignalList("in,error", std::max(session_.axes, 1), inputs, ignored);
  signals_->choose(inputs);
  timeline_->reset(inputs, recorder::Utc{});
  resize(1100, 640);
  showState();
}

FrmRecorder::~FrmRecorder() = default;

QWidget* FrmRecorder::buildSettings() {
  auto* panel = new QWidget(this);
  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  auto* signalsLabel = new QLabel(tr("&Signals:"), panel);
  signals_ = new SignalChooser(panel);
  signalsLabel->setBuddy(signals_);
  column->addWidget(signalsLabel);
  column->addWidget(signals_, 1);

  auto* form = new QFormLayout;
  chkFastest_ = new QCheckBox(tr("As &fast as the line allows"), panel);
  chkFastest_->setObjectName("chkFastest");
  spnInterval_ = new QSpinBox(panel);
  spnInterval_->setObjectName("spnInterval");
  spnInterval_->setRange(10, 3'600'000);
  spnInterval_->setValue(20);
  spnInterval_->setSuffix(" ms");
  connect(chkFastest_, &QCheckBox::toggled, spnInterval_, &QWidget::setDisabled);
  form->addRow(chkFastest_);
  form->addRow(tr("&Interval:"), spnInterval_);

  cboTrigger_ = new QComboBox(panel);
  cboTrigger_->setObjectName("cboTrigger");
  cboTrigger_->addItems({tr("None"), tr("Controller error"), tr("Signal rises"), tr("Signal falls"),
                         tr("Position rises to"), tr("Position falls to")});
  form->addRow(tr("&Trigger:"), cboTrigger_);
  cboTriggerSignal_ = new QComboBox(panel);
  cboTriggerSignal_->setObjectName("cboTriggerSignal");
  form->addRow(tr("Si&gnal:"), cboTriggerSignal_);
  // A combo box's list is a control of its own to a screen reader.
  cboTrigger_->view()->setAccessibleName(tr("Kinds of trigger"));
  cboTriggerSignal_->view()->setAccessibleName(tr("Signals a trigger can watch"));
  spnLevel_ = new QDoubleSpinBox(panel);
  spnLevel_->setObjectName("spnLevel");
  spnLevel_->setRange(-21474836.48, 21474836.47);
  spnLevel_->setDecimals(2);
  form->addRow(tr("&Position:"), spnLevel_);
  auto seconds = [panel](const char* name, double value) {
    auto* box = new QDoubleSpinBox(panel);
    box->setObjectName(name);
    box->setRange(0, 3600);
    box->setDecimals(3);
    box->setValue(value);
    box->setSuffix(" s");
    return box;
  };
  spnPre_ = seconds("spnPre", 60);
  spnPost_ = seconds("spnPost", 10);
  form->addRow(tr("&Before the trigger:"), spnPre_);
  form->addRow(tr("&After the trigger:"), spnPost_);
  column->addLayout(form);
  connect(cboTrigger_, &QComboBox::currentIndexChanged, this, &FrmRecorder::triggerKindChanged);
  triggerKindChanged();

  auto* run = new QHBoxLayout;
  cmdStart_ = MakeButton(panel, "cmdStart", tr("Sta&rt"));
  cmdStop_ = MakeButton(panel, "cmdStop", tr("St&op"));
  auto* clearButton = MakeButton(panel, "cmdClear", tr("&Clear"));
  for (QPushButton* b : {cmdStart_, cmdStop_, clearButton}) run->addWidget(b);
  column->addLayout(run);
  auto* files = new QHBoxLayout;
  auto* open = cmdOpen_ = MakeButton(panel, "cmdOpen", tr("Op&en..."));
  auto* save = MakeButton(panel, "cmdSave", tr("Sa&ve..."));
  auto* png = MakeButton(panel, "cmdExportPng", tr("P&NG..."));
  png->setToolTip(tr("Saves the timeline as it is shown as a PNG picture"));
  auto* whole = MakeButton(panel, "cmdWhole", tr("&Whole recording"));
  for (QPushButton* b : {open, save, png, whole}) files->addWidget(b);
  column->addLayout(files);
  connect(cmdStart_, &QPushButton::clicked, this, &FrmRecorder::start);
  connect(cmdStop_, &QPushButton::clicked, this, &FrmRecorder::stop);
  connect(clearButton, &QPushButton::clicked, this, &FrmRecorder::clear);
  connect(whole, &QPushButton::clicked, this, [this] { timeline_->fitAll(); });
  const QString recordings = tr("Recordings") + " (*.csv *.vcd);;CSV (*.csv);;VCD (*.vcd)";
  connect(open, &QPushButton::clicked, this, [this, recordings] {
    const auto chosen = FileDialog()(
        this,
        {tr("Open Recording"), recordings, lastFile_.isEmpty() ? RecordingsFolder() : lastFile_, FileDialogForm::Open});
    if (chosen) openFile(*chosen);
  });
  connect(save, &QPushButton::clicked, this, [this, recordings] {
    const auto chosen = FileDialog()(this, {tr("Save Recording"), recordings, lastFile_, FileDialogForm::Save, true});
    if (chosen) saveFile(*chosen);
  });
  connect(png, &QPushButton::clicked, this, [this] {
    const auto chosen =
        FileDialog()(this, {tr("Export Timeline"), tr("Pictures") + " (*.png)", {}, FileDialogForm::Save, true});
    if (chosen) exportPng(*chosen);
  });
  return panel;
}

void FrmRecorder::triggerKindChanged() {
  const int kind = cboTrigger_->currentIndex();
  const bool bits = kind == kOnRise || kind == kOnFall;
  const bool positions = kind == kOnAbove || kind == kOnBelow;
  cboTriggerSignal_->clear();
  for (const recorder::Signal s : recorder::AllSignals(std::max(session_.axes, 1)).list) {
    if ((bits && recorder::IsBit(s)) || (positions && s.group == recorder::Group::ActualPositions))
      cboTriggerSignal_->addItem(Qs(recorder::SignalName(s)), Qs(recorder::ShortName(s)));
  }
  cboTriggerSignal_->setEnabled(bits || positions);
  spnLevel_->setEnabled(positions);
  spnPre_->setEnabled(kind != kNoTrigger);
  spnPost_->setEnabled(kind != kNoTrigger);
}

bool FrmRecorder::readTrigger(const recorder::SignalSet& set, recorder::RecorderSettings& settings) {
  const int kind = cboTrigger_->currentIndex();
  settings.pre = std::chrono::milliseconds(std::llround(spnPre_->value() * 1000));
  settings.post = std::chrono::milliseconds(std::llround(spnPost_->value() * 1000));
  if (kind == kNoTrigger) return true;
  // The core reads the trigger as the command line's --trigger, and refuses a signal the set does not read.
  const QString signal = cboTriggerSignal_->currentData().toString();
  const QString level = QString::number(spnLevel_->value(), 'f', 2);
  const QString text = kind == kOnError  ? QString("error")
                       : kind == kOnRise ? signal + ":rise"
                       : kind == kOnFall ? signal + ":fall"
                                         : signal + (kind == kOnAbove ? ":above:" : ":below:") + level;
  Trigger t;
  std::string error;
  if (!recorder::ParseTrigger(text.toStdString(), set, t, error)) {
    Ui& ui = session_.ui;
    ui.messageBox(error);
    return false;
  }
  settings.trigger = t;
  settings.keep = std::max<Micros>(settings.keep, settings.pre + settings.post + std::chrono::seconds(1));
  return true;
}

void FrmRecorder::start() {
  if (rec_ != nullptr || !LineOpen(session_.link)) return;
  const recorder::SignalSet set = signals_->chosen();
  if (set.list.empty()) {
    Ui& ui = session_.ui;
    ui.messageBox(tr("Choose at least one signal to record.").toStdString());
    return;
  }
  recorder::RecorderSettings settings;
  settings.interval = chkFastest_->isChecked() ? Micros{0} : std::chrono::milliseconds(spnInterval_->value());
  if (!readTrigger(set, settings)) return;
  trigger_ = settings.trigger;
  rec_ = std::make_unique<recorder::Recorder>(session_.link, set, settings);
  start_ = std::chrono::time_point_cast<Micros>(std::chrono::system_clock::now());
  clock_.start();
  handed_ = 0;
  lastValues_.reset();
  capturing_ = false;
  lastCode_ = lastValue_ = 0;
  heldAlarms_.clear();
  timeline_->reset(set, start_);
  for (QWidget* w : std::initializer_list<QWidget*>{signals_, chkFastest_, spnInterval_, cboTrigger_, cboTriggerSignal_,
                                                    spnLevel_, spnPre_, spnPost_}) {
    w->setProperty("wasEnabled", w->isEnabled());
    w->setEnabled(false);
  }
  turnTimer_->start(0);
  drawTimer_->start();
  showState();
}

void FrmRecorder::turn() {
  if (rec_ == nullptr || turning_) return;
  turning_ = true;
  // The link yields to the event loop while it waits: a stop or a close asked meanwhile waits for this turn.
  const Micros now = std::chrono::duration_cast<Micros>(std::chrono::nanoseconds(clock_.nsecsElapsed()));
  const Outcome o = rec_->turn(now);
  takeNewSamples();
  for (const recorder::Capture& c : rec_->takeCaptures()) saveCapture(c);
  turning_ = false;
  if (!o && o != Outcome::Busy) {
    stop();
    if (!console::LineGaveUp(session_.link)) ShowOutcome(session_.ui, o);
  } else if (stopAfterTurn_) {
    stop();
  } else {
    // While another operation holds the line the next look waits a little, not a spin of the event loop.
    const auto due = std::chrono::duration_cast<std::chrono::milliseconds>(rec_->nextDue() - now).count();
    const long long wait = o == Outcome::Busy ? std::max<long long>(due, kBusyLookMs) : due;
    turnTimer_->start(static_cast<int>(std::clamp<long long>(wait, 0, kLongestWaitMs)));
  }
  if (closeAfterTurn_) close();
}

void FrmRecorder::takeNewSamples() {
  const recorder::SampleRing& ring = rec_->ring();
  // Entries the ring dropped before the timeline saw them are gone for it too.
  handed_ = std::max(handed_, rec_->kept() - std::min(rec_->kept(), ring.size()));
  // The timeline keeps at most twice what the ring holds: past that it starts again from the ring.
  if (timeline_->data().size() > 2 * ring.capacity()) {
    const std::optional<Micros> mark = timeline_->trigger();
    timeline_->reset(rec_->set(), start_);
    timeline_->setTrigger(mark);
    for (std::size_t i = 0; i + (rec_->kept() - handed_) < ring.size(); ++i) timeline_->append(ring[i]);
  }
  for (; handed_ < rec_->kept(); ++handed_) {
    const recorder::Sample s = ring[ring.size() - (rec_->kept() - handed_)];
    timeline_->append(s);
    if (s.gap) continue;
    if (trigger_ && !capturing_ && lastValues_ && recorder::Fires(*trigger_, *lastValues_, s)) {
      capturing_ = true;
      timeline_->setTrigger(s.at);
    }
    lastValues_ = s;
    noteError(s);
  }
}

void FrmRecorder::noteError(const recorder::Sample& s) {
  if (!rec_->set().reads(recorder::Group::Error)) return;
  const bool fresh = s.errorCode != 0 && (s.errorCode != lastCode_ || s.errorValue != lastValue_);
  lastCode_ = s.errorCode;
  lastValue_ = s.errorValue;
  if (!fresh) return;
  // An error inside a capture is logged with the capture's file, once it has its name.
  if (capturing_) {
    heldAlarms_.emplace_back(s.errorCode, s.errorValue);
  } else {
    LogDesktopAlarm(session_, s.errorCode, s.errorValue);
  }
}

void FrmRecorder::saveCapture(const recorder::Capture& c) {
  capturing_ = false;
  const recorder::FileForm form = kCaptureForm;
  const QString path = QDir(RecordingsFolder()).filePath(Qs(recorder::CaptureFileName(start_, c, form)));
  const std::string text =
      recorder::RecordingText(recorder::CaptureRecording(rec_->ring(), rec_->set(), start_, c), form, VersionNumber());
  std::string error;
  QDir().mkpath(RecordingsFolder());
  const bool written = SaveFileAtomically(path.toStdString(), text, error);
  if (!written) {
    Ui& ui = session_.ui;
    ui.messageBox(FormatFileFault(path.toStdString(), error));
  } else {
    saved_.push_back(path);
  }
  for (const auto& [code, value] : std::exchange(heldAlarms_, {}))
    LogDesktopAlarm(session_, code, value, written ? path.toStdString() : std::string());
  showState();
}

void FrmRecorder::stop() {
  if (rec_ == nullptr) return;
  if (turning_) {
    stopAfterTurn_ = true;
    return;
  }
  stopAfterTurn_ = false;
  turnTimer_->stop();
  drawTimer_->stop();
  takeNewSamples();
  if (const std::optional<recorder::Capture> c = rec_->finish()) saveCapture(*c);
  rec_.reset();
  for (QWidget* w : std::initializer_list<QWidget*>{signals_, chkFastest_, spnInterval_, cboTrigger_, cboTriggerSignal_,
                                                    spnLevel_, spnPre_, spnPost_}) {
    w->setEnabled(w->property("wasEnabled").toBool());
  }
  timeline_->refresh();
  showState();
}

void FrmRecorder::clear() {
  const std::optional<Micros> keepFrom = rec_ != nullptr && rec_->ring().size() > 0
                                             ? std::optional(rec_->ring()[rec_->ring().size() - 1].at)
                                             : std::nullopt;
  timeline_->reset(rec_ != nullptr ? rec_->set() : signals_->chosen(), start_);
  if (keepFrom) timeline_->setView(*keepFrom, *keepFrom + (timeline_->viewTo() - timeline_->viewFrom()));
  showState();
}

bool FrmRecorder::openFile(const QString& path) {
  if (rec_ != nullptr) stop();
  if (rec_ != nullptr) {
    // The recording's last turn is still under way (the alarm log asked meanwhile): open once it has ended.
    QTimer::singleShot(kBusyLookMs, this, [this, path] { openFile(path); });
    return false;
  }
  Ui& ui = session_.ui;
  std::string text, error;
  if (!ReadWholeFile(path.toStdString(), kMaxRecordingBytes, text, error)) {
    ui.messageBox(FormatFileFault(path.toStdString(), error));
    return false;
  }
  recorder::Recording r;
  if (const TextFault fault = recorder::ReadRecordingText(text, r); fault.failed()) {
    ui.messageBox(FormatTextFault(path.toStdString(), fault));
    return false;
  }
  lastFile_ = path;
  timeline_->showRecording(r);
  if (const std::optional<recorder::Utc> at = CaptureTime(path)) timeline_->setTrigger(*at - r.start);
  signals_->setAxes(std::max(r.set.axes, session_.axes));
  signals_->choose(r.set);
  setWindowTitle(tr("Recorder") + " - " + QFileInfo(path).fileName());
  showState();
  return true;
}

bool FrmRecorder::saveFile(const QString& path) {
  Ui& ui = session_.ui;
  recorder::FileForm form{};
  if (!recorder::FormOfName(path.toStdString(), form)) {
    ui.messageBox(Tr("{1}: the name must end in .csv or .vcd", {path.toStdString()}));
    return false;
  }
  const TimelineData& shown = timeline_->data();
  recorder::Recording r{.set = shown.set(), .start = shown.start(), .samples = {}};
  r.samples.reserve(shown.size());
  for (std::size_t i = 0; i < shown.size(); ++i) r.samples.push_back(shown.sample(i));
  std::string error;
  if (!SaveFileAtomically(path.toStdString(), recorder::RecordingText(r, form, VersionNumber()), error)) {
    ui.messageBox(FormatFileFault(path.toStdString(), error));
    return false;
  }
  lastFile_ = path;
  return true;
}

bool FrmRecorder::exportPng(const QString& path) {
  if (timeline_->grab().save(path, "PNG")) return true;
  Ui& ui = session_.ui;
  ui.messageBox(FormatFileFault(path.toStdString(), tr("the picture could not be written").toStdString()));
  return false;
}

void FrmRecorder::showState() {
  cmdStart_->setEnabled(rec_ == nullptr);
  cmdStop_->setEnabled(rec_ != nullptr);
  cmdOpen_->setEnabled(rec_ == nullptr);  // a file would mix with the samples still coming
  QString state = rec_ != nullptr ? tr("Recording: %1 samples").arg(rec_->samplesTaken())
                                  : tr("%1 samples").arg(timeline_->data().size());
  if (capturing_) state += "  " + tr("Trigger fired: saving the seconds after it");
  if (!saved_.empty()) state += "  " + tr("Last capture: %1").arg(saved_.back());
  lblState_->setText(state);
}

void FrmRecorder::closeEvent(QCloseEvent* event) {
  if (turning_) {
    closeAfterTurn_ = true;
    stopAfterTurn_ = true;
    event->ignore();
    return;
  }
  stop();
  event->accept();
}

}  // namespace zova::app
