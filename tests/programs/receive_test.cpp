// Receiving programs from the simulated controller: the bytes on the wire, empty programs, wrong checksums,
// the progress bars and all mode.
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
}

TEST_F(Receive, HostSaysNothingBetweenTheBlocksAndEotAtTheEnd) {
  storeSmall(3);
  receiveSingle(3);
  EXPECT_EQ(test::Hex(rig.sim.wire.sent()), "01 01 03 00 00 00 03 00 00 00 02 04");
  const std::string wire = rig.sim.wire.text();
  // Checksum and SYN close the program block (1 + 2 + 05 + 10 + 01 + 36 + FF + B2 = 0 modulo 256).
  EXPECT_NE(wire.find("00 B2 16 00 07 3B"), std::string::npos);
  EXPECT_EQ(wire.substr(wire.size() - 4), "> 04");
}

TEST_F(Receive, EmptyProgramIsTheEndRecordAlone) {
  write(path("out.dat"), "old text\r\n");
  const TransferReport report = receiveSingle(0);
  EXPECT_EQ(report.transferred, 1);
  EXPECT_EQ(rig.sim.wire.text(), "> 01 < 06 > 01 < 01 > 00 00 00 00 00 00 00 00 02 < 16 00 > 04");
  EXPECT_EQ(rig.store.image[0], 0xFF000000u);
  EXPECT_EQ(rig.store.presence[0], 0);
  EXPECT_EQ(read(path("out.dat")), "000 [EOF] \r\n");
}

TEST_F(Receive, EmptyProgramReplacesWhatAnEarlierReceiveLeft) {
  storeSmall(1);
  receiveSingle(1);
  rig.transfer.RecvFileName = path("second.dat");
  rig.transfer.RxProgramNo = 2;
  rig.transfer.ReceivePrograms(rig.sim.link, kModeSingle);
  EXPECT_EQ(read(path("second.dat")), "000 [EOF] \r\n") << "no comment rows or words of program 1 remain";
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

TEST_F(Receive, ProgressBarsFollowBytesAndRows) {
  storeSmall(1);
  receiveSingle(1);
  std::vector<std::string> expected{"max 0 2050"};
  for (int n = 1; n <= 2050; ++n) expected.push_back("0 " + std::to_string(n));
  expected.push_back("0 0");
  expected.push_back("max 1 300");
  for (int r = 0; r < 300; ++r) expected.push_back("1 " + std::to_string(r));
  expected.push_back("1 0");
  expected.push_back("0 0");
  expected.push_back("1 0");
  std::vector<std::string> seen;
  for (const auto& p : rig.sim.ui.progress) {
    EXPECT_EQ(p.bar, "ProgressBarReceive");
    seen.push_back((p.maximum ? "max " : "") + std::to_string(p.index) + " " + std::to_string(p.value));
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(Receive, AllModeWritesZovaprg00To31AndNeverAsksFor32) {
  storeSmall(7);
  storeSmall(32);
  rig.transfer.RecvFolder = dir.string();
  std::vector<int> shown;
  rig.transfer.onProgramNumber = [&shown](int n) { shown.push_back(n); };
  const TransferReport report = rig.transfer.ReceivePrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(report.transferred, 32);
  EXPECT_EQ(filesInDir(), 32);
  for (int n = 0; n <= 31; ++n) {
    const std::string file = AllModeFileName(dir.string(), n);
    EXPECT_EQ(read(file), n == 7 ? kSmallListing : "000 [EOF] \r\n") << file;
    EXPECT_EQ(shown[static_cast<std::size_t>(n)], n);
  }
  EXPECT_EQ(rig.transfer.RxProgramNo, 31);
  EXPECT_EQ(rig.store.presence[7], 1) << "each program's flag is its own";
  EXPECT_EQ(rig.store.presence[32], 0);
  EXPECT_EQ(rig.sim.controller.commandLog, std::vector<std::uint8_t>(32, 1));
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
