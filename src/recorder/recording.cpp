// Values and times as a recording's files write them.
#include "recorder/recording.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace zova::recorder {

namespace {
std::int32_t Raw(const Sample& s, Signal signal) {
  const auto i = static_cast<std::size_t>(signal.index);
  switch (signal.group) {
    case Group::Inputs:
      return static_cast<std::int32_t>((s.inputs >> i) & 1u);
    case Group::Outputs:
      return static_cast<std::int32_t>((s.outputs >> i) & 1u);
    case Group::Sensors:
      return static_cast<std::int32_t>(s.sensors[i]);
    case Group::CommandPositions:
      return s.command[i];
    case Group::ActualPositions:
      return s.actual[i];
    case Group::Error:
      return i == 0 ? s.errorCode : s.errorValue;
  }
  return 0;
}

}  // namespace

void AppendValueText(std::string& out, const Sample& s, Signal signal) {
  char text[24];
  char* const last = text + sizeof text;
  char* end = text;
  if (signal.group == Group::Sensors) {
    end = std::to_chars(text, last, s.sensors[static_cast<std::size_t>(signal.index)]).ptr;
  } else if (const std::int32_t raw = Raw(s, signal); !IsPosition(signal)) {
    end = std::to_chars(text, last, raw).ptr;
  } else {
    // Hundredths as a number with two decimals: -0.05, 12.50.
    const long long magnitude = raw < 0 ? -static_cast<long long>(raw) : raw;
    if (raw < 0) *end++ = '-';
    end = std::to_chars(end, last, magnitude / 100).ptr;
    *end++ = '.';
    *end++ = static_cast<char>('0' + magnitude % 100 / 10);
    *end++ = static_cast<char>('0' + magnitude % 10);
  }
  out.append(text, end);
}

std::string ValueText(const Sample& s, Signal signal) {
  std::string text;
  AppendValueText(text, s, signal);
  return text;
}

double ValueOf(const Sample& s, Signal signal) {
  if (signal.group == Group::Sensors) return s.sensors[static_cast<std::size_t>(signal.index)];
  return IsPosition(signal) ? Raw(s, signal) / 100.0 : Raw(s, signal);
}

}  // namespace zova::recorder
