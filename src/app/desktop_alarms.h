// The alarm log as the desktop program writes it: every controller error it reads, as zovactl does.
#pragma once

#include <string>

namespace zova::app {

struct Session;

// Adds a controller error the desktop read to the alarm log (once while the same report stands), with the
// error text in the chosen language, the port and the recording the error went into. A log that cannot
// be written is said in the status bar.
void LogDesktopAlarm(Session& session, int code, int value, const std::string& recording = {});

}  // namespace zova::app
