// Programs sent to the simulated controller and fetched back: the same program comes back, instruction lines
// in listing form, comments and blank lines where they were; compiling the fetched file gives the same image.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "language/compiler.h"
#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;
using test::Source;
using test::TransferRig;

const std::string kProgram = Source({
    "; pick and place",
    "MVE P0005 ;first point",
    "",
    "  mvs p(r012)",
    "IF R010 = 5 ;wait for the part",
    "GOTO L03",
    "L03",
    ";",
    "SIGO 2 1FH",
    "F3 -2.5",
    "STOP",
    "[EOF]",
});

const std::string kFetched =
    "; pick and place\r\n"
    "000 MVE P0005 ;first point\r\n"
    "\r\n"
    "001 MVS P(R012) \r\n"
    "002 IF R010 = 00005 ;wait for the part\r\n"
    "003 GOTO L03 \r\n"
    "004 L03 \r\n"
    ";\r\n"
    "005 SIGO 2 1FH \r\n"
    "006 F03 -2.50 \r\n"
    "007 STOP \r\n"
    "008 [EOF] \r\n";

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

class RoundTrip : public ScratchDir {
 protected:
  TransferRig rig;
};

TEST_F(RoundTrip, SentAndFetchedBackIsTheSameProgram) {
  const std::string full = FullProgram();
  ASSERT_EQ(std::count(full.begin(), full.end(), '\n'), 300);
  const std::string longComment = ";" + std::string(103, 'x');  // cells 2 to 105 of row 1, from the controller
  std::string fullFetched = full;
  fullFetched.replace(fullFetched.find(";c0"), 3, longComment);
  const std::pair<std::string, std::string> cases[] = {{kProgram, kFetched}, {full, fullFetched}};
  for (const auto& [program, fetched] : cases) {
    write(path("in.dat"), program);
    rig.transfer.TxProgramNo = 17;
    rig.transfer.TransFileName = path("in.dat");
    ASSERT_EQ(rig.transfer.SendPrograms(rig.sim.link, kModeSingle).transferred, 1);
    const language::ProgramStore sentStore = rig.store;
    if (program == full) test::PutRow(rig.stored(17).comments, 1, 0xFF, longComment);

    rig.store = {};  // nothing of the compile may help the receive
    rig.transfer.RxProgramNo = 17;
    rig.transfer.RecvFileName = path("out.dat");
    ASSERT_EQ(rig.transfer.ReceivePrograms(rig.sim.link, kModeSingle).transferred, 1);
    EXPECT_EQ(read(path("out.dat")), fetched);
    EXPECT_TRUE(rig.sim.ui.messages.empty()) << ::testing::PrintToString(rig.sim.ui.texts());

    // The fetched file is itself the source of the same program.
    language::ProgramStore again;
    RecordingUi ui;
    language::Compiler compiler(again, ui, {6, 0});
    ASSERT_TRUE(compiler.compileFile(17, path("out.dat")));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(again.image, sentStore.image);
    EXPECT_EQ(again.presence[17], sentStore.presence[17]);
    EXPECT_EQ(again.stepCount[17], sentStore.stepCount[17]);
    for (int r = 0; r < language::kCommentRows; ++r) {
      const auto row = static_cast<std::size_t>(r);
      EXPECT_EQ(again.comments[row][0], sentStore.comments[row][0]) << r;
    }
  }
}

// The editor's transfers: its text goes out as the same file would, and a fetch gives the file's text back.
TEST_F(RoundTrip, SourceTextWithoutFiles) {
  rig.transfer.TxProgramNo = 17;
  ASSERT_EQ(rig.transfer.SendSource(rig.sim.link, kProgram).transferred, 1);
  rig.transfer.RxProgramNo = 17;
  std::string fetched;
  ASSERT_EQ(rig.transfer.ReceiveSource(rig.sim.link, fetched).transferred, 1);
  EXPECT_EQ(fetched, kFetched);
  EXPECT_TRUE(rig.sim.ui.messages.empty());
  EXPECT_TRUE(fs::is_empty(dir));

  EXPECT_EQ(rig.transfer.SendSource(rig.sim.link, Source({"MVE P9999", "[EOF]"})).notCompiled, 1);
  rig.transfer.TxProgramNo = 32;
  rig.transfer.RxProgramNo = 32;
  EXPECT_TRUE(rig.transfer.SendSource(rig.sim.link, kProgram).refused);
  EXPECT_TRUE(rig.transfer.ReceiveSource(rig.sim.link, fetched).refused);
}

TEST_F(RoundTrip, AllProgramsThroughTheirFolders) {
  const fs::path out = dir / "fetched";
  fs::create_directories(out);
  std::vector<std::string> sources;
  for (int n = 0; n <= 31; ++n) {
    // Program 0 stays empty; the others differ in length and content.
    std::vector<std::string> lines{"; program " + std::to_string(n)};
    for (int k = 0; k < n; ++k) lines.push_back("MVE P" + std::to_string(n * 10 + k) + " ;step " + std::to_string(k));
    lines.push_back("[EOF]");
    sources.push_back(Source(lines));
    write(AllModeFileName(dir.string(), n), sources.back());
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
  EXPECT_EQ(rig.transfer.TxProgramNo, 31) << "the number box keeps the last program";
  EXPECT_EQ(rig.transfer.RxProgramNo, 31);
  for (int n = 0; n <= 32; ++n) EXPECT_EQ(rig.store.presence[n], n > 0 && n < 32 ? 1 : 0) << "each flag its own";
  EXPECT_EQ(std::distance(fs::directory_iterator(out), {}), 32);

  // An empty program travels as one byte and comes back as the end record alone.
  EXPECT_EQ(read(AllModeFileName(out.string(), 0)), "000 [EOF] \r\n");
  for (int n = 1; n <= 31; ++n) {
    std::string expected = "; program " + std::to_string(n) + "\r\n";
    char line[64];
    for (int k = 0; k < n; ++k) {
      std::snprintf(line, sizeof line, "%03d MVE P%04d ;step %d\r\n", k, n * 10 + k, k);
      expected += line;
    }
    std::snprintf(line, sizeof line, "%03d [EOF] \r\n", n);
    expected += line;
    EXPECT_EQ(read(AllModeFileName(out.string(), n)), expected) << n;
  }
}

}  // namespace
}  // namespace zova::programs
