// zovactl commands of the program subsystem.
#include <array>

#include "cli/cmd_program.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{"program", true, RunProgram, "program send N FILE | send-all DIR\nprogram receive N FILE | receive-all DIR",
            TrMark("send: compile and transmit program N (0 to 31) from FILE, or programs 0 to 31 from "
                   "DIR/ZOVAPRG00.dat to DIR/ZOVAPRG31.dat (axis checks use --axes, else 6); receive: fetch program "
                   "N, or all 32, and write their source files (exit 3 when a source does not compile or a file "
                   "cannot be read or written, 4 when a written source does not compile back to what the "
                   "controller holds)"),
            false},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

}  // namespace zova::cli
