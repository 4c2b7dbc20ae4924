// zovactl commands of the parameters subsystem: syspara and axpara fetch and send.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunSysPara(Context& ctx, const Args& args);
int RunAxPara(Context& ctx, const Args& args);

}  // namespace zova::cli
