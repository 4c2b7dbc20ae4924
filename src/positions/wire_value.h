// One axis value of a location or shift block on the wire.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "base/translation.h"

namespace zova::positions {

// What the controller's tables hold (25 bits). The fourth byte of a value outside loses its low seven bits
// on the way back, so such a value is refused before it is sent.
inline constexpr std::int32_t kLowestPositionValue = -16777216;
inline constexpr std::int32_t kHighestPositionValue = 16777215;
inline constexpr std::string_view kMsgPositionValueRange = TrMark(" -167772.16 ~ 167772.15 까지 입력하십시요.");
[[nodiscard]] constexpr bool PositionValueTravels(std::int64_t value) {
  return value >= kLowestPositionValue && value <= kHighestPositionValue;
}

// The 32-bit two's complement of the value, least significant byte first.
std::array<std::uint8_t, 4> EncodePositionValue(std::int32_t value);

// b0 + 256·b1 + 65536·b2, minus 16777216 when the top bit of b3 is set; the other bits of b3 carry nothing.
std::int32_t DecodePositionValue(std::span<const std::uint8_t, 4> bytes);

}  // namespace zova::positions
