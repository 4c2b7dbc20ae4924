// The simulator's script.
#include "sim/script.h"

#include <climits>
#include <optional>

#include "base/translation.h"
#include "base/whole_number.h"

namespace zova::sim {

namespace {
bool Whole(std::string_view text, int min, int max, int& out) {
  const std::optional<int> n = ReadWholeNumber(text);
  if (n) out = *n;
  return n && *n >= min && *n <= max;
}
}  // namespace

TextFault ParseScript(std::string_view text, std::vector<ScriptEvent>& out) {
  std::vector<ScriptEvent> events;
  for (const TextLine& line : SplitTextLines(text)) {
    const std::vector<std::string_view> w = SplitWords(line.text);
    if (w.empty() || w[0].starts_with('#')) continue;
    ScriptEvent e;
    long long ms = 0;
    if (!ReadFixedDecimal(w[0], 3, 0, 24LL * 3600 * 1000, ms)) {
      return {line.number, Tr("{1}: not a time in seconds such as 1.5", {std::string(w[0])})};
    }
    e.at = milliseconds(ms);
    if (!events.empty() && e.at < events.back().at) return {line.number, Tr("the time goes back")};
    const std::string_view event = w.size() > 1 ? w[1] : std::string_view{};
    bool ok = false;
    if (event == "in" && w.size() == 4) {
      e.kind = ScriptEvent::Kind::Input;
      e.second = w[3] == "on" ? 1 : 0;
      ok = Whole(w[2], 0, 63, e.first) && (w[3] == "on" || w[3] == "off");
    } else if (event == "jog" && w.size() == 5) {
      e.kind = ScriptEvent::Kind::Jog;
      ok = Whole(w[2], 1, kMaxAxes, e.first) && (w[3] == "+" || w[3] == "-") && Whole(w[4], 1, 1000, e.second);
      if (w[3] == "-") e.second = -e.second;
    } else if (event == "stop" && w.size() == 2) {
      ok = true;
    } else if (event == "error" && w.size() == 4) {
      e.kind = ScriptEvent::Kind::Error;
      ok = Whole(w[2], INT_MIN, INT_MAX, e.first) && Whole(w[3], INT_MIN, INT_MAX, e.second);
    }
    if (!ok) {
      return {line.number, Tr("not an event (in P on|off, jog AXIS +|- SPEED, stop, error CODE VALUE): {1}",
                              {std::string(line.text)})};
    }
    events.push_back(e);
  }
  out = std::move(events);
  return {};
}

void ApplyScriptEvent(const ScriptEvent& e, Machine& machine, TimePoint now) {
  switch (e.kind) {
    case ScriptEvent::Kind::Input:
      machine.setInput(e.first, e.second != 0);
      break;
    case ScriptEvent::Kind::Jog:
      machine.startJog(e.first - 1, e.second > 0, e.second > 0 ? e.second : -e.second, now);
      break;
    case ScriptEvent::Kind::Stop:
      machine.stop(now);
      break;
    case ScriptEvent::Kind::Error:
      machine.errorCode = e.first;
      machine.errorValue = e.second;
      machine.setOutput(kOutError, e.first != 0);
      break;
  }
}

}  // namespace zova::sim
