// The table of zovactl commands, and the reader of their words.
#include "cli/commands.h"

#include <algorithm>
#include <vector>

#include "base/whole_number.h"

namespace zova::cli {

std::span<const Command> AllCommands() {
  static const std::vector<Command> all = [] {
    std::vector<Command> v;
    for (auto part : {LinkCommands(), ConsoleCommands(), LanguageCommands(), ProgramCommands(), PositionCommands(),
                      ParameterCommands(), FirmwareCommands(), BackupCommands(), HistoryCommands(), RecordCommands()}) {
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

bool ReadArgs(const Args& args, std::initializer_list<NamedArg> named, Args& operands) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      operands.push_back(args[i]);
      continue;
    }
    const auto* option = std::find_if(named.begin(), named.end(), [&](const NamedArg& n) { return args[i] == n.name; });
    if (option == named.end() || i + 1 >= args.size() || option->value->has_value()) return false;
    *option->value = args[++i];
  }
  return true;
}

}  // namespace zova::cli
