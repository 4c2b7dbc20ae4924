// Transfers cut off at any point: the controller falls silent or the line drops. Every run ends with the
// message within the time-out, and the file on disk stays as it was. All mode reports each failed program
// and goes on until a handshake finds the line dead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::FailureTexts;
using test::kSmallSource;
using test::ScratchDir;
using test::SmallCommentBlock;
using test::SmallProgramBlock;
using test::TransferRig;

// Bytes the controller sends for one received program: 06, echo, SYN, 2050 block bytes, checksum, SYN,
// 31800 comment bytes.
constexpr long kReceiveReply = 3 + 2050 + 2 + 31800;
// ... and for one transmitted program: 06, echo, SYN after the operands, SYN after the block, EOT.
constexpr long kSendReply = 5;

std::vector<long> ReceiveCutPoints() {
  std::vector<long> points;
  for (long k = 0; k <= 8; ++k) points.push_back(k);                              // handshake, operands, block start
  for (long k = 2050; k <= 2058; ++k) points.push_back(k);                        // block end, checksum, SYN
  for (long k : {2055L + 106 * 150 + 3, kReceiveReply - 1}) points.push_back(k);  // inside the comments
  return points;
}

class CutOff : public ScratchDir {
 protected:
  static constexpr const char* kOldText = "000 STOP \r\n001 [EOF] \r\n";
};

TEST_F(CutOff, ReceiveSingleEndsWithTheErrorAndKeepsTheFile) {
  for (bool disconnect : {false, true}) {
    for (long k : ReceiveCutPoints()) {
      write(path("out.dat"), kOldText);
      TransferRig rig;
      rig.stored(3).block = SmallProgramBlock();
      rig.stored(3).comments = SmallCommentBlock();
      (disconnect ? rig.sim.controller.faults.disconnectAfter : rig.sim.controller.faults.silenceAfter) = k;
      rig.transfer.RxProgramNo = 3;
      rig.transfer.RecvFileName = path("out.dat");
      const TimePoint started = rig.sim.clock.now();
      const TransferReport report = rig.transfer.ReceivePrograms(rig.sim.link, kModeSingle);
      const std::string what = std::to_string(k) + (disconnect ? " disconnect" : " silence");
      EXPECT_EQ(report.failed, 1) << what;
      EXPECT_EQ(rig.sim.ui.texts(), FailureTexts(report.lineDead ? 0 : 1, report.lineDead)) << what;
      EXPECT_LE(rig.sim.clock.now() - started, rig.sim.link.timeouts.handshake + rig.sim.link.timeouts.reply) << what;
      EXPECT_EQ(read(path("out.dat")), kOldText) << what;
      EXPECT_EQ(filesInDir(), 1) << what;
      EXPECT_EQ(rig.sim.ui.progress.back().value, 0) << what;
    }
  }
}

TEST_F(CutOff, AllModeGoesOnAfterAFailedProgramUntilTheLineIsDead) {
  struct Case {
    bool receive;
    const char* fault;
    int transferred, failed;
    bool lineDead;
    std::size_t handshakes;
  };
  // Faults act from the sixth handshake (program 5) on; a silence cuts program 1 (receive) or 3 (send).
  const Case cases[] = {
      {true, "wrong echo", 5, 27, false, 32},     {true, "wrong terminator", 5, 27, false, 32},
      {true, "silence", 1, 2, true, 2},           {false, "wrong echo", 5, 27, false, 32},
      {false, "block refused", 5, 27, false, 32}, {false, "silence", 3, 2, true, 4},
  };
  for (const Case& c : cases) {
    for (int n = 0; n <= 31; ++n) write(AllModeFileName(dir.string(), n), c.receive ? kOldText : kSmallSource);
    TransferRig rig;
    for (int n = 0; c.receive && n <= 31; ++n) {
      rig.stored(n).block = SmallProgramBlock();
      rig.stored(n).comments = SmallCommentBlock();
    }
    sim::Faults& f = rig.sim.controller.faults;
    f.fromCommand = 6;
    const std::string fault = c.fault;
    f.wrongEcho = fault == "wrong echo";
    f.badTerminator = fault == "wrong terminator";
    f.badChecksum = fault == "wrong checksum";
    f.refuseBlocks = fault == "block refused";
    if (fault == "silence") f.silenceAfter = c.receive ? kReceiveReply + 3000 : 3 * kSendReply + 2;
    rig.transfer.RecvFolder = rig.transfer.TransFolder = dir.string();
    const TransferReport report = c.receive ? rig.transfer.ReceivePrograms(rig.sim.link, kModeAll)
                                            : rig.transfer.SendPrograms(rig.sim.link, kModeAll);
    const std::string what = (c.receive ? "receive " : "send ") + fault;
    EXPECT_EQ(report.transferred, c.transferred) << what;
    EXPECT_EQ(report.failed, c.failed) << what;
    EXPECT_EQ(report.lineDead, c.lineDead) << what;
    EXPECT_EQ(rig.sim.ui.texts(), FailureTexts(c.failed - (c.lineDead ? 1 : 0), c.lineDead)) << what;
    EXPECT_EQ(rig.sim.controller.commandLog.size(), c.handshakes) << what;
    for (int n = 0; n <= 31; ++n) {
      const bool done = n < c.transferred;
      if (c.receive) {
        EXPECT_EQ(read(AllModeFileName(dir.string(), n)), done ? test::kSmallListing : kOldText) << what << n;
      } else {
        EXPECT_EQ(rig.stored(n).present(), done) << what << n;
      }
    }
  }
}

TEST_F(CutOff, SendEndsWithTheErrorWithinTheTimeOut) {
  for (int n = 0; n <= 31; ++n) write(AllModeFileName(dir.string(), n), kSmallSource);
  for (bool disconnect : {false, true}) {
    for (long k = 0; k < 3 * kSendReply; ++k) {
      TransferRig rig;
      (disconnect ? rig.sim.controller.faults.disconnectAfter : rig.sim.controller.faults.silenceAfter) = k;
      rig.transfer.TransFolder = dir.string();
      const TimePoint started = rig.sim.clock.now();
      const TransferReport report = rig.transfer.SendPrograms(rig.sim.link, kModeAll);
      const std::string what = std::to_string(k) + (disconnect ? " disconnect" : " silence");
      // A cut after the handshake fails that program; after the line settled, the next handshake finds it dead.
      EXPECT_TRUE(report.lineDead) << what;
      EXPECT_EQ(report.failed, k % kSendReply < 2 ? 1 : 2) << what;
      EXPECT_EQ(rig.sim.ui.texts(), FailureTexts(report.failed - 1, true)) << what;
      EXPECT_LE(rig.sim.clock.now() - started, rig.sim.link.timeouts.handshake + 2 * rig.sim.link.timeouts.reply)
          << what;
      // The host counts a program once its EOT arrived; the controller keeps it once the comment block is in,
      // which is one byte (the EOT) earlier. Nothing is sent after the cut.
      EXPECT_EQ(report.transferred, k / kSendReply) << what;
      for (int n = 0; n <= 31; ++n) {
        EXPECT_EQ(rig.stored(n).present(), n < (k + 1) / kSendReply) << what << " program " << n;
      }
      // The handshake that got no answer at all never reached its command code.
      EXPECT_EQ(rig.sim.controller.commandLog.size(), static_cast<std::size_t>((k + kSendReply - 1) / kSendReply))
          << what;
    }
  }
  for (int n = 0; n <= 31; ++n) EXPECT_EQ(read(AllModeFileName(dir.string(), n)), kSmallSource);
}

}  // namespace
}  // namespace zova::programs
