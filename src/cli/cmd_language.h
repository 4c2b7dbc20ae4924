// zovactl commands of the robot language: compile (a file or one line), check and list (records back to source).
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

// compile FILE [--program N] | compile --line TEXT
int RunCompile(Context& ctx, const Args& args);

// check FILE: each problem as "FILE:LINE: message", in line order; exit 0 when none, 1 otherwise.
int RunCheck(Context& ctx, const Args& args);

// list [FILE]: records "XXXXXXXX XXXXXXXX", one per line, from FILE or standard input.
int RunList(Context& ctx, const Args& args);

}  // namespace zova::cli
