// Scripted runs of the desktop program for measuring it: start-up to the selection window, an
// all-locations receive, and a long I/O poll.
#pragma once

#include "app/command_line.h"

namespace zova::app {

// "startup": show the selection window, let it paint, quit. "loc-receive-all": main window on the port
// (the built-in simulator unless --port names one), LOC window, "ALL Receive"; prints its seconds.
// "poll:SECONDS": "I/O Check Start" for that long, printing the resident memory every minute. With
// --monitor the line monitor is open throughout. Returns the exit status.
int RunMeasurement(const StartOptions& options);

}  // namespace zova::app
