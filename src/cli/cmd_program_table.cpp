// zovactl commands of the program subsystem.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> ProgramCommands() { return {}; }

}  // namespace zova::cli
