// Program transfers with the simulated controller: the bytes on the wire both ways, the progress bars, empty
// programs, wrong checksums, refusals, programs whose compile showed messages, and all-mode transfers that
// fail part-way; and programs sent and fetched back, one and all.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "programs/program_files.h"
#include "programs/program_wire.h"
#include "support/program_samples.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::kSmallListing;
using test::kSmallSource;
using test::ScratchDir;
using test::SmallCommentBlock;
using test::SmallProgramBlock;
using test::Source;
using test::TransferRig;

// SOH, command code, two 4-byte operands, STX.
constexpr std::size_t kHeadBytes = 11;

// Program n of the controller holds the small program.
void StoreSmall(TransferRig& rig, int n) {
  rig.stored(n).block = SmallProgramBlock();
  rig.stored(n).comments = SmallCommentBlock();
}

// A transfer on a fresh simulated controller, with files in a scratch folder.
class Transfer : public ScratchDir {
 protected:
  TransferReport sendSingle(int number, const std::string& source) {
    write(path("src.dat"), source);
    rig.transfer.TxProgramNo = number;
    rig.transfer.TransFileName = path("src.dat");
    return rig.transfer.SendPrograms(rig.sim.link, kModeSingle);
  }
  TransferReport receiveSingle(int number) {
    rig.transfer.RxProgramNo = number;
    rig.transfer.RecvFileName = path("out.dat");
    return rig.transfer.ReceivePrograms(rig.sim.link, kModeSingle);
  }
  TransferRig rig;
};
class Send : public Transfer {};
class Receive : public Transfer {};

TEST_F(Send, EmptyProgramIsOneZeroByteAnsweredEot) {
  const TransferReport report = sendSingle(5, Source({"[EOF]"}));
  EXPECT_EQ(report.transferred, 1);
  EXPECT_EQ(rig.sim.wire.text(), "> 01 < 06 > 02 < 02 > 05 00 00 00 05 00 00 00 02 < 16 > 00 < 04");
  // Its progress goes to the end at once, then back; then both bars rest at 0.
  EXPECT_EQ(test::ProgressSeen(rig.sim.ui, Job::ProgramSend),
            (std::vector<std::string>{"max 0 512", "0 512", "0 0", "0 0", "1 0"}));
}

TEST_F(Send, ProgramBlockThenCommentBlockByteForByte) {
  const TransferReport report = sendSingle(9, kSmallSource);
  EXPECT_EQ(report.transferred, 1);
  const std::vector<std::uint8_t> sent = rig.sim.wire.sent();
  ASSERT_EQ(sent.size(), kHeadBytes + 2050 + 2 + 31800);
  EXPECT_EQ(test::Hex({sent.begin(), sent.begin() + kHeadBytes}), "01 02 09 00 00 00 09 00 00 00 02");
  const std::vector<std::uint8_t> block(sent.begin() + kHeadBytes, sent.begin() + kHeadBytes + 2050);
  EXPECT_EQ(block, SmallProgramBlock());
  const std::vector<std::uint8_t> comments(sent.begin() + kHeadBytes + 2052, sent.end());
  EXPECT_EQ(comments, SmallCommentBlock());

  // Checksum and ETX after the block (1 + 2 + 05 + 10 + 01 + 36 + FF = 0x14E, so B2 makes it 0 modulo 256); the
  // controller answers SYN after them and EOT after the comment block, nothing between.
  const std::string wire = rig.sim.wire.text();
  EXPECT_NE(wire.find("B2 03 < 16 > 00 07 3B"), std::string::npos) << "SYN, then the comment block's row 0";
  EXPECT_EQ(wire.substr(wire.size() - 4), "< 04");
  EXPECT_EQ(test::ProgressSeen(rig.sim.ui, Job::ProgramSend), test::ProgressOfOneProgram(512, 0));
}

// Sources that must not reach the controller, and the compiler's messages with the place of each: the window
// keeps the compiler's words and adds the file and line, the command line writes FILE:LINE: first.
TEST_F(Send, NothingIsSentAfterTheCompilerMessages) {
  const std::string f = path("src.dat");
  const std::tuple<std::string, bool, std::string> cases[] = {
      {Source({"MVE P9999", "STOP", "[EOF]"}), false, "LOC 번호 초과\n\n" + f + ", 1번째 줄"},
      {Source({"MVE P9999", "STOP", "[EOF]"}), true, f + ":1: LOC 번호 초과"},
      {Source({"MVE P1", "STOP"}), false, "소스가 [EOF] 줄 없이 끝납니다.\n\n" + f + ", 2번째 줄"},
  };
  for (const auto& [source, fileLine, message] : cases) {
    rig.sim.ui.clear();
    rig.transfer.problemsAsFileLine = fileLine;
    const TransferReport report = sendSingle(4, source);
    EXPECT_EQ(std::tuple(report.notCompiled, report.transferred, rig.sim.wire.text(), rig.sim.ui.texts()),
              std::tuple(1, 0, "", std::vector<std::string>{message}))
        << source;
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

TEST_F(Send, AllModeSendsNothingWhileAnyProgramHasAProblem) {
  for (int n = 0; n <= 31; ++n) {
    write(AllModeFileName(dir.string(), n), Source({n == 3 ? "XYZ 1" : "STOP", "[EOF]", n == 31 ? "STOP" : ""}));
  }
  rig.transfer.TransFolder = dir.string();
  rig.transfer.problemsAsFileLine = true;
  const TransferReport report = rig.transfer.SendPrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(rig.sim.ui.texts(),
            (std::vector<std::string>{
                path("ZOVAPRG03.dat") + ":1: 해당 명령어가 없습니다",
                path("ZOVAPRG31.dat") + ":3: [EOF] 뒤에 있는 줄입니다. 프로그램은 [EOF] 줄에서 끝납니다.",
                "전송하지 않았습니다: 32개 프로그램 중 2개에 오류가 있습니다"}));
  EXPECT_EQ(std::tuple(report.transferred, report.notCompiled, rig.sim.wire.text()), std::tuple(0, 2, ""));
}

TEST_F(Send, ControllerRefusingTheProgramBlockEndsWithTheErrorBox) {
  rig.sim.controller.faults.refuseBlocks = true;
  const TransferReport report = sendSingle(6, kSmallSource);
  EXPECT_EQ(std::tuple(report.failed, rig.sim.ui.texts()), std::tuple(1, std::vector<std::string>{"통신이상 발생"}));
  EXPECT_EQ(rig.sim.wire.sent().size(), kHeadBytes + 2050 + 2) << "no comment block after a DLE";
  // A stored program sent alone (as a restore does) has no next program to let the line settle for.
  const TimePoint start = rig.sim.clock.now();
  EXPECT_EQ(rig.transfer.SendStoredProgram(rig.sim.link, 6).failed, 1);
  EXPECT_LT(rig.sim.clock.now() - start, rig.sim.link.timeouts.reply);
}

TEST_F(Receive, ProgramAndCommentsBecomeTheSourceText) {
  StoreSmall(rig, 12);
  const TransferReport report = receiveSingle(12);
  EXPECT_EQ(std::tuple(report.transferred, read(path("out.dat")), rig.sim.ui.texts()),
            std::tuple(1, kSmallListing, std::vector<std::string>{}));
  // The host says nothing between the blocks and EOT at the end; checksum and SYN close the program block
  // (1 + 2 + 05 + 10 + 01 + 36 + FF + B2 = 0 modulo 256).
  EXPECT_EQ(test::Hex(rig.sim.wire.sent()), "01 01 0C 00 00 00 0C 00 00 00 02 04");
  const std::string wire = rig.sim.wire.text();
  EXPECT_NE(wire.find("00 B2 16 00 07 3B"), std::string::npos);
  EXPECT_EQ(wire.substr(wire.size() - 4), "> 04");
  EXPECT_EQ(test::ProgressSeen(rig.sim.ui, Job::ProgramReceive), test::ProgressOfOneProgram(2050, 1));
}

// An empty program is the end record alone, and nothing an earlier receive left remains in its listing.
TEST_F(Receive, EmptyProgramIsTheEndRecordAlone) {
  StoreSmall(rig, 1);
  receiveSingle(1);
  write(path("out.dat"), "old text\r\n");
  rig.sim.wire.clear();
  const TransferReport report = receiveSingle(0);
  EXPECT_EQ(std::tuple(report.transferred, rig.sim.wire.text(), read(path("out.dat"))),
            std::tuple(1, "> 01 < 06 > 01 < 01 > 00 00 00 00 00 00 00 00 02 < 16 00 > 04", "000 [EOF] \r\n"));
}

TEST_F(Receive, WrongChecksumIsAnsweredDleAndWritesNothing) {
  StoreSmall(rig, 4);
  write(path("out.dat"), "old text\r\n");
  rig.sim.controller.faults.badChecksum = true;
  const TransferReport report = receiveSingle(4);
  // Rejected silently: the fault matrix proves that, and that nothing failed.
  EXPECT_EQ(std::tuple(report.rejected, read(path("out.dat")), filesInDir(), test::Hex(rig.sim.wire.sent())),
            std::tuple(1, "old text\r\n", 1L, "01 01 04 00 00 00 04 00 00 00 02 10"));
}

TEST_F(Receive, AllModeGoesOnWhenAFileCannotBeWritten) {
  fs::create_directories(dir / "ZOVAPRG05.dat" / "x");  // a folder where program 5's file would go
  rig.transfer.RecvFolder = dir.string();
  const TransferReport report = rig.transfer.ReceivePrograms(rig.sim.link, kModeAll);
  EXPECT_EQ(std::tuple(report.transferred, report.notSaved, rig.sim.ui.messages.size(), filesInDir()),
            std::tuple(31, 1, 1u, 32L));
}

class CutOff : public ScratchDir {};

// All-mode transfers that fail part-way: each failed program is reported and the transfer goes on, until a
// handshake finds the line dead. (The fault matrix cuts every transfer at every step.)
TEST_F(CutOff, AllModeGoesOnAfterAFailedProgramUntilTheLineIsDead) {
  const std::string kOldText = "000 STOP \r\n001 [EOF] \r\n";
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
    for (int n = 0; c.receive && n <= 31; ++n) StoreSmall(rig, n);
    sim::Faults& f = rig.sim.controller.faults;
    f.fromCommand = 6;
    const std::string fault = c.fault;
    f.wrongEcho = fault == "wrong echo";
    f.badTerminator = fault == "wrong terminator";
    f.refuseBlocks = fault == "block refused";
    // The controller sends 3 + 2050 + 2 + 31800 bytes for a received program (06, echo, SYN, the block, checksum,
    // SYN, the comments) and 5 for a transmitted one (06, echo, SYN, SYN, EOT).
    if (fault == "silence") f.silenceAfter = c.receive ? 3 + 2050 + 2 + 31800 + 3000 : 3 * 5 + 2;
    rig.transfer.RecvFolder = rig.transfer.TransFolder = dir.string();
    const TransferReport report = c.receive ? rig.transfer.ReceivePrograms(rig.sim.link, kModeAll)
                                            : rig.transfer.SendPrograms(rig.sim.link, kModeAll);
    const std::string what = (c.receive ? "receive " : "send ") + fault;
    EXPECT_EQ(std::tuple(report.transferred, report.failed, report.lineDead),
              std::tuple(c.transferred, c.failed, c.lineDead))
        << what;
    // The error box for each failed exchange, and the handshake's own text, alone, where the line died.
    std::vector<std::string> texts(static_cast<std::size_t>(c.failed - (c.lineDead ? 1 : 0)), "통신이상 발생");
    if (c.lineDead) texts.emplace_back("통신이 연결되지 않았습니다.");
    EXPECT_EQ(rig.sim.ui.texts(), texts) << what;
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

TEST(ProgramWire, CommentCellsTravelAsTheirLowByte) {
  language::ProgramStore store;
  store.comments[0][0] = language::kCommentOnlyStep;  // 65535 -> FF
  store.comments[0][1] = 0x0107;                      // only 07 survives
  store.comments[299][105] = 0xABCD;                  // the very last cell
  const auto bytes = PackCommentBlock(store);
  ASSERT_EQ(bytes.size(), 31800u);
  EXPECT_EQ(std::tuple(bytes[0], bytes[1], bytes[31799]), std::tuple(0xFF, 0x07, 0xCD));
}

// Words of a received block: least significant byte first, every byte whole (none sign-extended).
TEST(ProgramWire, UnpackedWords) {
  ProgramBlock block{1, 200, 0x01, 0x00, 0x00, 0x80, 0xA0, 0xB0, 0xC0, 0x7F};
  block[2049] = 0x12;  // top byte of word 511
  language::ProgramStore store;
  UnpackProgramBlock(block, store, 7);
  // Word 0 is -2147483647; only program 7's flag changes.
  EXPECT_EQ(std::tuple(store.image[0], store.image[1], store.image[511]),
            std::tuple(0x80000001u, 0x7FC0B0A0u, 0x12000000u));
  EXPECT_EQ(std::tuple(store.presence[7], store.stepCount[7], store.presence[0]), std::tuple(1, 200, 0));
}

// Programs sent to the simulated controller and fetched back: the same program comes back, comments and blank
// lines where they were. (That a listing compiles back to its records is the language tests' subject.)
// A full program on 300 lines, in the listing form it comes back in: 255 instructions with comments, 44
// comment and blank lines (the last after the 255th instruction), the end record with a comment of its own.
std::string FullProgram() {
  std::vector<std::string> lines;
  char line[40];
  for (int i = 0; i < 255; ++i) {
    std::snprintf(line, sizeof line, "%03d DLY %06d ;d%d", i, i, i);
    lines.push_back(line);
    if (i % 6 == 0 || i == 254) lines.push_back(i % 12 == 0 ? ";c" + std::to_string(i) : "");
  }
  lines.push_back("255 [EOF] ;end");
  return Source(lines);
}

class RoundTrip : public Transfer {};

TEST_F(RoundTrip, SentAndFetchedBackIsTheSameProgram) {
  const std::string full = FullProgram();
  const std::string longComment = ";" + std::string(103, 'x');  // cells 2 to 105 of row 1, from the controller
  std::string fetched = full;
  fetched.replace(fetched.find(";c0"), 3, longComment);
  ASSERT_EQ(sendSingle(17, full).transferred, 1);
  test::PutRow(rig.stored(17).comments, 1, 0xFF, longComment);

  rig.store = {};  // nothing of the compile may help the receive
  ASSERT_EQ(receiveSingle(17).transferred, 1);
  EXPECT_EQ(std::tuple(read(path("out.dat")), rig.sim.ui.texts()), std::tuple(fetched, std::vector<std::string>{}));
}

// The editor's transfers: its text goes out as the same file would, and a fetch gives the file's text back.
TEST_F(RoundTrip, SourceTextWithoutFiles) {
  rig.transfer.TxProgramNo = 17;
  ASSERT_EQ(rig.transfer.SendSource(rig.sim.link, kSmallSource).transferred, 1);
  rig.transfer.RxProgramNo = 17;
  std::string fetched;
  ASSERT_EQ(rig.transfer.ReceiveSource(rig.sim.link, fetched).transferred, 1);
  EXPECT_EQ(std::tuple(fetched, rig.sim.ui.messages.empty(), fs::is_empty(dir)), std::tuple(kSmallListing, true, true));

  EXPECT_EQ(rig.transfer.SendSource(rig.sim.link, Source({"MVE P9999", "[EOF]"})).notCompiled, 1);
  rig.transfer.TxProgramNo = 32;
  rig.transfer.RxProgramNo = 32;
  EXPECT_TRUE(rig.transfer.SendSource(rig.sim.link, kSmallSource).refused);
  EXPECT_TRUE(rig.transfer.ReceiveSource(rig.sim.link, fetched).refused);
}

TEST_F(RoundTrip, AllProgramsThroughTheirFolders) {
  const fs::path out = dir / "fetched";
  fs::create_directories(out);
  std::vector<std::string> sources;
  for (int n = 0; n <= 31; ++n) {
    // In the form they come back in, each its own length and content; program 0 is empty, its comment lost.
    std::string source = "; program " + std::to_string(n) + "\r\n";
    char line[64];
    for (int k = 0; k < n; ++k) {
      std::snprintf(line, sizeof line, "%03d MVE P%04d ;step %d\r\n", k, n * 10 + k, k);
      source += line;
    }
    std::snprintf(line, sizeof line, "%03d [EOF] \r\n", n);
    write(AllModeFileName(dir.string(), n), source + line);
    sources.push_back(n == 0 ? line : source + line);
  }
  rig.transfer.TransFolder = dir.string();
  rig.transfer.RecvFolder = out.string();
  std::vector<int> shown;
  rig.transfer.onProgramNumber = [&shown](int n) { shown.push_back(n); };
  ASSERT_TRUE(CheckAllTransFiles(rig.transfer.TransFolder, rig.sim.ui));
  EXPECT_EQ(rig.transfer.SendPrograms(rig.sim.link, kModeAll).transferred, 32);
  EXPECT_FALSE(rig.stored(32).present()) << "program 32 is never transferred";
  rig.stored(32) = rig.stored(31);
  EXPECT_EQ(rig.transfer.ReceivePrograms(rig.sim.link, kModeAll).transferred, 32);
  EXPECT_TRUE(rig.sim.ui.messages.empty());
  std::vector<std::uint8_t> commands(32, 2);
  commands.resize(64, 1);
  EXPECT_EQ(rig.sim.controller.commandLog, commands);
  std::vector<int> numbers;
  for (int n = 0; n < 64; ++n) numbers.push_back(n % 32);
  EXPECT_EQ(shown, numbers);
  EXPECT_EQ(std::tuple(rig.transfer.TxProgramNo, rig.transfer.RxProgramNo), std::tuple(31, 31))
      << "the number boxes keep the last program";
  for (int n = 0; n <= 32; ++n) EXPECT_EQ(rig.store.presence[n], n > 0 && n < 32 ? 1 : 0) << "each flag its own";
  EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 32);

  for (int n = 0; n <= 31; ++n) EXPECT_EQ(read(AllModeFileName(out.string(), n)), sources[n]) << n;
}

}  // namespace
}  // namespace zova::programs
