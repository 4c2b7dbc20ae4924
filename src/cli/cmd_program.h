// zovactl program: robot programs between source files and the controller.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunProgram(Context& ctx, const Args& args);

}  // namespace zova::cli
