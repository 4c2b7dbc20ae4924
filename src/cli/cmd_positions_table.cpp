// zovactl commands of the positions subsystem.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> PositionCommands() { return {}; }

}  // namespace zova::cli
