// The port factory's Qt part: QSerialPort for serial devices, the settings store, the threads QSerialPort wants.
// Free of Qt itself, so that the command line's main can hand it in.
#pragma once

#include <memory>
#include <string>

#include "base/clock.h"
#include "link/line_settings.h"
#include "link/port.h"
#include "ports/port_factory.h"

namespace zova::app {

// `serveEvents`: the ports serve the windows while they wait (the desktop), else they block (the command line).
ports::PortMakers QtPortMakers(bool serveEvents);

}  // namespace zova::app
