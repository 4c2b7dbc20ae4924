// Control bytes of the controller link.
#pragma once

#include <cstdint>

namespace zova {

inline constexpr std::uint8_t SOH = 0x01;
inline constexpr std::uint8_t STX = 0x02;
inline constexpr std::uint8_t ETX = 0x03;
inline constexpr std::uint8_t EOT = 0x04;
inline constexpr std::uint8_t ENQ = 0x05;
inline constexpr std::uint8_t DLE = 0x10;
inline constexpr std::uint8_t DC1 = 0x11;
inline constexpr std::uint8_t SYN = 0x16;
inline constexpr std::uint8_t CAN = 0x18;

// Weights of the four bytes of a wire value, least significant first.
inline constexpr std::int64_t ByteWeight[4] = {1, 256, 65536, 16777216};

}  // namespace zova
