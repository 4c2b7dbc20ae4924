// The alarm log as the command line writes it.
#pragma once

#include <string>

#include "cli/cli_context.h"

namespace zova::cli {

// Adds a controller error this run read to the alarm log, unless the log's newest alarm of this port is the
// same report (a standing error read again). A log that cannot be written is said on standard error, once.
void LogAlarm(Context& ctx, int code, int value, const std::string& recording = {});

}  // namespace zova::cli
