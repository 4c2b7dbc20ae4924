// What a recording holds: the chosen signals and their samples, each stamped on the monotonic clock from the
// recording's start, whose UTC time is kept for display and files.
#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "recorder/signal_set.h"

namespace zova::recorder {

using Utc = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;
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
// The number a plot or a trigger compares (a position in its units, not hundredths).
double ValueOf(const Sample& s, Signal signal);

struct Recording {
  SignalSet set;
  Utc start{};
  std::vector<Sample> samples;
};

// "2026-12-07T22:30:01.123Z": ISO 8601 UTC with milliseconds.
std::string UtcText(Utc t);
// Reads that form back (milliseconds, a 'Z' or "+00:00"); false for anything else.
bool ParseUtc(std::string_view text, Utc& out);

}  // namespace zova::recorder
