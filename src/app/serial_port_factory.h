// Makes the QSerialPort-backed Port for a device name, from explicit or stored line settings.
// This header is free of Qt so that plain C++ callers (zovactl) can use it.
#pragma once

#include <memory>
#include <string>

#include "link/line_settings.h"
#include "link/port.h"

namespace zova::app {

// `settings` empty: the stored settings, else 9600,n,8,1. `serveEvents`: wait in a local event
// loop (desktop) rather than blocking on the device (command line). Null with `error` set when the
// settings are rejected.
std::unique_ptr<Port> MakeSerialPort(const std::string& device, const std::string& settings, bool serveEvents,
                                     std::string& error);
// The same with settings already applied (the desktop program reads the store once, at load).
std::unique_ptr<Port> MakeSerialPort(const std::string& device, const LineSettings& line, FlowControl flow,
                                     bool serveEvents);

}  // namespace zova::app
