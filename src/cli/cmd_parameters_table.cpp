// zovactl commands of the parameters subsystem.
#include <array>

#include "cli/cmd_parameters.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{"syspara", true, RunSysPara, "syspara fetch --file F\nsyspara send --file F",
            TrMark("fetch the system parameters and save them to F; load F and send"), false},
    Command{"axpara", true, RunAxPara, "axpara fetch --file F\naxpara send --file F",
            TrMark("the same for the axis parameters of the configured axes (needs --axes)"), false},
};

}  // namespace

std::span<const Command> ParameterCommands() { return kCommands; }

}  // namespace zova::cli
