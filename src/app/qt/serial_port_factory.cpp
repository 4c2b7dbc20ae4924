// QSerialPort-backed ports and the settings store, for the port factory.
#include "app/qt/serial_port_factory.h"

#include <QCoreApplication>
#include <QThread>

#include "app/qt/qt_network_port.h"
#include "app/qt/qt_serial_port.h"
#include "app/qt/stored_settings.h"

namespace zova::app {

namespace {

void PrepareSerialPorts() {
  // QSerialPort's notifiers want an application object, even without an event loop.
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char program[] = "zova";
    static char* argv[] = {program, nullptr};
    static QCoreApplication app(argc, argv);
  }
}

}  // namespace

ports::PortMakers QtPortMakers(bool serveEvents) {
  ports::PortMakers makers;
  makers.serial = [serveEvents](const std::string& device, const LineSettings& line, FlowControl flow) {
    return std::make_unique<QtSerialPort>(ResolvePortName(QString::fromStdString(device)), line, flow, serveEvents);
  };
  makers.stored = [](LineSettings& line, FlowControl& flow, bool typed, Ui& ui) {
    StoredSettings stored = ReadStoredSettings();
    if (typed) stored.settings.clear();  // typed settings win over stored ones
    ApplyStoredSettings(stored, line, flow, ui);
  };
  if (serveEvents) {
    makers.network = [](const net::NetworkAddress& address, const LineSettings& line, Duration openLimit) {
      return std::make_unique<QtNetworkPort>(address, line, openLimit);
    };
  }
  makers.prepare = PrepareSerialPorts;
  makers.startThread = [](std::function<void()> work) -> std::function<void()> {
    // A QThread, not a std::thread: QSerialPort's notifiers want a thread Qt made.
    std::shared_ptr<QThread> thread(QThread::create(std::move(work)));
    thread->start();
    return [thread] { thread->wait(); };
  };
  return makers;
}

}  // namespace zova::app
