// Reading and compiling source: the scanner, the line loop, the comment table and the counters of one program
// (seen through the listing of what was stored), and the source check, which files each problem under its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "language/instruction_parsers.h"
#include "language/instruction_set.h"
#include "language/listing.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"
#include "language/scanner.h"
#include "language/source_check.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

// The shared pieces under every parser: the hexadecimal choice, tokeniser and
// the mnemonic table. What the number readers take is proven through every instruction by the generated round trip.
TEST(NumberReaders, HexChoiceLooksOnlyAtTheGivenColumns) {
  const struct {
    const char* token;
    std::size_t last;
    bool hex;
  } cases[] = {{"7FFFH", 5, true},     {"1FFFFH", 5, false},                       // H in column 6
               {"3B9AC9FFH", 9, true}, {"H1", 5, false},                           // column 1 never counts
               {"FH", 3, true},        {"FFFH", 3, false},   {"5;HI", 5, false}};  // the H of a comment
  for (const auto& c : cases) EXPECT_EQ(IsHexOperand(c.token, 2, c.last), c.hex) << c.token;
}

TEST(Tokeniser, SplitsAtBlanksTabsAndCommas) {
  struct Case {
    const char* line;
    std::vector<std::string> tokens;
  };
  const std::vector<Case> cases = {
      {"MVE,P5", {"MVE", "", "P5", "", ""}},  // a comma right after the mnemonic empties token 2
      {"IF R1,=\t5", {"IF", "R1", "=", "5", ""}},
      {"MVE P5;c", {"MVE", "P5;C", "", "", ""}},  // a ";" inside a token belongs to it
      {"RER D*  R1 R2 R3 R4", {"RER", "D*", "R1", "R2", "R3"}},
      {"SETL R1 12345678901", {"SETL", "R1", "12345678901", "", ""}},  // a word stays whole, however long
      {"STOP\rX", {"STOP", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    const Tokens tokens = Tokenise(c.line, 0);
    EXPECT_EQ(std::vector<std::string>(tokens.begin(), tokens.end()), c.tokens) << c.line;
  }
}

TEST(MnemonicTableTest, LookUpIsExactAndCaseSensitive) {
  EXPECT_EQ(LookUpMnemonic("set"), kNoMnemonic);
  EXPECT_EQ(LookUpMnemonic(""), kNoMnemonic);      // the empty last entry is never matched
  EXPECT_EQ(LookUpMnemonic(kFillerMnemonic), 22);  // the first filler entry
  // Names by opcode, the first entry included, and nothing outside the table.
  EXPECT_EQ(std::tuple(MnemonicText(0), MnemonicText(-1), MnemonicText(kMnemonicCount)), std::tuple(";", "", ""));
}

TEST(MnemonicTableTest, EveryNamedEntryHasAParserAndNoFillerHasOne) {
  const auto& table = MnemonicTable();
  for (int i = 0; i < kMnemonicCount; ++i) {
    const bool named = i != kNoMnemonic && table[static_cast<std::size_t>(i)] != kFillerMnemonic;
    EXPECT_EQ(ParserFor(i) != nullptr, named) << i << " " << table[static_cast<std::size_t>(i)];
  }
  // Opcodes side by side that belong to one family or to two.
  const struct {
    int a, b;
    bool same;
  } families[] = {{op::INP, op::DLY, true}, {op::SPLS, op::INP, true}, {op::VEL, op::INP, false},
                  {op::SAR, op::IF, true},  {op::F, op::OFF, false},   {op::PLC, op::INP, true},
                  {op::SPD, op::ACC, true}, {op::WRR, op::PLC, false}};
  const auto family = [](int opcode) { return FindInstruction(opcode)->family; };
  for (const auto& f : families) EXPECT_EQ(family(f.a) == family(f.b), f.same) << f.a << " " << f.b;
}

TEST(FileCompile, StoredProgramListsBack) {
  const std::string utf8 = ";첫 번째 점 \xEC\xB2\xAB";
  const std::string legacy = ";\xC3\xB9 \xB9\xF8\xC2\xB0";  // the same words in the legacy code page
  const std::string full = ";" + std::string(33, 'a') + std::string(66, '\xB0');  // 100 bytes: all kept
  struct Case {
    int words, presence, steps;
    std::string source, listing;
    const char* message = nullptr;
  } cases[] = {
      {2, 0, 0, "[EOF]\r\n", "000 [EOF] \r\n"},
      // An indented comment is kept from its ";"; comment lines take no step.
      {6, 1, 2, Source({"012 MVE P0005 ;first point", ";whole line", "", "  ;--- 456", "STOP", "[EOF] ;end"}),
       "000 MVE P0005 ;first point\r\n;whole line\r\n\r\n;--- 456\r\n001 STOP \r\n002 [EOF] ;end\r\n"},
      {4, 1, 1, Source({utf8, "MVE P1 " + legacy, "[EOF]"}),
       utf8 + "\r\n000 MVE P0001 " + legacy + "\r\n001 [EOF] \r\n"},
      {4, 1, 1, Source({full, "STOP " + full, "[EOF]"}), full + "\r\n000 STOP " + full + "\r\n001 [EOF] \r\n"},
      // A failing line keeps its step and its comment, which stays off the next instruction.
      {4, 1, 2, Source({"MVE P9999 ;bad", "MVE P1 ;good", "[EOF]"}), ";bad\r\n000 MVE P0001 ;good\r\n001 [EOF] \r\n",
       "LOC 번호 초과"},
  };
  CommentRow junk;  // what an earlier compile may have left in every row
  junk.fill('x');
  for (const Case& c : cases) {
    LanguageRig rig;
    rig.store.presence[32] = 1;
    rig.store.stepCount[32] = 9;
    rig.store.image.fill(0xDEADBEEF);
    rig.store.comments.fill(junk);
    ASSERT_TRUE(rig.compiler.compileSource(32, c.source)) << c.source;
    EXPECT_EQ(std::tuple(rig.ui.texts(), rig.compiler.wordCounter(), rig.store.presence[32], rig.store.stepCount[32],
                         ListProgram(rig.store, 0)),
              std::tuple(c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}, c.words,
                         c.presence, c.steps, c.listing))
        << c.source;
    EXPECT_EQ(std::count(rig.store.image.begin() + c.words, rig.store.image.end(), 0u), kImageWords - c.words)
        << "the whole image starts cleared";
    EXPECT_EQ(rig.store.comments.back(), CommentRow{}) << "and so does the comment table";
  }
}

TEST(SingleLineCompile, LeavesTheCommentTableAndCountersOfTheFileAlone) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;kept", "[EOF]"})));
  const auto comments = rig.store.comments;
  ASSERT_TRUE(rig.compiler.compileLine("TMS -5 100 ;typed"));
  EXPECT_EQ(rig.store.comments, comments);
  EXPECT_EQ(std::tuple(rig.store.record(0), rig.store.presence[0]), std::tuple(Record{0x56000104, 0x00640000}, 1));
}

// "line:step message" of each problem, joined by '|'.
std::string Problems(const SourceCheck& check) {
  std::string out;
  for (const SourceProblem& p : check.problems) {
    out += (out.empty() ? "" : "|") + std::to_string(p.line) + ":" + std::to_string(p.step) + " " + p.message;
  }
  return out;
}

// The step of each line read, "-" for a line without one.
std::string LineSteps(const SourceCheck& check) {
  std::string out;
  for (int step : check.lineSteps) out += (out.empty() ? "" : " ") + (step == kNoStep ? "-" : std::to_string(step));
  return out;
}

std::vector<std::string> Repeat(const std::string& line, int count, const std::string& last = {}) {
  std::vector<std::string> lines(static_cast<std::size_t>(count), line);
  if (!last.empty()) lines.push_back(last);
  return lines;
}

TEST(SourceCheck, ProblemsCarryTheirLineAndStep) {
  const std::string missingEnd(CompileEndProblem(CompileEnd::MissingEndOfFile));
  const std::string tooLong = "코멘트가 프로그램에 저장되는 100 바이트보다 깁니다.";
  struct Case {
    int steps, imageWords;
    std::string source, problems, lineSteps;
  } cases[] = {
      {2, 6, Source({"MVE P5 ;a", "; note", "", "STOP", "[EOF]"}) + "\x1A", "", "0 - - 1 2"},
      // A failing line keeps its step number, except the "F" and "OFF" forms; the compile goes on after all.
      {3, 6, Source({"MVE P5", "MVE P9999", "F100 1", "OFF 9 1", "STOP", "[EOF]"}),
       "2:1 LOC 번호 초과|3:2 FSET COMM REG. 번호 초과|4:2 MAX AXIS LIMIT", "0 - - - 2 3"},
      // The compile stops at an unknown mnemonic: nothing after it is read.
      {1, 2, Source({"MVE P5", "XYZ 1", "MVE P9999", "[EOF]"}), "2:1 해당 명령어가 없습니다", "0 -"},
      {0, 0, "", "1:0 " + std::string(CompileEndProblem(CompileEnd::EmptySource)), ""},
      // The comment table keeps 100 bytes of a comment: a longer one is refused, not cut.
      {1, 2, Source({";" + std::string(100, 'c'), "STOP ;" + std::string(100, 'c'), "[EOF]"}),
       "1:0 " + tooLong + "|2:0 " + tooLong, "- - 1"},
      {2, 2, Source({"MVE P5", "INC R1000"}), "2:1 MAX_REG_LMT_OVER|2:2 " + missingEnd, "0 -"},  // on the last line
  };
  for (const Case& c : cases) {
    ProgramStore store;
    const SourceCheck check = CheckSource(c.source, {}, store);
    EXPECT_EQ(std::tuple(Problems(check), LineSteps(check), check.steps, check.imageWords),
              std::tuple(c.problems, c.lineSteps, c.steps, c.imageWords))
        << c.source;
  }
}

// 300 lines and 255 instructions before the end record fit; a problem shows on the line that found no room.
TEST(SourceCheck, LimitsOfOneProgram) {
  const std::string lineLimit(CompileEndProblem(CompileEnd::LineLimit));
  const struct {
    std::vector<std::string> lines;
    std::string problems;
    int axes = 6;
  } cases[] = {
      {Repeat("; comment", 299, "[EOF]"), ""},
      {Repeat("; comment", 300, "[EOF]"), "301:0 " + lineLimit},
      {Repeat("; comment", 300), "300:0 " + lineLimit},
      {Repeat("STOP", 255, "[EOF]"), ""},
      {Repeat("STOP", 256, "[EOF]"), "257:256 " + std::string(CompileEndProblem(CompileEnd::ImageFull))},
      {{"CCLR 4", "[EOF]"}, "1:0 CCLR-MAX_AXIS_LMT_OVER", 3},  // the machine it is given
  };
  for (const auto& c : cases) {
    ProgramStore store;
    EXPECT_EQ(Problems(CheckSource(Source(c.lines), {c.axes, 0}, store)), c.problems) << c.lines[0];
  }
}

}  // namespace
}  // namespace zova::language::testing
