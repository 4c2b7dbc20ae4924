// Axis values on the wire: two's complement out, three bytes and a sign bit in.
#include <gtest/gtest.h>

#include <vector>

#include "positions/wire_value.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

std::string EncodedHex(std::int32_t value) {
  const auto bytes = EncodePositionValue(value);
  return test::Hex(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

TEST(WireValue, SendsTwosComplementLeastSignificantByteFirst) {
  const struct {
    std::int32_t value;
    const char* bytes;
  } cases[] = {
      {-256, "00 FF FF FF"},       {-1, "FF FF FF FF"},
      {8388607, "FF FF 7F 00"},    {-300, "D4 FE FF FF"},
      {0, "00 00 00 00"},          {12345, "39 30 00 00"},
      {16777215, "FF FF FF 00"},   {-16777216, "00 00 00 FF"},
      {2147483647, "FF FF FF 7F"}, {-2147483647 - 1, "00 00 00 80"},
  };
  for (const auto& c : cases) EXPECT_EQ(EncodedHex(c.value), c.bytes) << c.value;
}

TEST(WireValue, RebuildsFromThreeBytesAndTheTopBitOfTheFourth) {
  const struct {
    std::array<std::uint8_t, 4> bytes;
    std::int32_t value;
  } cases[] = {
      {{0x00, 0x00, 0x80, 0xFF}, -8388608}, {{0x00, 0x00, 0x80, 0x00}, 8388608},   {{0x01, 0x00, 0x00, 0x7F}, 1},
      {{0xFF, 0xFF, 0xFF, 0xFF}, -1},       {{0x00, 0xFF, 0xFF, 0xFF}, -256},      {{0xFF, 0xFF, 0xFF, 0x80}, -1},
      {{0xFF, 0xFF, 0xFF, 0x00}, 16777215}, {{0x00, 0x00, 0x00, 0x80}, -16777216}, {{0xD4, 0xFE, 0xFF, 0xFF}, -300},
      {{0x39, 0x30, 0x00, 0x01}, 12345},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DecodePositionValue(c.bytes), c.value)
        << test::Hex(std::vector<std::uint8_t>(c.bytes.begin(), c.bytes.end()));
  }
}

}  // namespace
}  // namespace zova::positions
