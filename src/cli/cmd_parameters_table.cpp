// zovactl commands of the parameters subsystem.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> ParameterCommands() { return {}; }

}  // namespace zova::cli
