// zovactl commands of the console subsystem.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> ConsoleCommands() { return {}; }

}  // namespace zova::cli
