// The table of zovactl commands.
#pragma once

#include <span>

#include "cli/cli_context.h"

namespace zova::cli {

std::span<const Command> AllCommands();
const Command* FindCommand(std::string_view name);

// Reads a whole decimal number; false for anything else.
bool ParseInt(const std::string& text, int& out);

}  // namespace zova::cli
