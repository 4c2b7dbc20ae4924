// Transfers cut off at any point: the controller falls silent or the line drops. Every run ends with the
// message within the time-out, and the file on disk stays as it was.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::EndsWithErrorBox;
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
      EXPECT_TRUE(report.linkFailed) << what;
      EXPECT_TRUE(EndsWithErrorBox(rig.sim.ui)) << what << ": " << ::testing::PrintToString(rig.sim.ui.texts());
      EXPECT_LE(rig.sim.clock.now() - started, rig.sim.link.timeouts.handshake + rig.sim.link.timeouts.reply) << what;
      EXPECT_EQ(read(path("out.dat")), kOldText) << what;
      EXPECT_EQ(filesInDir(), 1) << what;
      EXPECT_EQ(rig.sim.ui.progress.back().value, 0) << what;
    }
  }
}

TEST_F(CutOff, ReceiveAllStopsAtTheCutAndKeepsLaterFiles) {
  // Program 1 is cut inside its comment block: program 0 was written, the old files from 1 on stay.
  for (bool disconnect : {false, true}) {
    for (int n = 0; n <= 31; ++n) write(AllModeFileName(dir.string(), n), kOldText);
    TransferRig rig;
    for (int n = 0; n <= 31; ++n) {
      rig.stored(n).block = SmallProgramBlock();
      rig.stored(n).comments = SmallCommentBlock();
    }
    (disconnect ? rig.sim.controller.faults.disconnectAfter : rig.sim.controller.faults.silenceAfter) =
        kReceiveReply + 3000;
    rig.transfer.RecvFolder = dir.string();
    const TimePoint started = rig.sim.clock.now();
    const TransferReport report = rig.transfer.ReceivePrograms(rig.sim.link, kModeAll);
    EXPECT_TRUE(report.linkFailed);
    EXPECT_EQ(report.transferred, 1);
    EXPECT_EQ(rig.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"});
    EXPECT_LE(rig.sim.clock.now() - started, rig.sim.link.timeouts.handshake + rig.sim.link.timeouts.reply);
    EXPECT_EQ(read(AllModeFileName(dir.string(), 0)), test::kSmallListing);
    for (int n = 1; n <= 31; ++n) EXPECT_EQ(read(AllModeFileName(dir.string(), n)), kOldText) << n;
    EXPECT_EQ(filesInDir(), 32);
    EXPECT_EQ(rig.sim.controller.commandLog.size(), 2u) << "no handshake after the failure";
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
      EXPECT_TRUE(report.linkFailed) << what;
      EXPECT_TRUE(EndsWithErrorBox(rig.sim.ui)) << what << ": " << ::testing::PrintToString(rig.sim.ui.texts());
      EXPECT_LE(rig.sim.clock.now() - started, rig.sim.link.timeouts.handshake + rig.sim.link.timeouts.reply) << what;
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
