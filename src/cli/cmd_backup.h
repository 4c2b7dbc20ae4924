// zovactl backup, restore and compare: a whole controller into a folder, back from it, and against it.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunBackup(Context& ctx, const Args& args);
int RunRestore(Context& ctx, const Args& args);
int RunCompare(Context& ctx, const Args& args);
// The same commands' refusals of their arguments and folder, before the port opens.
int CheckBackup(Context& ctx, const Args& args);
int CheckRestore(Context& ctx, const Args& args);
int CheckCompare(Context& ctx, const Args& args);

}  // namespace zova::cli
