// A script of events over time, so that a recording sees the machine change: an input switching, an axis
// moving, an error raised. One event a line, its time in seconds from the simulator's start:
//
//   # seconds  event
//   0.5   in 3 on
//   1     jog 1 + 20       axis 1 moves at speed 20 (20 units a second)
//   1.5   stop
//   2     error 4 1        the controller reports error 4 with value 1 (error 0 0 clears it)
//
// Blank lines and lines starting with '#' are passed over; times may not go back.
#pragma once

#include <string_view>
#include <vector>

#include "base/clock.h"
#include "base/text_lines.h"
#include "sim/machine.h"

namespace zova::sim {

struct ScriptEvent {
  enum class Kind { Input, Jog, Stop, Error };
  Duration at{};
  Kind kind = Kind::Stop;
  int first = 0;   // the input point, the axis (1-based), the error code
  int second = 0;  // on (1) or off (0), the jog speed (negative: backwards), the error value
};

TextFault ParseScript(std::string_view text, std::vector<ScriptEvent>& out);
void ApplyScriptEvent(const ScriptEvent& e, Machine& machine, TimePoint now);

}  // namespace zova::sim
