// zovactl loc and sft: the location and shift tables between the controller and LOC/SFT files.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunLoc(Context& ctx, const Args& args);
int RunSft(Context& ctx, const Args& args);

}  // namespace zova::cli
