// zovactl commands of the robot program language.
#include <array>

#include "cli/cmd_language.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

namespace {
const std::array kCommands = {
    Command{"compile", false, RunCompile, "compile FILE [--program N]\ncompile --line TEXT",
            TrMark("print the compiled records (word 1, word 2); exit 1 and print none when the source has a problem"),
            false},
    Command{"check", false, RunCheck, "check FILE",
            TrMark("print each compiler problem as FILE:LINE: message; exit 1 when there is any"), false},
    Command{"list", false, RunList, "list [FILE]",
            TrMark("print the listing line of each record that compile printed (zovactl compile F | zovactl list)"),
            false},
};
}  // namespace

std::span<const Command> LanguageCommands() { return kCommands; }

}  // namespace zova::cli
