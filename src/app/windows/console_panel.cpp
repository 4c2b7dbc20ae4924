// The main window's working area.
#include "app/windows/console_panel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/desktop_alarms.h"
#include "app/widgets/window_util.h"
#include "app/windows/io_labels.h"
#include "language/compiler.h"
#include "link/line_owner.h"

namespace zova::app {

namespace {

QLineEdit* makeEdit(QWidget* parent, const QString& name, const QString& text, int width = 70) {
  auto* e = new QLineEdit(text, parent);
  e->setObjectName(name);
  e->setMaximumWidth(width);
  return e;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  return b;
}

QGroupBox* makeFrame(QWidget* parent, const QString& name, const QString& caption) {
  auto* f = new QGroupBox(caption, parent);
  f->setObjectName(name);
  return f;
}

QIcon stopIcon() {
  QPixmap p(16, 16);
  p.fill(QColor(200, 0, 0));
  return QIcon(p);
}

}  // namespace

ConsolePanel::ConsolePanel(Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  tmrUpStatus = new QTimer(this);
  tmrUpStatus->setObjectName("tmrUpStatus");
  tmrUpStatus->setInterval(500);
  auto* top = new QHBoxLayout(this);
  auto* left = new QVBoxLayout;
  auto* linkRow = new QHBoxLayout;
  imgComm_ = new QLabel(this);
  imgComm_->setObjectName("imgComm");
  imgCommOn_ = new QLabel(this);
  imgCommOn_->setObjectName("imgCommOn");
  imgCommOn_->setPixmap(DrawLinkPicture(true));
  imgCommOn_->hide();
  imgCommOff_ = new QLabel(this);
  imgCommOff_->setObjectName("imgCommOff");
  imgCommOff_->setPixmap(DrawLinkPicture(false));
  imgCommOff_->hide();
  setLinkPicture(false);
  linkRow->addWidget(imgComm_);
  linkRow->addStretch();
  left->addLayout(linkRow);
  left->addWidget(buildConsole());
  left->addWidget(buildSensorFrame());
  left->addStretch();
  top->addLayout(left);
  top->addWidget(buildIoFrames());
  // In the order of Available. The jog buttons stay usable: they must receive their release during the press.
  offered_ = {cmdSvon[0], cmdSvon[1], cmdSvon[2],     cmdZR,    nullptr,  nullptr, cmdRun[0],
              cmdRun[1],  cmdRun[2],  cmdIoStatus[0], fraIoOut, fraRunZr, fraJog};
  status_ = std::make_unique<console::StatusMonitor>(session_.link, *this, session_.axes);
  console_ = std::make_unique<console::ManualConsole>(*status_);
  wireConsole();
}

void ConsolePanel::wireConsole() {
  for (int i = 0; i < 3; ++i) {
    connect(cmdSvon[i], &QPushButton::clicked, this, [this, i] { console_->SvonClick(i); });
    connect(cmdRun[i], &QPushButton::clicked, this,
            [this, i] { console_->RunClick(i, txtRunPrgNo->text().toStdString()); });
  }
  connect(cmdZR, &QPushButton::clicked, this, [this] { console_->ZrClick(); });
  for (int i = 0; i < 2; ++i) {
    connect(cmdJog[i], &QPushButton::pressed, this,
            [this, i] { console_->JogPress(i, txtJogSpd->text().toStdString(), txtAxisSel->text().toStdString()); });
    connect(cmdJog[i], &QPushButton::released, this, [this, i] { console_->JogRelease(i); });
    connect(cmdAxisSel[i], &QPushButton::clicked, this, [this, i] { console_->AxisSelClick(i); });
    connect(cmdIoStatus[i], &QPushButton::clicked, this, [this, i] {
      // Checking with the port closed would poll nothing: refuse it as the console refuses its actions.
      if (i == 0 && !LineOpen(session_.link)) return;
      status_->IoStatusClick(i);
    });
  }
  connect(cmdLocSet, &QPushButton::clicked, this, [this] { console_->LocSetClick(txtLocSet->text().toStdString()); });
  connect(cmdMov, &QPushButton::clicked, this, [this] {
    language::Compiler compiler(session_.programs, session_.ui.diagnostics(), session_.languageConfig());
    console_->MovClick(compiler, txtMove[0]->text().toStdString(), txtMove[1]->text().toStdString(),
                       txtMove[2]->text().toStdString());
  });
  connect(cmdReadError, &QPushButton::clicked, this, [this] {
    // Every error report the desktop reads goes to the alarm log, as zovactl error's does.
    if (status_->ControllerErrorClick() && status_->LastError && status_->LastError->code != 0)
      LogDesktopAlarm(session_, status_->LastError->code, status_->LastError->value);
  });
  connect(txtRunPrgNo, &QLineEdit::textChanged, this, [this](const QString& text) {
    const QString kept = Qs(console_->RunPrgNoChanged(text.toStdString()));
    if (kept != text) txtRunPrgNo->setText(kept);
  });
  for (int p = 0; p < 64; ++p) {
    connect(chkIoOutput[p], &QCheckBox::clicked, this, [this, p] { console_->OutputClick(p); });
  }
  connect(tmrUpStatus, &QTimer::timeout, this, [this] { status_->Tick(); });
}

void ConsolePanel::setInputChecked(int point, bool checked) { chkIoInput[point]->setChecked(checked); }

void ConsolePanel::setOutputChecked(int point, bool checked) { chkIoOutput[point]->setChecked(checked); }

void ConsolePanel::setSensorColour(int box, console::SensorColour colour) {
  if (colour == console::SensorColour::Window) {
    txtSensor[box]->setStyleSheet(QString());
    return;
  }
  const QColor c = colour == console::SensorColour::Red ? QColor(255, 0, 0) : QColor(0, 255, 0);
  // Disabled with its window (or beyond the axis count), a lit sensor greys out like every other control.
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Window);
  const QColor dim((c.red() + 2 * grey.red()) / 3, (c.green() + 2 * grey.green()) / 3,
                   (c.blue() + 2 * grey.blue()) / 3);
  txtSensor[box]->setStyleSheet(
      QString("QLineEdit { background-color: %1; } QLineEdit:disabled { background-color: %2; }")
          .arg(c.name(), dim.name()));
}

void ConsolePanel::clearConnectionDisplay() {
  for (int axis = 0; axis < 6; ++axis) setPositionTexts(axis, {}, {});
  for (int box = 0; box < 18; ++box) setSensorColour(box, console::SensorColour::Window);
}

void ConsolePanel::applyAxisCount() {
  status_->Axes = session_.axes;  // the system parameters may have changed the axis count
  for (int axis = 0; axis < 6; ++axis) {
    for (QWidget* w : axisRows_[static_cast<std::size_t>(axis)]) w->setEnabled(axis < session_.axes);
  }
}

void ConsolePanel::setPositionTexts(int axis, const std::string& command, const std::string& actual) {
  txtComPos[axis]->setText(Qs(command));
  txtActPos[axis]->setText(Qs(actual));
}

void ConsolePanel::setAxisSelText(const std::string& text) { txtAxisSel->setText(Qs(text)); }

void ConsolePanel::setAvailable(console::Available what, bool available) {
  if (QWidget* w = offered_[static_cast<std::size_t>(what)]) w->setEnabled(available);
}

void ConsolePanel::setPolling(bool on) {
  if (on) {
    tmrUpStatus->start();
  } else {
    tmrUpStatus->stop();
  }
}

void ConsolePanel::setLinkPicture(bool on) { imgComm_->setPixmap((on ? imgCommOn_ : imgCommOff_)->pixmap()); }

QWidget* ConsolePanel::buildIoFrames() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);
  fraIoInput = makeFrame(box, "fraIoInput", tr("I/O Input"));
  auto* inputs = new QHBoxLayout(fraIoInput);
  for (int module = 0; module < 2; ++module) {
    auto* frame = makeFrame(fraIoInput, ArrayName("fraIoModule", module), tr("Module %1").arg(module + 1));
    auto* grid = new QGridLayout(frame);
    for (int i = 0; i < 32; ++i) {
      const int point = module * 32 + i;
      auto* c = new QCheckBox(InputLabel(point), frame);
      c->setObjectName(ArrayName("chkIoInput", point));
      c->setAttribute(Qt::WA_TransparentForMouseEvents);  // inputs are shown, not switched
      c->setFocusPolicy(Qt::NoFocus);
      grid->addWidget(c, i % 8, i / 8);  // counted down each column
      chkIoInput[point] = c;
    }
    inputs->addWidget(frame);
  }
  layout->addWidget(fraIoInput);
  fraIoOut = makeFrame(box, "fraIoOut", tr("I/O Output"));
  auto* grid = new QGridLayout(fraIoOut);
  for (int point = 0; point < 64; ++point) {
    auto* c = new QCheckBox(OutputLabel(point), fraIoOut);
    c->setObjectName(ArrayName("chkIoOutput", point));
    grid->addWidget(c, point % 8, point / 8);
    chkIoOutput[point] = c;
  }
  layout->addWidget(fraIoOut);
  return box;
}

QWidget* ConsolePanel::buildSensorFrame() {
  auto* frame = makeFrame(this, "fraSensor", tr("Sensor"));
  auto* grid = new QGridLayout(frame);
  const QString captions[] = {tr("POS"), tr("HOME"), tr("NEG")};
  for (int c = 0; c < 3; ++c) grid->addWidget(new QLabel(captions[c], frame), 0, c + 1);
  // A box's name is its row and column heading: the frame's title alone would name all eighteen alike.
  for (int axis = 0; axis < 6; ++axis) {
    auto* label = new QLabel(tr("%1 Axis").arg(axis + 1), frame);
    grid->addWidget(label, axis + 1, 0);
    axisRows_[static_cast<std::size_t>(axis)].push_back(label);
    for (int c = 0; c < 3; ++c) {
      auto* e = makeEdit(frame, ArrayName("txtSensor", 3 * axis + c), "", 40);
      e->setReadOnly(true);
      e->setFocusPolicy(Qt::NoFocus);
      e->setAccessibleName(label->text() + " " + captions[c]);
      grid->addWidget(e, axis + 1, c + 1);
      txtSensor[3 * axis + c] = e;
      axisRows_[static_cast<std::size_t>(axis)].push_back(e);
    }
  }
  grid->setColumnStretch(4, 1);  // the boxes stay next to their axis names
  return frame;
}

QWidget* ConsolePanel::buildConsole() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);  // the frames line up with the sensor frame under them
  layout->addWidget(buildRunFrame(box));
  layout->addWidget(buildJogFrame(box));
  layout->addWidget(buildPositionFrame(box));
  auto* io = new QHBoxLayout;
  cmdIoStatus[0] = makeButton(box, ArrayName("cmdIoStatus", 0), tr("I/O Check Start"));
  cmdIoStatus[1] = makeButton(box, ArrayName("cmdIoStatus", 1), tr("I/O Check Stop"));
  io->addWidget(cmdIoStatus[0]);
  io->addWidget(cmdIoStatus[1]);
  layout->addLayout(io);
  return box;
}

QWidget* ConsolePanel::buildRunFrame(QWidget* parent) {
  fraRunZr = makeFrame(parent, "fraRunZr", "");
  auto* runZr = new QGridLayout(fraRunZr);
  const QString svon[] = {tr("AMP ON"), tr("AMP OFF"), tr("ALARM RESET")};
  for (int i = 0; i < 3; ++i) {
    cmdSvon[i] = makeButton(fraRunZr, ArrayName("cmdSvon", i), svon[i]);
    runZr->addWidget(cmdSvon[i], 0, i);
  }
  cmdReadError = makeButton(fraRunZr, "cmdReadError", tr("ERROR READ"));
  runZr->addWidget(cmdReadError, 0, 3);
  cmdZR = makeButton(fraRunZr, "cmdZR", tr("ZR"));
  runZr->addWidget(cmdZR, 1, 0);

  fraRun = makeFrame(fraRunZr, "fraRun", tr("Run"));
  auto* run = new QHBoxLayout(fraRun);
  txtRunPrgNo = makeEdit(fraRun, "txtRunPrgNo", "0", 40);
  txtRunPrgNo->setAccessibleName(tr("Program number to run"));
  run->addWidget(txtRunPrgNo);
  cmdRun[0] = makeButton(fraRun, ArrayName("cmdRun", 0), tr("RUN"));
  cmdRun[1] = makeButton(fraRun, ArrayName("cmdRun", 1), "");
  cmdRun[1]->setIcon(stopIcon());
  cmdRun[1]->setToolTip(tr("STOP"));
  cmdRun[1]->setAccessibleName(tr("STOP"));  // a picture, which a screen reader cannot read
  cmdRun[2] = makeButton(fraRun, ArrayName("cmdRun", 2), tr("RUN-RESET"));
  for (auto* b : cmdRun) run->addWidget(b);
  runZr->addWidget(fraRun, 1, 1, 1, 3);

  auto* move = makeFrame(fraRunZr, "fraMove", tr("Move"));
  auto* moveLayout = new QHBoxLayout(move);
  const char* moveTexts[] = {"MVE P000", "10", "50"};  // a command line and two numbers: typed, not read
  const QString moveNames[] = {tr("Command line"), tr("Speed"), tr("Acceleration")};
  for (int i = 0; i < 3; ++i) {
    txtMove[i] = makeEdit(move, ArrayName("txtMove", i), moveTexts[i], i == 0 ? 160 : 50);
    txtMove[i]->setAccessibleName(moveNames[i]);
    moveLayout->addWidget(txtMove[i]);
  }
  cmdMov = makeButton(move, "cmdMov", tr("OK"));
  moveLayout->addWidget(cmdMov);
  runZr->addWidget(move, 2, 0, 1, 4);
  return fraRunZr;
}

QWidget* ConsolePanel::buildJogFrame(QWidget* parent) {
  fraJog = makeFrame(parent, "fraJog", tr("Jog"));
  auto* jog = new QGridLayout(fraJog);
  cmdJog[0] = makeButton(fraJog, ArrayName("cmdJog", 0), tr("<-  Pos"));
  cmdJog[1] = makeButton(fraJog, ArrayName("cmdJog", 1), tr("Neg  ->"));
  jog->addWidget(cmdJog[0], 0, 0);
  jog->addWidget(cmdJog[1], 0, 1);
  auto* speed = new QLabel(tr("Speed"), fraJog);
  jog->addWidget(speed, 1, 0);
  txtJogSpd = makeEdit(fraJog, "txtJogSpd", "10", 50);
  speed->setBuddy(txtJogSpd);
  jog->addWidget(txtJogSpd, 1, 1);
  auto* axisLabel = new QLabel(tr("Axis"), fraJog);
  jog->addWidget(axisLabel, 2, 0);
  txtAxisSel = makeEdit(fraJog, "txtAxisSel", "1", 50);
  axisLabel->setBuddy(txtAxisSel);
  txtAxisSel->setReadOnly(true);
  jog->addWidget(txtAxisSel, 2, 1);
  cmdAxisSel[0] = makeButton(fraJog, ArrayName("cmdAxisSel", 0), tr("NEXT"));
  cmdAxisSel[1] = makeButton(fraJog, ArrayName("cmdAxisSel", 1), tr("PREV"));
  jog->addWidget(cmdAxisSel[0], 2, 2);
  jog->addWidget(cmdAxisSel[1], 2, 3);
  return fraJog;
}

QWidget* ConsolePanel::buildPositionFrame(QWidget* parent) {
  auto* positions = makeFrame(parent, "fraPosition", tr("Position"));
  auto* pos = new QGridLayout(positions);
  const QString rowNames[] = {tr("Command"), tr("Actual")};
  pos->addWidget(new QLabel(rowNames[0], positions), 1, 0);
  pos->addWidget(new QLabel(rowNames[1], positions), 2, 0);
  for (int axis = 0; axis < 6; ++axis) {
    auto* label = new QLabel(tr("%1 Axis").arg(axis + 1), positions);
    pos->addWidget(label, 0, axis + 1);
    txtComPos[axis] = makeEdit(positions, ArrayName("txtComPos", axis), "");
    txtActPos[axis] = makeEdit(positions, ArrayName("txtActPos", axis), "");
    txtComPos[axis]->setAccessibleName(label->text() + " " + rowNames[0]);
    txtActPos[axis]->setAccessibleName(label->text() + " " + rowNames[1]);
    for (QLineEdit* e : {txtComPos[axis], txtActPos[axis]}) {
      e->setReadOnly(true);
      FitWidthTo(e, kWidestPosition);
      axisRows_[static_cast<std::size_t>(axis)].push_back(e);
    }
    axisRows_[static_cast<std::size_t>(axis)].push_back(label);
    pos->addWidget(txtComPos[axis], 1, axis + 1);
    pos->addWidget(txtActPos[axis], 2, axis + 1);
  }
  auto* locRow = new QHBoxLayout;
  auto* locLabel = new QLabel(tr("LOC #"), positions);
  locRow->addWidget(locLabel);
  txtLocSet = makeEdit(positions, "txtLocSet", "0", 60);
  locLabel->setBuddy(txtLocSet);
  locRow->addWidget(txtLocSet);
  cmdLocSet = makeButton(positions, "cmdLocSet", tr("SET"));
  locRow->addWidget(cmdLocSet);
  locRow->addStretch();
  pos->addLayout(locRow, 3, 0, 1, 7);
  return positions;
}

}  // namespace zova::app
