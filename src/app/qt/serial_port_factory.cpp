// QSerialPort-backed ports.
#include "app/qt/serial_port_factory.h"

#include <QCoreApplication>

#include "app/qt/qt_serial_port.h"
#include "app/qt/stored_settings.h"

namespace zova::app {

std::unique_ptr<Port> MakeSerialPort(const std::string& device, const std::string& settings, Ui& ui, LineSettings& used,
                                     std::string& error) {
  // QSerialPort's notifiers want an application object, even without an event loop.
  if (QCoreApplication::instance() == nullptr) {
    static int argc = 1;
    static char name[] = "zova";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
  }
  LineSettings line;
  FlowControl flow = FlowControl::None;
  StoredSettings stored = ReadStoredSettings();
  if (!settings.empty()) stored.settings.clear();  // typed settings win over stored ones
  ApplyStoredSettings(stored, line, flow, ui);
  if (!settings.empty() && !ParseLineSettings(settings, line, error)) return nullptr;
  used = line;
  return MakeSerialPort(device, line, flow, false);
}

std::unique_ptr<Port> MakeSerialPort(const std::string& device, const LineSettings& line, FlowControl flow,
                                     bool serveEvents) {
  return std::make_unique<QtSerialPort>(ResolvePortName(QString::fromStdString(device)), line, flow, serveEvents);
}

}  // namespace zova::app
