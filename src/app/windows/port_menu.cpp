// The "Comm Port" menu and the port's lifecycle.
#include "app/windows/port_menu.h"

#include <QSerialPortInfo>
#include <QTimer>

#include "app/qt/qt_sim_port.h"
#include "app/qt/serial_port_factory.h"
#include "app/qt/stored_settings.h"
#include "app/widgets/window_util.h"
#include "app/windows/dlg_network_port.h"
#include "link/line_settings.h"
#include "net/network_address.h"
#include "ports/port_factory.h"

namespace zova::app {

namespace {

constexpr const char* kSimDevice = "sim";

// "COM1" names the device it opens, so a failure there can be looked up on this machine.
QString PortTitle(const QString& device) {
  if (device == kSimDevice) return PortMenu::tr("Simulator");
  const QString opened = ResolvePortName(device);
  return opened == device ? device : QString("%1 (%2)").arg(device, opened);
}

}  // namespace

PortMenu::PortMenu(Session& session, console::StatusMonitor& status, QMenuBar& bar, QWidget* window)
    : QObject(window), session_(session), status_(status), window_(window), portDevice_(ReadLastPort()) {
  QMenu* port = bar.addMenu(tr("&Comm Port"));
  port->setObjectName("mnuCommPort");
  auto addItem = [this, port](const char* name, const QString& caption, auto handler) {
    auto* action = port->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
    return action;
  };
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
  addItem("mnuCommPortNetwork", tr("&Network Port…"), [this] { openNetworkPort(); });
  port->addSeparator();
  lastPortAction_ = addItem("mnuCommPortLast", QString(), [this] { openPort(ReadLastPort()); });
  lastPortAction_->setCheckable(true);
  auto* atStart = addItem("mnuCommPortAtStart", tr("Open Last Port &at Start"),
                          [](bool checked) { WriteOpenLastPortAtStart(checked); });
  atStart->setCheckable(true);
  atStart->setChecked(ReadOpenLastPortAtStart());
  port->addSeparator();
  addItem("mnuCommPortClose", tr("&Close"), [this] { closePort(); });
}

void PortMenu::update() {
  const bool open = session_.port.isOpen();
  for (auto& [device, action] : portActions_) action->setChecked(open && device == portDevice_);
  const QString last = ReadLastPort();
  lastPortAction_->setVisible(!last.isEmpty());
  lastPortAction_->setText(tr("Open &Last Port: %1").arg(PortTitle(last)));
  lastPortAction_->setChecked(open && last == portDevice_);
}

QString PortMenu::describe() const {
  if (portDevice_ == kSimDevice) return PortTitle(portDevice_);
  if (portDevice_.isEmpty()) return tr("No port");
  return PortTitle(portDevice_) + "  " + Qs(FormatLineSettings(session_.lineSettings));
}

void PortMenu::openPort(const QString& device) {
  if (session_.port.isOpen() || session_.link.LinkBusy || device.isEmpty()) {
    update();  // a click on the open port's item must not take its check mark away
    return;
  }
  if (device == kSimDevice) {
    auto port = std::make_unique<QtSimPort>();
    port->controller().machine.axes = session_.axes;
    session_.port.set(std::move(port));
  } else {
    const ports::PortMakers makers = QtPortMakers(true);
    std::string error;
    std::unique_ptr<Port> port = ports::MakeNamedPort(device.toStdString(), session_.lineSettings, session_.flowControl,
                                                      std::chrono::seconds(5), makers, error);
    // A network name that does not parse fails to open as a device, as it always did.
    session_.port.set(port ? std::move(port)
                           : makers.serial(device.toStdString(), session_.lineSettings, session_.flowControl));
  }
  portDevice_ = device;
  session_.activity.begin(tr("Opening %1").arg(PortTitle(device)));
  const bool opened = session_.connection.Open();
  session_.activity.end();
  // A network port's reason (a busy server, a Telnet port named as raw TCP) says more than "no connection".
  if (const std::string fault = session_.port.linkFault(); !opened && !fault.empty())
    session_.link.ui().messageBox(fault);
  if (opened) WriteLastPort(device);
  update();
}

void PortMenu::openSimulator() { openPort(kSimDevice); }

void PortMenu::openNetworkPort() {
  const QString last = ReadLastPort();
  DlgNetworkPort dialog(net::IsNetworkPortName(last.toStdString()) ? last : QString(), window_);
  if (dialog.exec() == QDialog::Accepted) openPort(dialog.address());
}

void PortMenu::openAtStart(const QString& device) {
  const QString chosen = !device.isEmpty() ? device : ReadOpenLastPortAtStart() ? ReadLastPort() : QString();
  if (chosen.isEmpty()) return;
  QTimer::singleShot(0, this, [this, chosen] { openPort(chosen); });
}

void PortMenu::closePort() {
  if (session_.link.LinkBusy) return;
  status_.SetPolling(false);
  session_.connection.Close();
  update();
}

}  // namespace zova::app
