// Requests against the simulated controller, checked on the wire in both directions. The failures every
// request shares (no echo, silence, bad terminator, short block, refused operands, overlong announcement)
// are proven for each of them by the fault matrix.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/commands.h"
#include "link/requests.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::SimRig;

TEST(Requests, ServoOnWholeExchange) {
  SimRig rig;
  EXPECT_EQ(RequestWithZeroOperand(rig.link, cmd::kServoOn), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 17 < 17 > 00 00 00 00 02 < 16");
  EXPECT_TRUE(rig.controller.machine.output(2)) << "SERVO ON output follows";
}

TEST(Requests, ReadingImages) {
  struct Case {
    bool inputs;
    std::array<std::uint8_t, 8> bytes;
    const char* wire;
    std::vector<int> on;
  } cases[] = {
      {false, {0x80, 0, 0, 0, 0, 0, 0, 0}, "> 01 < 06 > 1C < 1C 80 00 00 00 00 00 00 00 80 03 > 04", {7}},
      {true, {0x01, 0, 0, 0, 0, 0, 0, 0x80}, "> 01 < 06 > 1B < 1B 01 00 00 00 00 00 00 80 7F 03 > 04", {0, 63}},
  };
  for (const Case& c : cases) {
    SimRig rig;
    (c.inputs ? rig.controller.machine.inputs : rig.controller.machine.outputs) = c.bytes;
    IoImage image;
    EXPECT_EQ(RequestIoImage(rig.link, c.inputs, image), RequestStatus::Ok);
    EXPECT_EQ(rig.wire.text(), c.wire);
    for (int p = 0; p < 64; ++p) EXPECT_EQ(image.point(p), std::count(c.on.begin(), c.on.end(), p) == 1) << p;
  }
}

TEST(Requests, BadChecksumKeepsThePreviousData) {
  SimRig rig;
  rig.controller.faults.badChecksum = true;
  IoImage image;
  image.W = {1, 2, 3, 4};
  EXPECT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::BadChecksum);
  EXPECT_EQ(image.W, (std::array<std::uint16_t, 4>{1, 2, 3, 4}));
}

TEST(Requests, FailedHandshakeOfAnActionSendsTheCancelSequence) {
  SimRig rig;
  rig.controller.faults.wrongEcho = true;
  EXPECT_EQ(RequestWithZeroOperand(rig.link, cmd::kZeroReturn), RequestStatus::Failed);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 16 < 56 > 00 00 00 00 10");
  EXPECT_FALSE(rig.controller.machine.output(7));
}

TEST(Requests, OutputPoint8IsOutputNumber1) {
  SimRig rig;
  EXPECT_EQ(RequestSetOutput(rig.link, 8, true), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 21 < 21 > 01 01 00 00 00 00 02 < 16");
  EXPECT_TRUE(rig.controller.machine.output(8));
  rig.wire.clear();
  EXPECT_EQ(RequestSetOutput(rig.link, 63, false), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.sent()[2], 56);
}

TEST(Requests, SixAxisRepliesAre24Bytes) {
  SimRig rig(6);
  std::array<std::int32_t, 6> pos{};
  ASSERT_EQ(RequestPositions(rig.link, true, 6, pos), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.sent().size(), 3u) << "SOH, the code, EOT after 24 data bytes";
  std::array<std::uint32_t, 6> sensors{};
  rig.wire.clear();
  ASSERT_EQ(RequestSensorWords(rig.link, 6, sensors), RequestStatus::Ok);
  EXPECT_EQ(rig.link.BlockLength, 24);
  EXPECT_EQ(rig.wire.text().substr(0, 35), "> 01 < 06 > 28 < 28 18 00 00 00 02 ");
}

TEST(Requests, SensorBlockShorterThanTheAxesIsRefused) {
  SimRig rig(2);
  std::array<std::uint32_t, 6> sensors{};
  EXPECT_EQ(RequestSensorWords(rig.link, 4, sensors), RequestStatus::Failed);
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"통신이상 발생"});
}

}  // namespace
}  // namespace zova
