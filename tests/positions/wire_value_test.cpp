// Axis and parameter values on the wire: two's complement out, three bytes and the sign bit of the fourth in.
// Both blocks follow the same rule, so one table holds for both codecs.
#include <gtest/gtest.h>

#include <vector>

#include "parameters/wire_value.h"
#include "positions/wire_value.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

TEST(WireValue, SentAsTwosComplementReceivedWithTheControllersSignRule) {
  const struct {
    std::int32_t sent;
    const char* bytes;
    std::int32_t received;
  } cases[] = {
      {0, "00 00 00 00", 0},
      {400, "90 01 00 00", 400},
      {12345, "39 30 00 00", 12345},
      {-1, "FF FF FF FF", -1},
      {-256, "00 FF FF FF", -256},
      {-300, "D4 FE FF FF", -300},
      {-100000, "60 79 FE FF", -100000},
      {8388607, "FF FF 7F 00", 8388607},
      {8388608, "00 00 80 00", 8388608},
      {-8388608, "00 00 80 FF", -8388608},
      {16777215, "FF FF FF 00", 16777215},
      {-16777216, "00 00 00 FF", -16777216},
      {16777216, "00 00 00 01", 0},    // bits 0..6 of the last byte are not used
      {0x7F000001, "01 00 00 7F", 1},  // the same rule for a larger value
      {0x0100'3039, "39 30 00 01", 12345},
      {-2130706433, "FF FF FF 80", -1},  // bit 7 alone sets bits 24..31
      {INT32_MIN, "00 00 00 80", -16777216},
      {INT32_MAX, "FF FF FF 7F", 16777215},
  };
  for (const auto& c : cases) {
    const auto position = EncodePositionValue(c.sent);
    const auto parameter = EncodeParameterValue(c.sent);
    EXPECT_EQ(test::Hex({position.begin(), position.end()}), c.bytes) << c.sent;
    EXPECT_EQ(test::Hex({parameter.begin(), parameter.end()}), c.bytes) << c.sent;
    EXPECT_EQ(DecodePositionValue(position), c.received) << c.sent;
    EXPECT_EQ(DecodeParameterValue(parameter), c.received) << c.sent;
  }
}

}  // namespace
}  // namespace zova::positions
