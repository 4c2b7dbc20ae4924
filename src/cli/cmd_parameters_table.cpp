// zovactl commands of the parameters subsystem.
#include <array>

#include "cli/cmd_parameters.h"
#include "cli/commands.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{"syspara", true, RunSysPara,
            "syspara fetch --file F | syspara send --file F: fetch the system parameters and save them to F; "
            "load F and send",
            false},
    Command{"axpara", true, RunAxPara,
            "axpara fetch --file F | axpara send --file F: the same for the axis parameters of the configured "
            "axes (needs --axes)",
            false},
};

}  // namespace

std::span<const Command> ParameterCommands() { return kCommands; }

}  // namespace zova::cli
