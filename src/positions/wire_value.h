// One axis value of a location or shift block on the wire.
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace zova::positions {

// The 32-bit two's complement of the value, least significant byte first.
std::array<std::uint8_t, 4> EncodePositionValue(std::int32_t value);

// b0 + 256·b1 + 65536·b2, minus 16777216 when the top bit of b3 is set. The controller's
// tables hold 25 bits, so the other bits of b3 carry nothing.
std::int32_t DecodePositionValue(std::span<const std::uint8_t, 4> bytes);

}  // namespace zova::positions
