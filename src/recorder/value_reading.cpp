// Signals and values read from a recording file.
#include "recorder/value_reading.h"

#include <algorithm>
#include <charconv>
#include <climits>

#include "base/translation.h"
#include "recorder/recording_file.h"

namespace zova::recorder {

namespace {
bool Whole(std::string_view text, long long min, long long max, long long& out) {
  if (text.empty() || text.front() == '+') return false;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size() && out >= min && out <= max;
}
}  // namespace

TextFault SignalsNamed(const std::vector<std::string_view>& names, std::size_t first,
                       const std::function<bool(std::string_view, Signal&)>& lookup, SignalSet& set) {
  set.list.clear();
  set.axes = 1;
  for (std::size_t i = first; i < names.size(); ++i) {
    Signal s{};
    if (!lookup(names[i], s)) return {0, Tr("{1}: not a signal of this program", {std::string(names[i])})};
    if (std::find(set.list.begin(), set.list.end(), s) != set.list.end()) {
      return {0, Tr("{1} is named twice", {std::string(names[i])})};
    }
    if (!IsBit(s) && s.group != Group::Error) set.axes = std::max(set.axes, s.index + 1);
    set.list.push_back(s);
  }
  return {};
}

void Store(Sample& s, Signal signal, std::int64_t raw) {
  const auto i = static_cast<std::size_t>(signal.index);
  const std::uint64_t bit = std::uint64_t{1} << i;
  switch (signal.group) {
    case Group::Inputs:
      s.inputs = raw != 0 ? s.inputs | bit : s.inputs & ~bit;
      break;
    case Group::Outputs:
      s.outputs = raw != 0 ? s.outputs | bit : s.outputs & ~bit;
      break;
    case Group::Sensors:
      s.sensors[i] = static_cast<std::uint32_t>(raw);
      break;
    case Group::CommandPositions:
      s.command[i] = static_cast<std::int32_t>(raw);
      break;
    case Group::ActualPositions:
      s.actual[i] = static_cast<std::int32_t>(raw);
      break;
    case Group::Error:
      (i == 0 ? s.errorCode : s.errorValue) = static_cast<std::int32_t>(raw);
      break;
  }
}

bool SetValue(Sample& s, Signal signal, std::string_view text) {
  long long raw = 0;
  const bool ok = IsBit(signal)                    ? Whole(text, 0, 1, raw) && text.size() == 1
                  : IsPosition(signal)             ? ReadFixedDecimal(text, 2, INT32_MIN, INT32_MAX, raw)
                  : signal.group == Group::Sensors ? Whole(text, 0, UINT32_MAX, raw)
                                                   : Whole(text, INT32_MIN, INT32_MAX, raw);
  if (ok) Store(s, signal, raw);
  return ok;
}

std::string BadValue(Signal signal, std::string_view text) {
  if (IsPosition(signal)) return SignalName(signal) + ": " + FixedDecimalFault(text, 2, INT32_MIN, INT32_MAX);
  const std::string name = SignalName(signal);
  const std::string shown(text);  // escaped where the refusal is shown
  if (IsBit(signal)) return Tr("{1}: {2} is not 0 or 1", {name, shown});
  if (signal.group == Group::Sensors) return Tr("{1}: {2} is not a whole number from 0 to 4294967295", {name, shown});
  return Tr("{1}: {2} is not a whole number from -2147483648 to 2147483647", {name, shown});
}

TextFault ReadRecordingText(std::string_view text, Recording& out) {
  if (const std::string problem = TextFormProblem(text); !problem.empty()) return {0, problem};
  const std::vector<TextLine> lines = SplitTextLines(text);
  const bool vcd = !lines.empty() && lines[0].text.starts_with('$');
  return vcd ? ReadVcd(lines, out) : ReadCsv(lines, out);
}

}  // namespace zova::recorder
