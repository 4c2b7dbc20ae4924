// What a recording holds: the chosen signals and their samples, each stamped on the monotonic clock from the
// recording's start, whose UTC time is kept for display and files.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "base/utc_time.h"
#include "recorder/signal_set.h"

namespace zova::recorder {

using zova::ParseUtc;
using zova::Utc;
using zova::UtcText;
using Micros = std::chrono::microseconds;

struct Sample {
  Micros at{};       // since the recording's start
  bool gap = false;  // nothing was read from `at` until the next sample (the line was busy, or failed)
  std::uint64_t inputs = 0;
  std::uint64_t outputs = 0;
  std::array<std::uint32_t, kMaxAxes> sensors{};
  std::array<std::int32_t, kMaxAxes> command{};  // positions in hundredths, as the controller counts them
  std::array<std::int32_t, kMaxAxes> actual{};
  std::int32_t errorCode = 0;
  std::int32_t errorValue = 0;
  friend bool operator==(const Sample&, const Sample&) = default;
};

// The value of one signal as files write it: "0"/"1", a whole number, or a position with two decimals.
std::string ValueText(const Sample& s, Signal signal);
// The same, added to the end of `out` (a recording writes hundreds of them a second).
void AppendValueText(std::string& out, const Sample& s, Signal signal);
// The number a plot or a trigger compares (a position in its units, not hundredths).
double ValueOf(const Sample& s, Signal signal);

struct Recording {
  SignalSet set;
  Utc start{};
  std::vector<Sample> samples;
};

}  // namespace zova::recorder
