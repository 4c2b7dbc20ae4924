// Triggers.
#include "recorder/trigger.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::recorder {

bool ParseTrigger(std::string_view text, const SignalSet& set, Trigger& out, std::string& error) {
  const std::string whole(text);
  auto refuse = [&](std::string reason) {
    error = std::move(reason);
    return false;
  };
  auto chosen = [&](Signal s) { return std::find(set.list.begin(), set.list.end(), s) != set.list.end(); };
  if (text == "error") {
    if (!chosen({Group::Error, 0})) return refuse(Tr("{1}: the recording does not read the error", {whole}));
    out = Trigger{};
    return true;
  }
  const std::vector<std::string_view> parts = SplitAt(text, ':');  // "in3:rise:" has three
  const std::string_view name = parts[0];
  const std::string_view edge = parts.size() > 1 ? parts[1] : std::string_view{};
  Trigger t;
  const SignalSet all = AllSignals(set.axes);
  const auto known = std::find_if(all.list.begin(), all.list.end(), [&](Signal s) {
    return ShortName(s) == name && s.group != Group::Sensors && s.group != Group::CommandPositions;
  });
  if (known == all.list.end()) {
    return refuse(Tr("{1}: no such signal (error, in0 to in63, out0 to out63, axis1 to axis{2})",
                     {whole, std::to_string(set.axes)}));
  }
  t.signal = *known;
  const bool bit = IsBit(t.signal);
  long long level = 0;
  if (bit && (edge == "rise" || edge == "fall") && parts.size() == 2) {
    t.kind = edge == "rise" ? Trigger::Kind::Rise : Trigger::Kind::Fall;
  } else if (!bit && (edge == "above" || edge == "below") && parts.size() == 3 &&
             ReadFixedDecimal(parts[2], 2, INT32_MIN, INT32_MAX, level)) {
    t.kind = edge == "above" ? Trigger::Kind::Above : Trigger::Kind::Below;
    t.level = static_cast<double>(level) / 100;
  } else {
    return refuse(Tr("{1}: not a trigger (error, in3:rise, out12:fall, axis1:above:12.5)", {whole}));
  }
  if (!chosen(t.signal)) {
    return refuse(Tr("{1}: the recording does not read {2}", {whole, SignalName(t.signal)}));
  }
  out = t;
  return true;
}

std::string CauseName(const Trigger& t) {
  static const char* kinds[] = {"error", "rise", "fall", "above", "below"};
  if (t.kind == Trigger::Kind::Error) return "error";
  return ShortName(t.signal) + "-" + kinds[static_cast<int>(t.kind)];
}

bool Fires(const Trigger& t, const Sample& before, const Sample& now) {
  if (now.gap || before.gap) return false;
  const double was = ValueOf(before, t.signal);
  const double is = ValueOf(now, t.signal);
  switch (t.kind) {
    case Trigger::Kind::Error:
      return is != 0 && is != was;  // a new error report
    case Trigger::Kind::Rise:
      return was == 0 && is != 0;
    case Trigger::Kind::Fall:
      return was != 0 && is == 0;
    case Trigger::Kind::Above:
      return was < t.level && is >= t.level;
    case Trigger::Kind::Below:
      return was > t.level && is <= t.level;
  }
  return false;
}

}  // namespace zova::recorder
