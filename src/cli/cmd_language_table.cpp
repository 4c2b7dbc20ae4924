// zovactl commands of the robot program language.
#include "cli/commands.h"

namespace zova::cli {

std::span<const Command> LanguageCommands() { return {}; }

}  // namespace zova::cli
