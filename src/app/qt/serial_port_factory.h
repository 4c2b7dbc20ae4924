// Makes the QSerialPort-backed Port for a device name, from explicit or stored line settings.
// This header is free of Qt so that plain C++ callers (zovactl) can use it.
#pragma once

#include <memory>
#include <string>

#include "link/line_settings.h"
#include "link/port.h"
#include "link/ui.h"

namespace zova::app {

// For the command line, which blocks on the device. `settings` empty: the stored settings, else
// 9600,n,8,1; a stored value the serial control rejects is reported through `ui` and the default kept,
// as the desktop does at load. `used` gets the settings applied. Null with `error` set when the typed
// `settings` are rejected.
std::unique_ptr<Port> MakeSerialPort(const std::string& device, const std::string& settings, Ui& ui, LineSettings& used,
                                     std::string& error);
// The same with settings already applied (the desktop program reads the store once, at load).
std::unique_ptr<Port> MakeSerialPort(const std::string& device, const LineSettings& line, FlowControl flow,
                                     bool serveEvents);

}  // namespace zova::app
