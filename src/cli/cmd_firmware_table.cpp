// zovactl commands of the firmware subsystem.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> FirmwareCommands() { return {}; }

}  // namespace zova::cli
