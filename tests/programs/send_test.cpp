// Transmitting programs to the simulated controller: the bytes on the wire, the progress bars, all mode,
// and programs whose compile showed messages.
#include <gtest/gtest.h>

#include <string>
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
  std::vector<std::string> expected{"max 0 512"};
  for (int w = 0; w < 512; ++w) expected.push_back("0 " + std::to_string(w));
  expected.push_back("0 0");
  expected.push_back("max 1 300");
  for (int r = 0; r < 300; ++r) expected.push_back("1 " + std::to_string(r));
  expected.push_back("1 0");
  expected.push_back("0 0");  // both bars rest at 0 at the end
  expected.push_back("1 0");
  std::vector<std::string> seen;
  for (const auto& p : rig.sim.ui.progress) {
    EXPECT_EQ(p.bar, "ProgressBarTrans");
    seen.push_back((p.maximum ? "max " : "") + std::to_string(p.index) + " " + std::to_string(p.value));
  }
  EXPECT_EQ(seen, expected);
}

TEST_F(Send, EmptyProgramProgressGoesToTheEndAndBack) {
  sendSingle(1, Source({"[EOF]"}));
  const auto& p = rig.sim.ui.progress;
  ASSERT_GE(p.size(), 3u);
  EXPECT_TRUE(p[0].maximum);
  EXPECT_EQ(p[0].value, 512);
  EXPECT_EQ(p[1].value, 512);
  EXPECT_EQ(p[2].value, 0);
}

// Sources that must not reach the controller, and the messages the compiler shows for them.
struct BadSource {
  const char* name;
  std::string text;
  std::vector<std::string> messages;
};

std::string BadSourceName(const ::testing::TestParamInfo<BadSource>& param) { return param.param.name; }

class SendRefusesBadSource : public Send, public ::testing::WithParamInterface<BadSource> {};

TEST_P(SendRefusesBadSource, NothingIsSentAfterTheCompilerMessages) {
  const BadSource& c = GetParam();
  const TransferReport report = sendSingle(4, c.text);
  EXPECT_EQ(report.notCompiled, 1);
  EXPECT_EQ(report.transferred, 0);
  EXPECT_EQ(rig.sim.wire.text(), "");
  EXPECT_EQ(rig.sim.ui.texts(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, SendRefusesBadSource,
    ::testing::Values(BadSource{"CheckFails", Source({"MVE P9999", "STOP", "[EOF]"}), {"LOC 번호 초과"}},
                      BadSource{"UnknownMnemonic", Source({"MVE P1", "JUMP L1", "[EOF]"}), {"해당 명령어가 없습니다"}},
                      BadSource{"NoEnd", Source({"MVE P1", "STOP"}), {}},
                      BadSource{"AxisAboveConfigured", Source({"ACC 7 100", "[EOF]"}), {"ACC-MAX_AXIS_LMT_OVER"}}),
    BadSourceName);

TEST_F(Send, RefusedBeforeAnyExchange) {
  struct Case {
    int mode;
    int number;
    std::string file, folder, message;
  };
  const std::vector<Case> cases{
      {kModeSingle, 0, "", "", std::string(kMsgNoTransFile)},
      {kModeSingle, 32, path("x.dat"), "", std::string(kMsgProgramNumberRange)},
      {kModeSingle, -1, path("x.dat"), "", std::string(kMsgProgramNumberRange)},
      {kModeAll, 0, path("x.dat"), "", std::string(kMsgNoTransFolder)},
  };
  for (const Case& c : cases) {
    TransferRig fresh;
    fresh.transfer.TxProgramNo = c.number;
    fresh.transfer.TransFileName = c.file;
    fresh.transfer.TransFolder = c.folder;
    const TransferReport report = fresh.transfer.SendPrograms(fresh.sim.link, c.mode);
    EXPECT_TRUE(report.refused) << c.message;
    EXPECT_EQ(fresh.sim.ui.texts(), std::vector<std::string>{c.message});
    EXPECT_EQ(fresh.sim.wire.text(), "");
  }
}

class SendAll : public Send {
 protected:
  void writePrograms() {
    for (int n = 0; n <= 31; ++n) {
      write(AllModeFileName(dir.string(), n), Source({"DLY " + std::to_string(n + 1), "[EOF]"}));
    }
  }
  std::vector<int> shown;
};

TEST_F(SendAll, ProgramsZeroToThirtyOneFromTheirOwnFiles) {
  writePrograms();
  rig.transfer.TransFolder = dir.string();
  rig.transfer.onProgramNumber = [this](int n) { shown.push_back(n); };
  const TransferReport report = rig.transfer.SendPrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(report.transferred, 32);
  EXPECT_TRUE(rig.sim.ui.messages.empty());
  std::vector<int> expected;
  for (int n = 0; n <= 31; ++n) {
    expected.push_back(n);
    ASSERT_TRUE(rig.stored(n).present()) << n;
    // Word 0 of program n: DLY n + 1 (opcode 51).
    EXPECT_EQ(rig.stored(n).block[2], n + 1) << n;
    EXPECT_EQ(rig.stored(n).block[5], 51) << n;
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(rig.transfer.TxProgramNo, 31) << "the number box keeps the last program";
  EXPECT_EQ(rig.sim.controller.commandLog, std::vector<std::uint8_t>(32, 2));
  EXPECT_FALSE(rig.stored(32).present()) << "program 32 is never transferred";
}

TEST_F(SendAll, AProgramThatDoesNotCompileIsSkippedAndNamed) {
  writePrograms();
  write(AllModeFileName(dir.string(), 3), Source({"XYZ 1", "[EOF]"}));
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
