// The table of zovactl commands.
#pragma once

#include <span>

#include "cli/cli_context.h"

namespace zova::cli {

std::span<const Command> AllCommands();

// Each subsystem lists its own commands in its cmd_*.cpp file.
std::span<const Command> LinkCommands();
std::span<const Command> LanguageCommands();
std::span<const Command> PositionCommands();
std::span<const Command> ProgramCommands();
std::span<const Command> ParameterCommands();
std::span<const Command> ConsoleCommands();
std::span<const Command> FirmwareCommands();
std::span<const Command> BackupCommands();
const Command* FindCommand(std::string_view name);

// Reads a whole decimal number; false for anything else.
bool ParseInt(const std::string& text, int& out);

}  // namespace zova::cli
