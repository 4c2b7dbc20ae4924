// zovactl commands of the firmware subsystem.
#include <array>

#include "cli/cmd_firmware.h"
#include "cli/commands.h"
#include "link/translation.h"

namespace zova::cli {

std::span<const Command> FirmwareCommands() {
  static const std::array commands = {
      Command{"firmware", true, RunFirmware, "firmware FILE",
              TrMark("download an Intel HEX file into the controller's flash"), false},
  };
  return commands;
}

}  // namespace zova::cli
