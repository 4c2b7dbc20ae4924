// zovactl commands of the positions subsystem.
#include <array>

#include "cli/cmd_positions.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{"loc", true, RunLoc,
            "loc receive single N | block A B | all [--file F]\nloc send single N | block A B | all --file F",
            TrMark("receive: fetch locations and print their LOC file lines (--file: save locations 0 to 2499 to F "
                   "instead; single prints its line too); send: load F, then transmit (needs --axes)"),
            false},
    Command{"sft", true, RunSft, "sft receive single N | all [--file F]\nsft send single N | all --file F",
            TrMark("the same for shifts (needs --axes)"), false},
};

}  // namespace

std::span<const Command> PositionCommands() { return kCommands; }

}  // namespace zova::cli
