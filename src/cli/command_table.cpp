// The table of zovactl commands.
#include <array>
#include <optional>
#include <vector>

#include "cli/cmd_link.h"
#include "cli/commands.h"
#include "link/translation.h"
#include "link/whole_number.h"

namespace zova::cli {

namespace {

const std::array kCommands = {
    Command{"ping", true, RunPing, "ping", TrMark("open the port, run the link check and print ok"), true, true},
    Command{"close", true, RunClose, "close", TrMark("send the close-link command"), false, true},
    Command{"servo", true, RunServo, "servo on|off", TrMark("servo amplifiers on or off"), false},
    Command{"alarm-reset", true, RunAlarmReset, "alarm-reset", TrMark("reset the controller's alarm"), false, true},
    Command{"outputs", true, RunOutputs, "outputs", TrMark("print the output points that are on"), false, true},
    Command{"inputs", true, RunInputs, "inputs", TrMark("print the input points that are on"), false, true},
    Command{"sensors", true, RunSensors, "sensors", TrMark("print each axis's sensor word (needs --axes)"), false,
            true},
    Command{"positions", true, RunPositions, "positions", TrMark("print command and actual positions (needs --axes)"),
            false, true},
    Command{"error", true, RunError, "error", TrMark("print the controller's error report"), false, true},
    Command{"set-output", true, RunSetOutput, "set-output N on|off", TrMark("switch output point N (8 to 63)"), false},
};

}  // namespace

std::span<const Command> LinkCommands() { return kCommands; }

std::span<const Command> AllCommands() {
  static const std::vector<Command> all = [] {
    std::vector<Command> v;
    for (auto part : {LinkCommands(), ConsoleCommands(), LanguageCommands(), ProgramCommands(), PositionCommands(),
                      ParameterCommands(), FirmwareCommands(), BackupCommands()}) {
      v.insert(v.end(), part.begin(), part.end());
    }
    return v;
  }();
  return all;
}

const Command* FindCommand(std::string_view name) {
  for (const Command& c : AllCommands()) {
    if (name == c.name) return &c;
  }
  return nullptr;
}

bool ParseInt(const std::string& text, int& out) {
  const std::optional<int> value = ReadWholeNumber(text);
  if (value) out = *value;
  return value.has_value();
}

}  // namespace zova::cli
