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

std::string ValueText(const Sample& s, Signal signal) {
  if (signal.group == Group::Sensors) return std::to_string(s.sensors[static_cast<std::size_t>(signal.index)]);
  const std::int32_t raw = Raw(s, signal);
  if (!IsPosition(signal)) return std::to_string(raw);
  const long long magnitude = raw < 0 ? -static_cast<long long>(raw) : raw;
  char text[24];
  std::snprintf(text, sizeof text, "%s%lld.%02lld", raw < 0 ? "-" : "", magnitude / 100, magnitude % 100);
  return text;
}

double ValueOf(const Sample& s, Signal signal) {
  if (signal.group == Group::Sensors) return s.sensors[static_cast<std::size_t>(signal.index)];
  return IsPosition(signal) ? Raw(s, signal) / 100.0 : Raw(s, signal);
}

}  // namespace zova::recorder
