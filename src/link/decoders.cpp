// Decoders of status replies and the "#0.00" number form.
#include "link/decoders.h"

#include <cmath>
#include <cstdio>

#include "link/control_bytes.h"

namespace zova {

IoImage DecodeIoImage(std::span<const std::uint8_t, 8> b) {
  IoImage image;
  for (int w = 0; w < 4; ++w) image.W[w] = static_cast<std::uint16_t>(b[2 * w + 1] * 256 + b[2 * w]);
  return image;
}

std::uint32_t DecodeSensorWord(std::span<const std::uint8_t> block, int axis) {
  std::uint32_t value = 0;
  for (int j = 0; j < 4; ++j) value += static_cast<std::uint32_t>(block[4 * axis + j] * ByteWeight[j]);
  return value;
}

std::int32_t DecodePosition(std::span<const std::uint8_t> block, int axis) {
  return static_cast<std::int32_t>(DecodeSensorWord(block, axis));
}

ErrorReport DecodeErrorReport(std::span<const std::uint8_t, 4> b) { return {b[1] * 256 + b[0], b[3] * 256 + b[2]}; }

std::string FormatHundredths(std::int64_t hundredths) {
  const bool negative = hundredths < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(hundredths) : static_cast<std::uint64_t>(hundredths);
  char text[32];
  std::snprintf(text, sizeof text, "%s%llu.%02llu", negative ? "-" : "",
                static_cast<unsigned long long>(magnitude / 100), static_cast<unsigned long long>(magnitude % 100));
  return text;
}

std::string FormatHundredths(double hundredths) {
  return FormatHundredths(static_cast<std::int64_t>(std::llround(hundredths)));
}

double RoundHalfEven(double value) {
  double floor = std::floor(value);
  double diff = value - floor;
  if (diff > 0.5) return floor + 1;
  if (diff < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

}  // namespace zova
