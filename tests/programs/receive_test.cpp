// Receiving programs from the simulated controller: the bytes on the wire, empty programs, wrong checksums,
// the progress bars, and an all-mode file that cannot be written. All mode in full is in round_trip_test.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::kSmallListing;
using test::kSmallWords;
using test::ScratchDir;
using test::SmallCommentBlock;
using test::SmallProgramBlock;
using test::TransferRig;

class Receive : public ScratchDir {
 protected:
  void storeSmall(int n) {
    rig.stored(n).block = SmallProgramBlock();
    rig.stored(n).comments = SmallCommentBlock();
  }
  TransferReport receiveSingle(int number) {
    rig.transfer.RxProgramNo = number;
    rig.transfer.RecvFileName = path("out.dat");
    return rig.transfer.ReceivePrograms(rig.sim.link, kModeSingle);
  }
  TransferRig rig;
};

TEST_F(Receive, ProgramAndCommentsBecomeTheSourceText) {
  storeSmall(12);
  const TransferReport report = receiveSingle(12);
  EXPECT_EQ(report.transferred, 1);
  EXPECT_EQ(read(path("out.dat")), kSmallListing);
  EXPECT_TRUE(rig.sim.ui.messages.empty()) << ::testing::PrintToString(rig.sim.ui.texts());
  for (std::size_t w = 0; w < std::size(kSmallWords); ++w) EXPECT_EQ(rig.store.image[w], kSmallWords[w]) << w;
  EXPECT_EQ(rig.store.presence[12], 1);
  EXPECT_EQ(rig.store.stepCount[12], 2);
  // The host says nothing between the blocks and EOT at the end; checksum and SYN close the program block
  // (1 + 2 + 05 + 10 + 01 + 36 + FF + B2 = 0 modulo 256).
  EXPECT_EQ(test::Hex(rig.sim.wire.sent()), "01 01 0C 00 00 00 0C 00 00 00 02 04");
  const std::string wire = rig.sim.wire.text();
  EXPECT_NE(wire.find("00 B2 16 00 07 3B"), std::string::npos);
  EXPECT_EQ(wire.substr(wire.size() - 4), "> 04");
  EXPECT_EQ(test::ProgressSeen(rig.sim.ui, "ProgressBarReceive"), test::ProgressOfOneProgram(2050, 1));
}

// An empty program is the end record alone, and nothing an earlier receive left remains in its listing.
TEST_F(Receive, EmptyProgramIsTheEndRecordAlone) {
  storeSmall(1);
  receiveSingle(1);
  write(path("out.dat"), "old text\r\n");
  rig.sim.wire.clear();
  const TransferReport report = receiveSingle(0);
  EXPECT_EQ(report.transferred, 1);
  EXPECT_EQ(rig.sim.wire.text(), "> 01 < 06 > 01 < 01 > 00 00 00 00 00 00 00 00 02 < 16 00 > 04");
  EXPECT_EQ(rig.store.image[0], 0xFF000000u);
  EXPECT_EQ(rig.store.presence[0], 0);
  EXPECT_EQ(read(path("out.dat")), "000 [EOF] \r\n");
}

TEST_F(Receive, WrongChecksumIsAnsweredDleAndWritesNothing) {
  storeSmall(4);
  write(path("out.dat"), "old text\r\n");
  rig.sim.controller.faults.badChecksum = true;
  const TransferReport report = receiveSingle(4);
  EXPECT_EQ(report.rejected, 1);
  EXPECT_EQ(report.failed, 0);
  EXPECT_TRUE(rig.sim.ui.messages.empty());
  EXPECT_EQ(read(path("out.dat")), "old text\r\n");
  EXPECT_EQ(filesInDir(), 1);
  EXPECT_EQ(test::Hex(rig.sim.wire.sent()), "01 01 04 00 00 00 04 00 00 00 02 10");
}

TEST_F(Receive, AllModeGoesOnWhenAFileCannotBeWritten) {
  fs::create_directories(dir / "ZOVAPRG05.dat" / "x");  // a folder where program 5's file would go
  rig.transfer.RecvFolder = dir.string();
  const TransferReport report = rig.transfer.ReceivePrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(report.transferred, 31);
  EXPECT_EQ(report.notSaved, 1);
  ASSERT_EQ(rig.sim.ui.messages.size(), 1u);
  EXPECT_EQ(rig.sim.ui.messages[0].title, "Error");
  EXPECT_EQ(filesInDir(), 32);
}

}  // namespace
}  // namespace zova::programs
