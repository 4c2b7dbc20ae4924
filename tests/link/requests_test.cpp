// Every request against the simulated controller, checked on the wire in both directions.
#include <gtest/gtest.h>

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

TEST(Requests, ReadingOutputsWithOnlyPoint7On) {
  SimRig rig;
  rig.controller.machine.outputs = {0x80, 0, 0, 0, 0, 0, 0, 0};
  IoImage image;
  EXPECT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 1C < 1C 80 00 00 00 00 00 00 00 80 03 > 04");
  for (int p = 0; p < 64; ++p) EXPECT_EQ(image.point(p), p == 7) << p;
}

TEST(Requests, InputImageWithFirstAndLastPoint) {
  SimRig rig;
  rig.controller.machine.inputs = {0x01, 0, 0, 0, 0, 0, 0, 0x80};
  IoImage image;
  EXPECT_EQ(RequestIoImage(rig.link, true, image), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 1B < 1B 01 00 00 00 00 00 00 80 7F 03 > 04");
  EXPECT_TRUE(image.point(0));
  EXPECT_TRUE(image.point(63));
  EXPECT_FALSE(image.point(62));
}

TEST(Requests, BadChecksumIsAnsweredDleWithoutMessage) {
  SimRig rig;
  rig.controller.faults.badChecksum = true;
  IoImage image;
  image.W = {1, 2, 3, 4};
  EXPECT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::BadChecksum);
  EXPECT_EQ(rig.wire.sent().back(), DLE);
  EXPECT_TRUE(rig.ui.messages.empty());
  EXPECT_EQ(image.W[0], 1) << "the previous data stays";
}

TEST(Requests, FailuresShowCommunicationErrorBox) {
  struct Case {
    const char* name;
    void (*fault)(sim::Faults&);
  } cases[] = {
      {"wrong echo", [](sim::Faults& f) { f.wrongEcho = true; }},
      {"bad terminator", [](sim::Faults& f) { f.badTerminator = true; }},
      {"short block", [](sim::Faults& f) { f.shortBlock = 1; }},
      {"silence after the echo", [](sim::Faults& f) { f.silenceAfter = 2; }},
  };
  for (const Case& c : cases) {
    SimRig rig;
    c.fault(rig.controller.faults);
    IoImage image;
    EXPECT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::Failed) << c.name;
    EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"통신이상 발생"}) << c.name;
    EXPECT_EQ(rig.ui.messages[0].title, "ERROR");
  }
}

TEST(Requests, FailedHandshakeOfAnActionSendsTheCancelSequence) {
  SimRig rig;
  rig.controller.faults.wrongEcho = true;
  EXPECT_EQ(RequestWithZeroOperand(rig.link, cmd::kZeroReturn), RequestStatus::Failed);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 16 < 56 > 00 00 00 00 10");
  EXPECT_FALSE(rig.controller.machine.output(7));
}

TEST(Requests, RefusedOperandsAreAFailure) {
  SimRig rig;
  rig.controller.faults.dleForSyn = true;
  EXPECT_EQ(RequestWithZeroOperand(rig.link, cmd::kServoOn), RequestStatus::Failed);
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"통신이상 발생"});
}

TEST(Requests, JogAxis3NegativeAtSpeed10) {
  SimRig rig;
  EXPECT_EQ(RequestJogStart(rig.link, 10, 2, false), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 27 < 27 > 0A 02 00 02 < 16");
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

TEST(Requests, RunProgramCarriesTheNumber) {
  SimRig rig;
  EXPECT_EQ(RequestRunProgram(rig.link, 31), RequestStatus::Ok);
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 15 < 15 > 1F 00 00 00 02 < 16");
  EXPECT_TRUE(rig.controller.machine.running());
  rig.wire.clear();
  RequestStop(rig.link);
  EXPECT_EQ(rig.wire.text(), "> 18") << "a single byte, nothing awaited";
  EXPECT_FALSE(rig.controller.machine.running());
  rig.wire.clear();
  RequestReset(rig.link);
  EXPECT_EQ(rig.wire.text(), "> 10");
}

TEST(Requests, JogMovesTheAxisUntilStoppedThenItComesToRest) {
  SimRig rig(3);
  std::array<std::int32_t, 6> pos{};
  std::array<std::uint32_t, 6> sensors{};
  ASSERT_EQ(RequestJogStart(rig.link, 10, 1, true), RequestStatus::Ok);
  rig.clock.advance(milliseconds(500));
  ASSERT_EQ(RequestSensorWords(rig.link, 3, sensors), RequestStatus::Ok);
  EXPECT_EQ(sensors[1] & kSensorAtRest, 0u) << "axis 2 is moving";
  EXPECT_NE(sensors[0] & kSensorAtRest, 0u) << "axis 1 is at rest";
  RequestStop(rig.link);
  rig.clock.advance(milliseconds(600));
  ASSERT_EQ(RequestSensorWords(rig.link, 3, sensors), RequestStatus::Ok);
  EXPECT_NE(sensors[1] & kSensorAtRest, 0u);
  ASSERT_EQ(RequestPositions(rig.link, true, 3, pos), RequestStatus::Ok);
  EXPECT_GT(pos[1], 400);  // about 10 units/s for half a second, in hundredths
  EXPECT_EQ(pos[0], 0);
  std::array<std::int32_t, 6> actual{};
  ASSERT_EQ(RequestPositions(rig.link, false, 3, actual), RequestStatus::Ok);
  EXPECT_EQ(actual[1], pos[1]);
}

TEST(Requests, SixAxisRepliesAre24Bytes) {
  SimRig rig(6);
  std::array<std::int32_t, 6> pos{};
  ASSERT_EQ(RequestPositions(rig.link, true, 6, pos), RequestStatus::Ok);
  // handshake (2 + 2 bytes), 24 data bytes, checksum, ETX, EOT
  EXPECT_EQ(rig.wire.sent().size(), 3u);
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

TEST(Requests, OverlongAnnouncementIsRefusedAsCommunicationFailure) {
  SimRig rig;
  rig.controller.faults.announce = 6000;
  std::array<std::uint32_t, 6> sensors{};
  EXPECT_EQ(RequestSensorWords(rig.link, 4, sensors), RequestStatus::Failed);
  EXPECT_EQ(rig.wire.sent(), (std::vector<std::uint8_t>{0x01, 0x28})) << "no SYN for 6000 bytes";
}

TEST(Requests, ErrorReportAndCloseLink) {
  SimRig rig;
  rig.controller.machine.errorCode = 72;
  rig.controller.machine.errorValue = 300;
  ErrorReport report;
  ASSERT_EQ(RequestErrorReport(rig.link, report), RequestStatus::Ok);
  EXPECT_EQ(report.code, 72);
  EXPECT_EQ(report.value, 300);
  rig.wire.clear();
  EXPECT_TRUE(RequestCloseLink(rig.link));
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 24 < 24");
}

TEST(Requests, ZeroReturnTurnsOnOutput7AfterAWhile) {
  SimRig rig;
  ASSERT_EQ(RequestWithZeroOperand(rig.link, cmd::kZeroReturn), RequestStatus::Ok);
  IoImage image;
  ASSERT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::Ok);
  EXPECT_FALSE(image.point(7));
  rig.clock.advance(seconds(1));
  ASSERT_EQ(RequestIoImage(rig.link, false, image), RequestStatus::Ok);
  EXPECT_TRUE(image.point(7));
}

}  // namespace
}  // namespace zova
