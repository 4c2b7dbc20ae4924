// Makes the Port for a name the operator gave: a network address (tcp://HOST:PORT, rfc2217://HOST:PORT) or a
// serial device, from explicit or stored line settings.
// This header is free of Qt so that plain C++ callers (zovactl) can use it.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "link/clock.h"
#include "link/line_settings.h"
#include "link/port.h"
#include "link/ui.h"

namespace zova::app {

// Makes what QSerialPort needs before any port exists. Called once before ports are made in several threads.
void PrepareSerialPorts();

// Runs `work` in a new thread in which serial ports may be made and used; the call returned waits for its end.
std::function<void()> StartPortThread(std::function<void()> work);

// For the command line, which blocks on the device. `settings` empty: the stored settings, else
// 9600,n,8,1; a stored value the serial control rejects is reported through `ui` and the default kept,
// as the desktop does at load. `used` gets the settings applied (over RFC 2217, to the server's line).
// `openLimit` bounds connecting to a network port. Null with `error` set when the typed `settings` or a
// network address are refused.
std::unique_ptr<Port> MakeNamedPort(const std::string& name, const std::string& settings, Duration openLimit, Ui& ui,
                                    LineSettings& used, std::string& error);
// The same with settings already applied (the desktop program reads the store once, at load). A network
// address must have been checked (ParseNetworkAddress).
std::unique_ptr<Port> MakeNamedPort(const std::string& name, const LineSettings& line, FlowControl flow,
                                    bool serveEvents, Duration openLimit);

}  // namespace zova::app
