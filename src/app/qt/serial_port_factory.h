// The port factory's Qt part: QSerialPort for serial devices, the settings store, the threads QSerialPort wants.
// Free of Qt itself, so that the command line's main can hand it in.
#pragma once

#include <memory>
#include <string>

#include "link/clock.h"
#include "link/line_settings.h"
#include "link/port.h"
#include "ports/port_factory.h"

namespace zova::app {

// `serveEvents`: the ports serve the windows while they wait (the desktop), else they block (the command line).
ports::PortMakers QtPortMakers(bool serveEvents);

// The desktop's port for a name it checked before, with the settings read at load. Kept for the main window
// until it calls ports::MakeNamedPort with QtPortMakers(true) itself.
std::unique_ptr<Port> MakeNamedPort(const std::string& name, const LineSettings& line, FlowControl flow,
                                    bool serveEvents, Duration openLimit);

}  // namespace zova::app
