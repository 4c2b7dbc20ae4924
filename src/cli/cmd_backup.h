// zovactl backup, restore and compare: a whole controller into a folder, back from it, and against it; diff of
// two backups.
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
// diff OLD NEW: two backup folders compared without a controller.
int RunDiff(Context& ctx, const Args& args);
// fleet backup FLEET --into DIR: every controller of a fleet file side by side, and the fleet file's refusals.
int RunFleet(Context& ctx, const Args& args);
int CheckFleet(Context& ctx, const Args& args);

}  // namespace zova::cli
