// The main window.
#include "app/windows/frm_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QActionGroup>
#include <QMenuBar>
#include <QSerialPortInfo>
#include <QStatusBar>
#include <QVBoxLayout>

#include "app/desktop_language.h"
#include "app/version.h"
#include "app/widgets/handler_lock.h"
#include "app/windows/frm_backup.h"
#include "app/windows/frm_editor.h"
#include "app/windows/io_labels.h"
#include "app/qt/qt_sim_port.h"
#include "app/qt/serial_port_factory.h"
#include "app/qt/stored_settings.h"
#include "app/widgets/keyboard.h"
#include "app/widgets/window_util.h"
#include "app/windows/dlg_network_port.h"
#include "app/windows/frm_line_monitor.h"
#include "language/compiler.h"
#include "link/decoders.h"
#include "link/line_settings.h"
#include "link/network_address.h"
#include "link/link_error.h"

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

constexpr const char* kSimDevice = "sim";

// The terms the program is given under, as Help > About states them.
constexpr const char* kLicence = QT_TRANSLATE_NOOP("zova::app::FrmMain", "none declared: ask the supplier");

// "COM1" names the device it opens, so a failure there can be looked up on this machine.
QString PortTitle(const QString& device) {
  if (device == kSimDevice) return FrmMain::tr("Simulator");
  const QString opened = ResolvePortName(device);
  return opened == device ? device : QString("%1 (%2)").arg(device, opened);
}

QIcon stopIcon() {
  QPixmap p(16, 16);
  p.fill(QColor(200, 0, 0));
  return QIcon(p);
}

}  // namespace

FrmMain::FrmMain(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
  setObjectName("frmMain");
  setWindowTitle(tr("Zova PC Communication Program"));
  ApplyStoredSettings(ReadStoredSettings(), session_.lineSettings, session_.flowControl, session_.ui);
  tmrUpStatus = new QTimer(this);
  tmrUpStatus->setObjectName("tmrUpStatus");
  tmrUpStatus->setInterval(500);
  buildMenus();

  auto* central = new QWidget(this);
  auto* top = new QHBoxLayout(central);
  auto* left = new QVBoxLayout;
  auto* linkRow = new QHBoxLayout;
  imgComm_ = new QLabel(central);
  imgComm_->setObjectName("imgComm");
  imgCommOn_ = new QLabel(central);
  imgCommOn_->setObjectName("imgCommOn");
  imgCommOn_->setPixmap(DrawLinkPicture(true));
  imgCommOn_->hide();
  imgCommOff_ = new QLabel(central);
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
  setCentralWidget(central);
  portDevice_ = ReadLastPort();
  buildStatusBar();

  session_.connection.onStateChanged = [this](bool open) {
    setLinkPicture(open);
    clearConnectionDisplay();
    updatePortMenu();
    updateStatusBar();
    emit portStateChanged(open);
  };
  session_.ui.onMessage = [this](std::string_view text) { session_.activity.setResult(Qs(text)); };
  connect(&session_.activity, &Activity::changed, this, &FrmMain::updateStatusBar);
  status_ = std::make_unique<StatusMonitor>(session_.link, *this, session_.axes);
  console_ = std::make_unique<ManualConsole>(*status_);
  // The port's first refresh runs while the link is still held, so the redrawn boxes send nothing.
  session_.connection.onOpened = [this] { (void)status_->ReadIoStatus(kReadOutputs, true); };
  wireConsole();
  applyAxisCount();
  updatePortMenu();
  InstallShortcuts(this);
  qApp->installEventFilter(this);
  adjustSize();
  CentreOnScreen(this);
}

FrmMain::~FrmMain() {
  session_.connection.onStateChanged = nullptr;
  session_.connection.onOpened = nullptr;
  session_.ui.onMessage = nullptr;
}

void FrmMain::wireConsole() {
  for (int i = 0; i < 3; ++i) {
    connect(cmdSvon[i], &QPushButton::clicked, this, [this, i] { console_->SvonClick(i); });
    connect(cmdRun[i], &QPushButton::clicked, this,
            [this, i] { console_->RunClick(i, txtRunPrgNo->text().toStdString()); });
  }
  connect(cmdZR, &QPushButton::clicked, this, [this] { console_->ZrClick(); });
  for (int i = 0; i < 2; ++i) {
    connect(cmdJog[i], &QPushButton::pressed, this, [this, i] {
      jogPressing_ = true;
      console_->JogPress(i, txtJogSpd->text().toStdString(), txtAxisSel->text().toStdString());
      jogPressing_ = false;
      // A quick click lets go while the press still waits for the controller: stop the axis now.
      if (pendingJogRelease_ >= 0) console_->JogRelease(std::exchange(pendingJogRelease_, -1));
    });
    connect(cmdJog[i], &QPushButton::released, this, [this, i] {
      if (jogPressing_) {
        pendingJogRelease_ = i;
      } else {
        console_->JogRelease(i);
      }
    });
    connect(cmdAxisSel[i], &QPushButton::clicked, this, [this, i] { console_->AxisSelClick(i); });
    connect(cmdIoStatus[i], &QPushButton::clicked, this, [this, i] {
      // Checking with the port closed would poll nothing: refuse it as the console refuses its actions.
      if (i == 0 && !session_.port.isOpen()) {
        ShowLinkError(session_.ui, kLinkErrorPortClosed);
        return;
      }
      status_->IoStatusClick(i);
    });
  }
  connect(cmdLocSet, &QPushButton::clicked, this, [this] { console_->LocSetClick(txtLocSet->text().toStdString()); });
  connect(cmdMov, &QPushButton::clicked, this, [this] {
    language::Compiler compiler(session_.programs, session_.ui.diagnostics(), session_.languageConfig());
    console_->MovClick(compiler, txtMove[0]->text().toStdString(), txtMove[1]->text().toStdString(),
                       txtMove[2]->text().toStdString());
  });
  connect(cmdReadError, &QPushButton::clicked, this, [this] { status_->ControllerErrorClick(); });
  connect(txtRunPrgNo, &QLineEdit::textChanged, this, [this](const QString& text) {
    const QString kept = Qs(console_->RunPrgNoChanged(text.toStdString()));
    if (kept != text) txtRunPrgNo->setText(kept);
  });
  for (int p = 0; p < 64; ++p) {
    connect(chkIoOutput[p], &QCheckBox::clicked, this, [this, p] { console_->OutputClick(p); });
  }
  connect(tmrUpStatus, &QTimer::timeout, this, [this] { status_->Tick(); });
}

void FrmMain::setInputChecked(int point, bool checked) { chkIoInput[point]->setChecked(checked); }

void FrmMain::setOutputChecked(int point, bool checked) { chkIoOutput[point]->setChecked(checked); }

void FrmMain::setSensorColour(int box, SensorColour colour) {
  if (colour == SensorColour::Window) {
    txtSensor[box]->setStyleSheet(QString());
    return;
  }
  const QColor c = colour == SensorColour::Red ? QColor(255, 0, 0) : QColor(0, 255, 0);
  // Disabled with its window (or beyond the axis count), a lit sensor greys out like every other control.
  const QColor grey = palette().color(QPalette::Disabled, QPalette::Window);
  const QColor dim((c.red() + 2 * grey.red()) / 3, (c.green() + 2 * grey.green()) / 3,
                   (c.blue() + 2 * grey.blue()) / 3);
  txtSensor[box]->setStyleSheet(
      QString("QLineEdit { background-color: %1; } QLineEdit:disabled { background-color: %2; }")
          .arg(c.name(), dim.name()));
}

void FrmMain::clearConnectionDisplay() {
  for (int axis = 0; axis < 6; ++axis) setPositionTexts(axis, {}, {});
  for (int box = 0; box < 18; ++box) setSensorColour(box, SensorColour::Window);
}

void FrmMain::applyAxisCount() {
  for (int axis = 0; axis < 6; ++axis) {
    for (QWidget* w : axisRows_[static_cast<std::size_t>(axis)]) w->setEnabled(axis < session_.axes);
  }
}

void FrmMain::setPositionTexts(int axis, const std::string& command, const std::string& actual) {
  txtComPos[axis]->setText(Qs(command));
  txtActPos[axis]->setText(Qs(actual));
}

void FrmMain::setAxisSelText(const std::string& text) { txtAxisSel->setText(Qs(text)); }

QWidget* FrmMain::controlWidget(Control control) {
  switch (control) {
    case Control::SvonOn:
      return cmdSvon[0];
    case Control::SvonOff:
      return cmdSvon[1];
    case Control::AlarmReset:
      return cmdSvon[2];
    case Control::ZeroReturn:
      return cmdZR;
    case Control::JogPositive:
      return cmdJog[0];
    case Control::JogNegative:
      return cmdJog[1];
    case Control::Run:
      return cmdRun[0];
    case Control::Stop:
      return cmdRun[1];
    case Control::RunReset:
      return cmdRun[2];
    case Control::IoCheckStart:
      return cmdIoStatus[0];
    case Control::IoOutFrame:
      return fraIoOut;
    case Control::RunZrFrame:
      return fraRunZr;
    case Control::JogFrame:
      return fraJog;
    case Control::UpStatusTimer:
      break;
  }
  return nullptr;
}

void FrmMain::setEnabled(Control control, bool enabled) {
  if (control == Control::UpStatusTimer) {
    if (enabled) {
      tmrUpStatus->start();
    } else {
      tmrUpStatus->stop();
    }
    return;
  }
  // A jog button must keep receiving its release while the press handler runs.
  if (control == Control::JogPositive || control == Control::JogNegative) return;
  if (QWidget* w = controlWidget(control)) w->setEnabled(enabled);
}

void FrmMain::setLinkPicture(bool on) { imgComm_->setPixmap((on ? imgCommOn_ : imgCommOff_)->pixmap()); }

void FrmMain::buildMenus() {
  // Every menu of the main window is built here, mnemonics included: "&" marks the Alt letter, the
  // captions read as before.
  QMenuBar* bar = menuBar();
  auto addScreen = [this, bar](const char* name, const QString& caption) {
    auto* action = bar->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, [this, name] { openScreen(name); });
  };
  auto addItem = [this](QMenu* menu, const char* name, const QString& caption, auto handler) {
    auto* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
  // "File" holds the program window's item, the program editor and the whole-controller operations.
  QMenu* file = bar->addMenu(tr("&File"));
  file->setObjectName("mnuFileMenu");
  addItem(file, "mnuFile", tr("&File"), [this] { openScreen("mnuFile"); });
  AddProgramEditorMenuItem(*this, *file);
  file->addSeparator();
  AddWholeControllerMenu(*this, *file);
  addScreen("mnuLoc", tr("&Loc"));
  addScreen("mnuSft", tr("&Sft"));
  addScreen("mnuSysPara", tr("S&ys Para"));
  addScreen("mnuAxisPara", tr("&Axis Para"));

  QMenu* port = bar->addMenu(tr("&Comm Port"));
  port->setObjectName("mnuCommPort");
  auto addPort = [this, port](const QString& device, const QString& caption, const char* name) {
    auto* open = port->addAction(caption);
    if (name != nullptr) open->setObjectName(name);
    open->setCheckable(true);  // checked while it is the open port
    connect(open, &QAction::triggered, this, [this, device] { openPort(device); });
    portActions_.emplace_back(device, open);
  };
  for (int i = 0; i < 9; ++i) {
    addPort(QString("COM%1").arg(i + 1), tr("Open(COM&%1)").arg(i + 1),
            ArrayName("mnuCommPortOpen", i).toUtf8().constData());
  }
  port->addSeparator();
  for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
    addPort(info.systemLocation(), tr("Open(%1)").arg(info.systemLocation()), nullptr);
  }
  addPort(kSimDevice, tr("&Simulator"), "mnuCommPortSim");
  addItem(port, "mnuCommPortNetwork", tr("&Network Port…"), [this] { openNetworkPort(); });
  port->addSeparator();
  lastPortAction_ = addItem(port, "mnuCommPortLast", QString(), [this] { openPort(ReadLastPort()); });
  lastPortAction_->setCheckable(true);
  auto* atStart = addItem(port, "mnuCommPortAtStart", tr("Open Last Port &at Start"),
                          [](bool checked) { WriteOpenLastPortAtStart(checked); });
  atStart->setCheckable(true);
  atStart->setChecked(ReadOpenLastPortAtStart());
  port->addSeparator();
  addItem(port, "mnuCommPortClose", tr("&Close"), [this] { closePort(); });

  addScreen("mnuDownload", tr("&Download"));

  QMenu* view = bar->addMenu(tr("&View"));
  view->setObjectName("mnuView");
  addItem(view, "mnuLineMonitor", tr("&Line Monitor"), [this] {
    openLineMonitor();
  })->setShortcut(QKeySequence("Ctrl+L"));
  buildLanguageMenu(*view);
  QMenu* help = bar->addMenu(tr("&Help"));
  help->setObjectName("mnuHelp");
  addItem(help, "mnuKeyboard", tr("&Keyboard"), [] { ShowKeyboardHelp(); })->setShortcut(QKeySequence::HelpContents);
  addItem(help, "mnuAbout", tr("&About"), [this] {
    Ui& ui = session_.ui;
    ui.messageBox(tr("%1\nVersion %2\nLicence: %3\nQt %4 (built with %5)")
                      .arg(windowTitle(), Qs(VersionNumber()), tr(kLicence), qVersion(), QT_VERSION_STR)
                      .toStdString(),
                  tr("About").toStdString());
  });
}

void FrmMain::buildLanguageMenu(QMenu& view) {
  // The windows are built in one language; a new choice is stored and waits for the next start.
  QMenu* menu = view.addMenu(tr("Lan&guage"));
  menu->setObjectName("mnuLanguage");
  auto* group = new QActionGroup(menu);
  // Each language under its own name, which reads the same in either language.
  const std::pair<Language, const char*> languages[] = {{Language::Korean, "한국어"}, {Language::English, "English"}};
  for (const auto& entry : languages) {
    const Language language = entry.first;
    QAction* action = menu->addAction(QString::fromUtf8(entry.second));
    action->setObjectName("mnuLanguage_" + LanguageCode(language));
    action->setCheckable(true);
    action->setChecked(language == CurrentLanguage());
    group->addAction(action);
    connect(action, &QAction::triggered, this, [this, language, action] {
      WriteStoredLanguage(LanguageCode(language));
      Ui& ui = session_.ui;
      ui.messageBox(tr("The language %1 is stored; it takes effect the next time the program starts.")
                        .arg(action->text())
                        .toStdString());
    });
  }
  menu->addSeparator();
  QAction* note = menu->addAction(tr("Takes effect at the next start"));
  note->setObjectName("mnuLanguageNote");
  note->setEnabled(false);
}

void FrmMain::updatePortMenu() {
  const bool open = session_.port.isOpen();
  for (auto& [device, action] : portActions_) action->setChecked(open && device == portDevice_);
  const QString last = ReadLastPort();
  lastPortAction_->setVisible(!last.isEmpty());
  lastPortAction_->setText(tr("Open &Last Port: %1").arg(PortTitle(last)));
  lastPortAction_->setChecked(open && last == portDevice_);
}

void FrmMain::buildStatusBar() {
  auto label = [this](const char* name) {
    auto* l = new QLabel(this);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    l->setContentsMargins(4, 0, 4, 0);
    return l;
  };
  lblStatusPort = label("lblStatusPort");
  lblStatusLink = label("lblStatusLink");
  lblStatusResult = label("lblStatusResult");
  statusBar()->addWidget(lblStatusPort);
  statusBar()->addWidget(lblStatusLink);
  statusBar()->addWidget(lblStatusResult, 1);
  updateStatusBar();
}

void FrmMain::updateStatusBar() {
  QString port = tr("No port");
  if (portDevice_ == kSimDevice) {
    port = PortTitle(portDevice_);
  } else if (!portDevice_.isEmpty()) {
    port = PortTitle(portDevice_) + "  " + Qs(FormatLineSettings(session_.lineSettings));
  }
  lblStatusPort->setText(port);
  const Activity& activity = session_.activity;
  lblStatusLink->setText(!activity.running().isEmpty() ? tr("Busy: %1").arg(activity.running())
                         : session_.port.isOpen()      ? tr("Connected")
                                                       : tr("Not connected"));
  lblStatusResult->setText(activity.stopping() ? StoppingText() : activity.lastResult());
}

QWidget* FrmMain::openLineMonitor() {
  if (!lineMonitor_) {
    auto* monitor = new FrmLineMonitor(session_);
    monitor->setAttribute(Qt::WA_DeleteOnClose);
    InstallShortcuts(monitor);
    PlaceBeside(monitor, this);
    lineMonitor_ = monitor;
  }
  lineMonitor_->show();
  lineMonitor_->raise();
  lineMonitor_->activateWindow();
  return lineMonitor_;
}

void FrmMain::setScreenFactory(const QString& menuName, ScreenFactory factory) {
  factories_[menuName] = std::move(factory);
}

void FrmMain::openScreen(const QString& menuName) {
  auto it = factories_.find(menuName);
  if (it == factories_.end()) return;
  status_->SetTimerEnabled(false);
  if (menuName == "mnuAxisPara") {
    // The axis screen fetches nothing itself, but must not start inside a poll exchange.
    while (session_.link.LinkBusy) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
  }
  QWidget* screen = it->second(session_, *this);
  if (screen == nullptr) return;
  screen->setAttribute(Qt::WA_DeleteOnClose);
  InstallShortcuts(screen);
  connect(screen, &QObject::destroyed, this, [this] {
    setEnabled(true);
    status_->Axes = session_.axes;  // the system parameters may have changed the axis count
    applyAxisCount();
  });
  openScreens_.push_back(screen);
  KeepAbove(screen, this);
  screen->show();
  setEnabled(false);
}

void FrmMain::openPort(const QString& device) {
  if (session_.port.isOpen() || session_.link.LinkBusy || device.isEmpty()) {
    updatePortMenu();  // a click on the open port's item must not take its check mark away
    return;
  }
  if (device == kSimDevice) {
    auto port = std::make_unique<QtSimPort>();
    port->controller().machine.axes = session_.axes;
    session_.port.set(std::move(port));
  } else {
    session_.port.set(MakeNamedPort(device.toStdString(), session_.lineSettings, session_.flowControl, true,
                                    std::chrono::seconds(5)));
  }
  portDevice_ = device;
  session_.activity.begin(tr("Opening %1").arg(PortTitle(device)));
  const bool opened = session_.connection.Open();
  session_.activity.end();
  // A network port's reason (a busy server, a Telnet port named as raw TCP) says more than "no connection".
  if (const std::string fault = session_.port.linkFault(); !opened && !fault.empty())
    session_.link.ui().messageBox(fault);
  if (opened) WriteLastPort(device);
  updatePortMenu();
}

void FrmMain::openSimulator() { openPort(kSimDevice); }

void FrmMain::openNetworkPort() {
  const QString last = ReadLastPort();
  DlgNetworkPort dialog(IsNetworkPortName(last.toStdString()) ? last : QString(), this);
  if (dialog.exec() == QDialog::Accepted) openPort(dialog.address());
}

void FrmMain::openAtStart(const QString& device) {
  const QString chosen = !device.isEmpty() ? device : ReadOpenLastPortAtStart() ? ReadLastPort() : QString();
  if (chosen.isEmpty()) return;
  QTimer::singleShot(0, this, [this, chosen] { openPort(chosen); });
}

void FrmMain::closePort() {
  if (session_.link.LinkBusy) return;
  status_->SetTimerEnabled(false);
  session_.connection.Close();
  updatePortMenu();
}

void FrmMain::closeEvent(QCloseEvent* event) {
  status_->SetTimerEnabled(false);
  // Ending now would cut off the exchange of a screen or of the console, and the goodbye below
  // could not be said: the program ends once the link is idle.
  if (PutOffCloseWhileBusy(this, session_, event)) return;
  for (auto it = openScreens_.rbegin(); it != openScreens_.rend(); ++it) {
    if (*it) (*it)->close();
  }
  // The line monitor and the help window would keep the program running.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w != this && w->isWindow() && w->isVisible()) w->close();
  }
  closePort();
  tmrUpStatus->stop();
  event->accept();
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
  // Qt would ask the windows to close and drop the quit at the first refusal; instead the program
  // ends as this window's close does, once the exchange has ended.
  if (watched == qApp && event->type() == QEvent::Quit && session_.busy()) {
    close();
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

QWidget* FrmMain::buildIoFrames() {
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

QWidget* FrmMain::buildSensorFrame() {
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

QWidget* FrmMain::buildConsole() {
  auto* box = new QWidget(this);
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 0, 0, 0);  // the frames line up with the sensor frame under them
  fraRunZr = makeFrame(box, "fraRunZr", "");
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
  layout->addWidget(fraRunZr);

  fraJog = makeFrame(box, "fraJog", tr("Jog"));
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
  layout->addWidget(fraJog);

  auto* positions = makeFrame(box, "fraPosition", tr("Position"));
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
  layout->addWidget(positions);

  auto* io = new QHBoxLayout;
  cmdIoStatus[0] = makeButton(box, ArrayName("cmdIoStatus", 0), tr("I/O Check Start"));
  cmdIoStatus[1] = makeButton(box, ArrayName("cmdIoStatus", 1), tr("I/O Check Stop"));
  io->addWidget(cmdIoStatus[0]);
  io->addWidget(cmdIoStatus[1]);
  layout->addLayout(io);
  return box;
}

}  // namespace zova::app
