// Turns the name of a port as an operator gives it (--port, the desktop's menu) into a Port: a network address
// (tcp://HOST:PORT, rfc2217://HOST:PORT) or a serial device, with the line settings typed, stored or the
// default. Opening a serial device is the program's own (QSerialPort), handed in, so this stays plain C++.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "base/clock.h"
#include "link/line_settings.h"
#include "net/network_address.h"
#include "link/port.h"
#include "base/ui.h"

namespace zova::ports {

// What a program that can open serial devices hands the factory. Every member may be empty.
struct PortMakers {
  // A serial device's port; empty in a build that talks only to network ports.
  std::function<std::unique_ptr<Port>(const std::string& device, const LineSettings& line, FlowControl flow)> serial;
  // Puts the stored line settings and flow control over the defaults; `typed` when the operator typed settings,
  // which win over the stored ones. A stored value that cannot be used is reported through `ui`, the default kept.
  std::function<void(LineSettings& line, FlowControl& flow, bool typed, Ui& ui)> stored;
  // A network port; empty: one that blocks while it waits.
  std::function<std::unique_ptr<Port>(const net::NetworkAddress& address, const LineSettings& line, Duration openLimit)>
      network;
  // Makes once what serial ports need before they are made in several threads at once.
  std::function<void()> prepare;
  // Starts `work` in a new thread in which ports may be made and used; empty: a std::thread.
  std::function<std::function<void()>(std::function<void()> work)> startThread;
};

// The port for `name` with its settings chosen. `openLimit` bounds connecting to a network port. Null with
// `error` set for a network address that does not parse, or a serial device where no serial maker was given.
std::unique_ptr<Port> MakeNamedPort(const std::string& name, const LineSettings& line, FlowControl flow,
                                    Duration openLimit, const PortMakers& makers, std::string& error);

// The same from the operator's `settings` text; empty: the stored settings, else 9600,n,8,1. A relative path
// names a file from the working folder. `used` gets the settings applied (over RFC 2217, to the server's line).
// Null with `error` set as above, or when the typed settings are refused.
std::unique_ptr<Port> MakeNamedPort(const std::string& name, const std::string& settings, Duration openLimit,
                                    const PortMakers& makers, Ui& ui, LineSettings& used, std::string& error);

// Makes what serial ports need, where the program has anything to make.
void PreparePorts(const PortMakers& makers);

// Starts `work` as `makers` start port threads; the call returned waits for its end.
std::function<void()> StartPortThread(const PortMakers& makers, std::function<void()> work);

}  // namespace zova::ports
