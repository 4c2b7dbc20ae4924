// Parameter values on the wire.
#include "parameters/wire_value.h"

namespace zova::parameters {

std::array<std::uint8_t, 4> EncodeParameterValue(std::int32_t value) {
  // Shifting the unsigned form gives the same bytes as masking and dividing by the byte weights,
  // negative values included.
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(v & 0xFFu), static_cast<std::uint8_t>((v >> 8) & 0xFFu),
          static_cast<std::uint8_t>((v >> 16) & 0xFFu), static_cast<std::uint8_t>((v >> 24) & 0xFFu)};
}

std::int32_t DecodeParameterValue(std::span<const std::uint8_t, 4> b) {
  std::uint32_t v = b[0] | static_cast<std::uint32_t>(b[1]) << 8 | static_cast<std::uint32_t>(b[2]) << 16;
  if ((b[3] & 0x80u) != 0) v |= 0xFF000000u;
  return static_cast<std::int32_t>(v);
}

}  // namespace zova::parameters
