// zovactl backup, restore and compare: a whole controller into a folder, back from it, and against it.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunBackup(Context& ctx, const Args& args);
int RunRestore(Context& ctx, const Args& args);
int RunCompare(Context& ctx, const Args& args);

}  // namespace zova::cli
