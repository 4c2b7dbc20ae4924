// Requests against the simulated controller, checked on the wire in both directions. The failures every
// request shares (no echo, silence, bad terminator, short block, refused operands, overlong announcement)
// are proven for each of them by the fault matrix.
#include <gtest/gtest.h>

#include <functional>

#include "link/commands.h"
#include "link/requests.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::SimRig;

// An action is answered with SYN; a failed handshake is closed with the cancel sequence, DLE in STX's place.
// Output point 8 is output number 1.
TEST(Requests, ActionsOnTheWire) {
  struct Case {
    std::function<Outcome(Link&)> send;
    bool wrongEcho;
    const char* wire;
  } cases[] = {
      {[](Link& l) { return RequestWithZeroOperand(l, cmd::kServoOn); }, false,
       "> 01 < 06 > 17 < 17 > 00 00 00 00 02 < 16"},
      {[](Link& l) { return RequestWithZeroOperand(l, cmd::kZeroReturn); }, true,
       "> 01 < 06 > 16 < 56 > 00 00 00 00 10"},
      {[](Link& l) { return RequestSetOutput(l, 8, true); }, false, "> 01 < 06 > 21 < 21 > 01 01 00 00 00 00 02 < 16"},
      {[](Link& l) { return RequestSetOutput(l, 63, false); }, false,
       "> 01 < 06 > 21 < 21 > 38 00 00 00 00 00 02 < 16"},
  };
  for (const Case& c : cases) {
    SimRig rig;
    rig.controller.faults.wrongEcho = c.wrongEcho;
    EXPECT_EQ(c.send(rig.link), c.wrongEcho ? Outcome::WrongEcho : Outcome::Ok) << c.wire;
    EXPECT_EQ(rig.wire.text(), c.wire);
  }
}

// The output image's exchange is the console's servo-on test's.
TEST(Requests, ReadingTheInputImage) {
  SimRig rig;
  rig.controller.machine.inputs = {0x01, 0, 0, 0, 0, 0, 0, 0x80};
  IoImage image;
  EXPECT_EQ(RequestIoImage(rig.link, true, image), Outcome::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 1B < 1B 01 00 00 00 00 00 00 80 7F 03 > 04");
  for (int p = 0; p < 64; ++p) EXPECT_EQ(image.point(p), p == 0 || p == 63) << p;
}

TEST(Requests, BadChecksumKeepsThePreviousData) {
  SimRig rig;
  rig.controller.faults.badChecksum = true;
  IoImage image;
  image.W = {1, 2, 3, 4};
  EXPECT_EQ(RequestIoImage(rig.link, false, image), Outcome::BadChecksum);
  EXPECT_EQ(image.W, (std::array<std::uint16_t, 4>{1, 2, 3, 4}));
}

TEST(Requests, SixAxisRepliesAre24Bytes) {
  SimRig rig(6);
  std::array<std::int32_t, 6> pos{};
  ASSERT_EQ(RequestPositions(rig.link, true, 6, pos), Outcome::Ok);
  EXPECT_EQ(rig.wire.sent().size(), 3u) << "SOH, the code, EOT after 24 data bytes";
  std::array<std::uint32_t, 6> sensors{};
  rig.wire.clear();
  ASSERT_EQ(RequestSensorWords(rig.link, 6, sensors), Outcome::Ok);
  EXPECT_EQ(rig.wire.text().substr(0, 35), "> 01 < 06 > 28 < 28 18 00 00 00 02 ");
}

TEST(Requests, SensorBlockShorterThanTheAxesIsRefused) {
  SimRig rig(2);
  std::array<std::uint32_t, 6> sensors{};
  EXPECT_EQ(RequestSensorWords(rig.link, 4, sensors), Outcome::BadTerminator);
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"통신이상 발생"});
}

}  // namespace
}  // namespace zova
