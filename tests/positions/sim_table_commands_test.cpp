// The simulated controller's table requests, driven by the frame primitives directly.
#include <gtest/gtest.h>

#include "link/commands.h"
#include "positions/wire_value.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using zova::test::SimRig;

std::vector<std::uint8_t> Block(std::initializer_list<std::int32_t> values) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t v : values) {
    const auto b = EncodePositionValue(v);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  return bytes;
}

bool SendBlock(Link& link, const std::vector<std::uint8_t>& block) {
  std::uint32_t sum = 0;
  link.SendBytes(block, sum);
  return link.SendChecksum(Link::ChecksumFor(sum));
}

// Second operands whose low byte is STX must not pass for the one-operand form.
TEST(SimTableCommands, TwoOperandFormWithStxAsLowByteOfTheEnd) {
  for (int end : {2, 258, 2306}) {
    SimRig rig(2);
    ASSERT_TRUE(rig.link.StartCommand(cmd::kSendLocations)) << end;
    ASSERT_TRUE(rig.link.SendTwoOperands(1, end)) << end;
    ASSERT_TRUE(SendBlock(rig.link, Block({-1, 42}))) << end;
    EXPECT_EQ(rig.controller.positions.locations[1], (sim::StoredPosition{-1, 42, 0, 0, 0, 0})) << end;
  }
}

TEST(SimTableCommands, BlockWithWrongChecksumIsRefusedAndNotStored) {
  SimRig rig(2);
  rig.controller.positions.shifts[3] = {5, 5, 0, 0, 0, 0};
  ASSERT_TRUE(rig.link.StartCommand(cmd::kSendShifts));
  ASSERT_TRUE(rig.link.SendTwoOperands(3, 999));
  std::uint32_t sum = 0;
  rig.link.SendBytes(Block({9, 9}), sum);
  EXPECT_FALSE(rig.link.SendChecksum(static_cast<std::uint8_t>(Link::ChecksumFor(sum) + 1)));
  EXPECT_EQ(rig.wire.text().substr(rig.wire.text().size() - 4), "< 10");
  EXPECT_EQ(rig.controller.positions.shifts[3], (sim::StoredPosition{5, 5, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace zova::positions
