// What starts a black-box capture: the controller reporting an error, an input or output changing, or an
// axis's actual position passing a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "recorder/recording.h"

namespace zova::recorder {

struct Trigger {
  enum class Kind { Error, Rise, Fall, Above, Below };
  Kind kind = Kind::Error;
  Signal signal{Group::Error, 0};
  double level = 0;  // Above and Below: the position, in its units
};

// "error", "in3:rise", "out12:fall", "axis1:above:12.5", "axis2:below:-3". The signal must be one the
// recording reads; false with the reason otherwise.
bool ParseTrigger(std::string_view text, const SignalSet& set, Trigger& out, std::string& error);
// "error", "in3-rise", "axis1-above": the cause as a file name carries it.
std::string CauseName(const Trigger& t);
// Whether the step from `before` (the last sample with values) to `now` fires the trigger. A gap never does.
bool Fires(const Trigger& t, const Sample& before, const Sample& now);

}  // namespace zova::recorder
