// zovactl firmware: download an Intel HEX file into the controller's flash.
#pragma once

#include "cli/cli_context.h"

namespace zova::cli {

int RunFirmware(Context& ctx, const Args& args);

}  // namespace zova::cli
