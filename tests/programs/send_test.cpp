// Transmitting programs to the simulated controller: the bytes on the wire, the progress bars, programs whose
// compile showed messages, and refusals. All mode in full is in round_trip_test.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::kSmallSource;
using test::ScratchDir;
using test::SmallCommentBlock;
using test::SmallProgramBlock;
using test::Source;
using test::TransferRig;

// SOH, command code, two 4-byte operands, STX.
constexpr std::size_t kHeadBytes = 11;

class Send : public ScratchDir {
 protected:
  TransferReport sendSingle(int number, const std::string& source) {
    write(path("src.dat"), source);
    rig.transfer.TxProgramNo = number;
    rig.transfer.TransFileName = path("src.dat");
    return rig.transfer.SendPrograms(rig.sim.link, kModeSingle);
  }
  TransferRig rig;
};

TEST_F(Send, EmptyProgramIsOneZeroByteAnsweredEot) {
  const TransferReport report = sendSingle(5, Source({"[EOF]"}));
  EXPECT_EQ(report.transferred, 1);
  EXPECT_EQ(rig.sim.wire.text(), "> 01 < 06 > 02 < 02 > 05 00 00 00 05 00 00 00 02 < 16 > 00 < 04");
  EXPECT_TRUE(rig.sim.ui.messages.empty());
  EXPECT_FALSE(rig.stored(5).present());
  // Its progress goes to the end at once, then back.
  const std::vector<std::string> seen = test::ProgressSeen(rig.sim.ui, "ProgressBarTrans");
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(seen.begin(), seen.begin() + 3),
            (std::vector<std::string>{"max 0 512", "0 512", "0 0"}));
}

TEST_F(Send, ProgramBlockThenCommentBlockByteForByte) {
  const TransferReport report = sendSingle(9, kSmallSource);
  EXPECT_EQ(report.transferred, 1);
  const std::vector<std::uint8_t> sent = rig.sim.wire.sent();
  ASSERT_EQ(sent.size(), kHeadBytes + 2050 + 2 + 31800);
  EXPECT_EQ(test::Hex({sent.begin(), sent.begin() + kHeadBytes}), "01 02 09 00 00 00 09 00 00 00 02");
  const std::vector<std::uint8_t> block(sent.begin() + kHeadBytes, sent.begin() + kHeadBytes + 2050);
  EXPECT_EQ(block, SmallProgramBlock());
  // 1 + 2 + 05 + 10 + 01 + 36 + FF = 0x14E: the checksum makes it 0 modulo 256.
  EXPECT_EQ(sent[kHeadBytes + 2050], 0xB2);
  EXPECT_EQ(sent[kHeadBytes + 2051], 0x03);
  const std::vector<std::uint8_t> comments(sent.begin() + kHeadBytes + 2052, sent.end());
  EXPECT_EQ(comments, SmallCommentBlock());

  // The controller answers SYN after the program block and EOT after the comment block, nothing between.
  const std::string wire = rig.sim.wire.text();
  EXPECT_NE(wire.find("B2 03 < 16 > 00 07 3B"), std::string::npos) << "SYN, then the comment block's row 0";
  EXPECT_EQ(wire.substr(wire.size() - 4), "< 04");
  EXPECT_EQ(rig.stored(9).block, SmallProgramBlock());
  EXPECT_EQ(rig.stored(9).comments, SmallCommentBlock());
}

TEST_F(Send, ProgressBarsFollowWordsAndRows) {
  sendSingle(1, kSmallSource);
  EXPECT_EQ(test::ProgressSeen(rig.sim.ui, "ProgressBarTrans"), test::ProgressOfOneProgram(512, 0));
}

// Sources that must not reach the controller, and the messages the compiler shows for them.
TEST_F(Send, NothingIsSentAfterTheCompilerMessages) {
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {Source({"MVE P9999", "STOP", "[EOF]"}), {"LOC 번호 초과"}},
      {Source({"MVE P1", "JUMP L1", "[EOF]"}), {"해당 명령어가 없습니다"}},
      {Source({"MVE P1", "STOP"}), {}},
      {Source({"ACC 7 100", "[EOF]"}), {"ACC-MAX_AXIS_LMT_OVER"}},
  };
  for (const auto& [source, messages] : cases) {
    rig.sim.ui.clear();
    const TransferReport report = sendSingle(4, source);
    EXPECT_EQ(report.notCompiled, 1) << source;
    EXPECT_EQ(report.transferred, 0) << source;
    EXPECT_EQ(rig.sim.wire.text(), "") << source;
    EXPECT_EQ(rig.sim.ui.texts(), messages) << source;
  }
}

TEST_F(Send, RefusedBeforeAnyExchange) {
  const struct {
    int mode, number;
    std::string file;
    std::string_view message;
  } cases[] = {{kModeSingle, 0, "", kMsgNoTransFile},
               {kModeSingle, 32, path("x.dat"), kMsgProgramNumberRange},
               {kModeSingle, -1, path("x.dat"), kMsgProgramNumberRange},
               {kModeAll, 0, path("x.dat"), kMsgNoTransFolder}};
  for (const auto& c : cases) {
    TransferRig fresh;
    fresh.transfer.TxProgramNo = c.number;
    fresh.transfer.TransFileName = c.file;
    EXPECT_TRUE(fresh.transfer.SendPrograms(fresh.sim.link, c.mode).refused) << c.message;
    EXPECT_EQ(fresh.sim.ui.texts(), std::vector<std::string>{std::string(c.message)});
    EXPECT_EQ(fresh.sim.wire.text(), "");
  }
}

TEST_F(Send, AllModeSkipsAndNamesAProgramThatDoesNotCompile) {
  for (int n = 0; n <= 31; ++n) write(AllModeFileName(dir.string(), n), Source({n == 3 ? "XYZ 1" : "STOP", "[EOF]"}));
  rig.transfer.TransFolder = dir.string();
  const TransferReport report = rig.transfer.SendPrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(report.transferred, 31);
  EXPECT_EQ(report.notCompiled, 1);
  EXPECT_EQ(rig.sim.ui.texts(),
            (std::vector<std::string>{"해당 명령어가 없습니다", std::string(kMsgNotCompiled) + path("ZOVAPRG03.dat")}));
  EXPECT_EQ(rig.sim.controller.commandLog.size(), 31u);
  EXPECT_FALSE(rig.stored(3).present());
  EXPECT_TRUE(rig.stored(4).present());
}

TEST_F(Send, ControllerRefusingTheProgramBlockEndsWithTheErrorBox) {
  rig.sim.controller.faults.refuseBlocks = true;
  const TransferReport report = sendSingle(6, kSmallSource);
  EXPECT_EQ(report.failed, 1);
  EXPECT_EQ(rig.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"});
  const std::vector<std::uint8_t> sent = rig.sim.wire.sent();
  EXPECT_EQ(sent.size(), kHeadBytes + 2050 + 2) << "no comment block after a DLE";
  EXPECT_FALSE(rig.stored(6).present());
}

}  // namespace
}  // namespace zova::programs
