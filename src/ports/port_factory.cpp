// The port factory: network address or serial device, and the line settings.
#include "ports/port_factory.h"

#include <filesystem>
#include <thread>

#include "net/network_port.h"
#include "base/translation.h"

namespace zova::ports {

namespace {

constexpr const char* kNoSerialPorts =
    TrMark("this build talks only to network ports and the simulated controller (--port sim)");

// The serial port opens a name without a leading '/' as one under /dev ("ttyUSB0"), also "dev/c1"; a name
// with a '/' in it is a path, as the operator's shell reads it.
std::string DeviceName(const std::string& port) {
#ifndef _WIN32
  if (port.find('/') != std::string::npos && !port.starts_with("/") && !net::IsNetworkPortName(port)) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(port, ec);
    if (!ec) return absolute.string();
  }
#endif
  return port;
}

}  // namespace

std::unique_ptr<Port> MakeNamedPort(const std::string& name, const LineSettings& line, FlowControl flow,
                                    Duration openLimit, const PortMakers& makers, std::string& error) {
  if (net::IsNetworkPortName(name)) {
    net::NetworkAddress address;
    if (!net::ParseNetworkAddress(name, address, error)) return nullptr;
    if (makers.network) return makers.network(address, line, openLimit);
    return std::make_unique<net::NetworkPort>(address, line, openLimit);
  }
  if (!makers.serial) {
    error = Tr(kNoSerialPorts);
    return nullptr;
  }
  return makers.serial(name, line, flow);
}

std::unique_ptr<Port> MakeNamedPort(const std::string& name, const std::string& settings, Duration openLimit,
                                    const PortMakers& makers, Ui& ui, LineSettings& used, std::string& error) {
  if (net::NetworkAddress address; net::IsNetworkPortName(name) && !net::ParseNetworkAddress(name, address, error))
    return nullptr;
  if (!net::IsNetworkPortName(name) && !makers.serial) {
    error = Tr(kNoSerialPorts);
    return nullptr;
  }
  PreparePorts(makers);
  LineSettings line;
  FlowControl flow = FlowControl::None;
  if (makers.stored) makers.stored(line, flow, !settings.empty(), ui);
  if (!settings.empty() && !ParseLineSettings(settings, line, error)) return nullptr;
  used = line;
  return MakeNamedPort(DeviceName(name), line, flow, openLimit, makers, error);
}

void PreparePorts(const PortMakers& makers) {
  if (makers.prepare) makers.prepare();
}

std::function<void()> StartPortThread(const PortMakers& makers, std::function<void()> work) {
  if (makers.startThread) return makers.startThread(std::move(work));
  auto thread = std::make_shared<std::thread>(std::move(work));
  return [thread] { thread->join(); };
}

}  // namespace zova::ports
