// Decoders of the controller's status replies, and the "#0.00" number form used for positions.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace zova {

// A 64-point input or output image as four 16-bit words; point p is bit p%16 of W[p/16].
struct IoImage {
  std::array<std::uint16_t, 4> W{};
  [[nodiscard]] bool point(int p) const { return ((W[p / 16] >> (p % 16)) & 1u) != 0; }
};

struct ErrorReport {
  int code = 0;
  int value = 0;
};

IoImage DecodeIoImage(std::span<const std::uint8_t, 8> bytes);
// Sensor word of axis `axis` (0-based) from bytes 4a..4a+3, least significant first.
std::uint32_t DecodeSensorWord(std::span<const std::uint8_t> block, int axis);
// Signed 32-bit two's-complement position of axis `axis` (0-based).
std::int32_t DecodePosition(std::span<const std::uint8_t> block, int axis);
ErrorReport DecodeErrorReport(std::span<const std::uint8_t, 4> bytes);

// Sensor word bits.
inline constexpr std::uint32_t kSensorHome = 1u << 0;
inline constexpr std::uint32_t kSensorPositiveLimit = 1u << 1;
inline constexpr std::uint32_t kSensorNegativeLimit = 1u << 2;
inline constexpr std::uint32_t kSensorAtRest = 1u << 8;

// value/100 with at least one integer digit and exactly two decimals ("#0.00"): -5 -> "-0.05".
std::string FormatHundredths(std::int64_t hundredths);
// The same for a value held as a floating-point count of hundredths (rounded to the nearest).
std::string FormatHundredths(double hundredths);
// Rounds to the nearest integer, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double RoundHalfEven(double value);

}  // namespace zova
