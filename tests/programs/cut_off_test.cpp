// All-mode transfers that fail part-way: each failed program is reported and the transfer goes on, until a
// handshake finds the line dead. (The fault matrix cuts every transfer at every step.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

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

class CutOff : public ScratchDir {
 protected:
  static constexpr const char* kOldText = "000 STOP \r\n001 [EOF] \r\n";
};

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

}  // namespace
}  // namespace zova::programs
