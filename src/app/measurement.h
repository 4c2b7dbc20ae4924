// Scripted runs of the desktop program for measuring it: start-up to the selection window, and an
// all-locations receive from the built-in simulator (for peak memory).
#pragma once

#include <QString>

namespace zova::app {

// "startup": show the selection window, let it paint, quit. "loc-receive-all": main window on the
// simulator, open the LOC window, press "ALL Receive", quit when it is done. Returns the exit status.
int RunMeasurement(const QString& what);

}  // namespace zova::app
