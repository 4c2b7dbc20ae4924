// zovactl commands of the console subsystem.
#include <array>

#include "cli/cmd_console.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

std::span<const Command> ConsoleCommands() {
  static const std::array commands = {
      Command{"zero-return", true, RunZeroReturn, "zero-return",
              TrMark("run the zero return and wait until it is done"), false, true},
      Command{"jog", true, RunJog, "jog AXIS + | - [--speed S] [--ms T]",
              TrMark("jog an axis for T ms (default 500, at most 60000; speed 10), print positions (needs --axes)"),
              false},
      Command{"move", true, RunMove, "move TEXT [--speed S] [--accel A]",
              TrMark("execute one command line (defaults 10, 50)"), false},
      Command{"run", true, RunStartProgram, "run N", TrMark("start program N (0 to 31)"), false, false,
              CheckStartProgram},
      Command{"stop", true, RunStopProgram, "stop",
              TrMark("stop the program and wait until the axes rest (needs --axes)"), false, true},
      Command{"reset", true, RunResetProgram, "reset",
              TrMark("reset the program and wait until the axes rest (needs --axes)"), false, true},
      Command{"loc-set", true, RunLocSet, "loc-set N",
              TrMark("store the current command position as location N (needs --axes)"), false},
  };
  return commands;
}

}  // namespace zova::cli
