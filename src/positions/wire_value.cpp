// Axis values on the wire.
#include "positions/wire_value.h"

namespace zova::positions {

std::array<std::uint8_t, 4> EncodePositionValue(std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(v & 0xFFu), static_cast<std::uint8_t>((v >> 8) & 0xFFu),
          static_cast<std::uint8_t>((v >> 16) & 0xFFu), static_cast<std::uint8_t>((v >> 24) & 0xFFu)};
}

std::int32_t DecodePositionValue(std::span<const std::uint8_t, 4> b) {
  std::int32_t value = b[0] + 256 * b[1] + 65536 * b[2];
  if ((b[3] & 0x80u) != 0) value -= 16777216;
  return value;
}

}  // namespace zova::positions
