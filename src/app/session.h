// Everything one run of the desktop program shares: the operator's side, the port, the link,
// the start-up choices. Subsystem state objects hang off it as they are created.
#pragma once

#include <string>

#include "app/qt_ui.h"
#include "link/connection.h"
#include "link/link.h"
#include "link/switchable_port.h"

namespace zova::app {

struct Session {
  QtUi ui;
  SwitchablePort port;
  Link link{port, ui, systemClock()};
  Connection connection{link};
  int axes = 0;         // 2..6 once chosen in the selection window
  int machineType = 0;  // PLC family 0..2
  // Folders remembered by the program window for "all" transfers.
  std::string transFolder;
  std::string recvFolder;
};

}  // namespace zova::app
