// QSerialPort-backed and network ports.
#include "app/qt/serial_port_factory.h"

#include <QCoreApplication>
#include <QThread>

#include "app/qt/qt_network_port.h"
#include "app/qt/qt_serial_port.h"
#include "app/qt/stored_settings.h"
#include "link/network_address.h"

namespace zova::app {

void PrepareSerialPorts() {
  // QSerialPort's notifiers want an application object, even without an event loop.
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char program[] = "zova";
    static char* argv[] = {program, nullptr};
    static QCoreApplication app(argc, argv);
  }
}

std::function<void()> StartPortThread(std::function<void()> work) {
  // A QThread, not a std::thread: QSerialPort's notifiers want a thread Qt made.
  std::shared_ptr<QThread> thread(QThread::create(std::move(work)));
  thread->start();
  return [thread] { thread->wait(); };
}

std::unique_ptr<Port> MakeNamedPort(const std::string& name, const std::string& settings, Duration openLimit, Ui& ui,
                                    LineSettings& used, std::string& error) {
  NetworkAddress address;
  if (IsNetworkPortName(name) && !ParseNetworkAddress(name, address, error)) return nullptr;
  PrepareSerialPorts();
  LineSettings line;
  FlowControl flow = FlowControl::None;
  StoredSettings stored = ReadStoredSettings();
  if (!settings.empty()) stored.settings.clear();  // typed settings win over stored ones
  ApplyStoredSettings(stored, line, flow, ui);
  if (!settings.empty() && !ParseLineSettings(settings, line, error)) return nullptr;
  used = line;
  return MakeNamedPort(name, line, flow, false, openLimit);
}

std::unique_ptr<Port> MakeNamedPort(const std::string& name, const LineSettings& line, FlowControl flow,
                                    bool serveEvents, Duration openLimit) {
  NetworkAddress address;
  std::string error;
  if (IsNetworkPortName(name) && ParseNetworkAddress(name, address, error)) {
    if (serveEvents) return std::make_unique<QtNetworkPort>(address, line, openLimit);
    return std::make_unique<NetworkPort>(address, line, openLimit);
  }
  return std::make_unique<QtSerialPort>(ResolvePortName(QString::fromStdString(name)), line, flow, serveEvents);
}

}  // namespace zova::app
