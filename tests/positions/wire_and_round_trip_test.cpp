// Values on the wire, and round trips: a table sent to the simulated controller and fetched back is the same
// table.
#include <gtest/gtest.h>

#include <random>

#include "parameters/wire_value.h"
#include "positions/position_data.h"
#include "positions/table_transfer.h"
#include "positions/wire_value.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using zova::test::SimRig;

// Axis and parameter values on the wire: two's complement out, three bytes and the sign bit of the fourth in.
// Both blocks follow the same rule, so one table holds for both codecs.
TEST(WireValue, SentAsTwosComplementReceivedWithTheControllersSignRule) {
  const struct {
    std::int32_t sent;
    const char* bytes;
    std::int32_t received;
  } cases[] = {
      {0, "00 00 00 00", 0},
      {-1, "FF FF FF FF", -1},
      {-256, "00 FF FF FF", -256},
      {8388608, "00 00 80 00", 8388608},
      {16777215, "FF FF FF 00", 16777215},
      {-16777216, "00 00 00 FF", -16777216},
      {16777216, "00 00 00 01", 0},      // bits 0..6 of the last byte are not used
      {0x7F000001, "01 00 00 7F", 1},    // the same rule for a larger value
      {-2130706433, "FF FF FF 80", -1},  // bit 7 alone sets bits 24..31
      {INT32_MIN, "00 00 00 80", -16777216},
      {INT32_MAX, "FF FF FF 7F", 16777215},
  };
  for (const auto& c : cases) {
    const auto position = EncodePositionValue(c.sent);
    const auto parameter = parameters::EncodeParameterValue(c.sent);
    EXPECT_EQ(test::Hex({position.begin(), position.end()}), c.bytes) << c.sent;
    EXPECT_EQ(test::Hex({parameter.begin(), parameter.end()}), c.bytes) << c.sent;
    EXPECT_EQ(DecodePositionValue(position), c.received) << c.sent;
    EXPECT_EQ(parameters::DecodeParameterValue(parameter), c.received) << c.sent;
  }
}

void FillRandom(PositionTable& table, std::mt19937& random, std::int32_t low, std::int32_t high) {
  std::uniform_int_distribution<std::int32_t> value(low, high);
  for (int n = 0; n <= table.layout().lastNumber; ++n) {
    for (auto& v : table[n]) v = value(random);
  }
}

TEST(RoundTrip, AllLocationsSentAndFetchedBackAreTheSame) {
  std::mt19937 random(20240601);
  SimRig rig(6);
  PositionData sent;
  FillRandom(sent.LocTable, random, kLowestPositionValue, kHighestPositionValue);
  sent.LocTable[0] = {kLowestPositionValue, kHighestPositionValue, -1, 0, 1, -256};
  ASSERT_TRUE(SendTableRows(sent.LocTable, rig.link, 6, Scope::All, 0, 0, sent.TxPointNo).result.ok());
  // All runs from location 0 to 2499, with 2499 as the second operand of every exchange.
  const std::string wire = rig.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 04 < 04 > 00 00 00 00 C3 09 00 00 02 < 16")) << wire.substr(0, 60);
  EXPECT_NE(wire.find("> C3 09 00 00 C3 09 00 00 02 < 16"), std::string::npos);
  EXPECT_EQ(rig.controller.commandLog.size(), 2500u);
  const auto& progress = rig.ui.progress;
  ASSERT_EQ(progress.size(), 2501u);
  EXPECT_EQ(std::tuple(progress.front().value, progress.back().value), std::tuple(2500, 2499))
      << "the maximum, the last";
  sent.TxPointNo = 2500;
  ASSERT_TRUE(SendTableRows(sent.LocTable, rig.link, 6, Scope::Single, 0, 0, sent.TxPointNo).result.ok());

  PositionData fetched;
  EXPECT_EQ(ReceiveTableRows(fetched.LocTable, rig.link, 6, Scope::All, 0, 0, fetched.RxPointNo).stored, 2500);
  fetched.RxPointNo = 2500;
  EXPECT_EQ(ReceiveTableRows(fetched.LocTable, rig.link, 6, Scope::Single, 0, 0, fetched.RxPointNo).stored, 1);
  EXPECT_EQ(std::tuple(fetched.LocTable.sameValues(sent.LocTable), rig.ui.texts()),
            std::tuple(true, std::vector<std::string>{}));
}

TEST(RoundTrip, ShiftsSentAndFetchedBackAreTheSame) {
  std::mt19937 random(7);
  SimRig rig(5);
  PositionData sent;
  FillRandom(sent.SftTable, random, kLowestPositionValue, kHighestPositionValue);
  for (auto& v : sent.SftTable[1000]) v = 0;  // reachable by single transfers only; checked below
  sent.SftTable[999][5] = INT32_MAX;          // corrupted on the way, but the sixth axis does not travel
  ASSERT_TRUE(SendTableRows(sent.SftTable, rig.link, 5, Scope::All, 0, 0, sent.TxPointNo).result.ok());
  PositionData fetched;
  EXPECT_EQ(ReceiveTableRows(fetched.SftTable, rig.link, 5, Scope::All, 0, 0, fetched.RxPointNo).stored, 1000);
  for (int n = 0; n < 1000; ++n) {
    PositionRow expected = sent.SftTable[n];
    expected[5] = 0;  // five axes configured: the sixth never travels
    ASSERT_EQ(fetched.SftTable[n], expected) << n;
  }
  sent.SftTable[1000] = {-1, 2, -3, 4, -5, 0};
  sent.TxPointNo = fetched.RxPointNo = 1000;
  ASSERT_TRUE(SendTableRows(sent.SftTable, rig.link, 5, Scope::Single, 0, 0, sent.TxPointNo).result.ok());
  EXPECT_EQ(ReceiveTableRows(fetched.SftTable, rig.link, 5, Scope::Single, 0, 0, fetched.RxPointNo).stored, 1);
  EXPECT_EQ(fetched.SftTable[1000], sent.SftTable[1000]);
}

}  // namespace
}  // namespace zova::positions
