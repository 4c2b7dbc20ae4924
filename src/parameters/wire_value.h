// One parameter value on the wire: four bytes, least significant first, with the controller's sign rule.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zova::parameters {

// The four bytes of a value's 32-bit two's-complement form, least significant first.
std::array<std::uint8_t, 4> EncodeParameterValue(std::int32_t value);

// b0 + 256·b1 + 65536·b2, with bits 24..31 all set when bit 7 of b3 is set; bits 0..6 of b3 are not
// used, so 00 00 00 01 (16777216) comes back as 0.
std::int32_t DecodeParameterValue(std::span<const std::uint8_t, 4> bytes);

// What the controller holds of a value: 24 bits and a sign. Anything else comes back as another value.
inline constexpr std::int64_t kWireLowest = -16777216;
inline constexpr std::int64_t kWireHighest = 16777215;
[[nodiscard]] constexpr bool FitsParameterWire(std::int64_t value) {
  return value >= kWireLowest && value <= kWireHighest;
}

}  // namespace zova::parameters
