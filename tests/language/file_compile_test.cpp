// File compiling: the line loop, the comment table and the counters of one program, seen through the listing
// of what was stored; and the source check, which files every problem under its line and step.
#include <gtest/gtest.h>

#include <algorithm>

#include "language/listing.h"
#include "language/source_check.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

TEST(FileCompile, StoredProgramListsBack) {
  const std::string utf8 = ";첫 번째 점 \xEC\xB2\xAB";
  const std::string legacy = ";\xC3\xB9 \xB9\xF8\xC2\xB0";    // the same words in the legacy code page
  const std::string korean = "가나다라마바사아자차카타파하";  // 3 bytes each
  const std::string whole = ";" + korean + korean + korean;   // 127 bytes: cut to 1 + 33 * 3 = 100
  const std::string odd = ";a" + korean + korean + korean;    // cut to 2 + 32 * 3: the 33rd would split
  struct Case {
    int words, presence, steps;
    std::string source, listing;
    const char* message = nullptr;
  } cases[] = {
      {2, 0, 0, "[EOF]\r\n", "000 [EOF] \r\n"},
      {8, 1, 3, Source({"MVE P1", "", "L1", "GOTO L1", "[EOF]"}),
       "000 MVE P0001 \r\n\r\n001 L01 \r\n002 GOTO L01 \r\n003 [EOF] \r\n"},
      // A line with no letter is a comment row; comment lines take no step.
      {6, 1, 2, Source({"012 MVE P0005 ;first point", ";whole line", "", "  123 ;--- 456", "STOP", "[EOF] ;end"}),
       "000 MVE P0005 ;first point\r\n;whole line\r\n\r\n;--- 456\r\n001 STOP \r\n002 [EOF] ;end\r\n"},
      {4, 1, 1, Source({utf8, "MVE P1 " + legacy, "[EOF]"}),
       utf8 + "\r\n000 MVE P0001 " + legacy + "\r\n001 [EOF] \r\n"},
      {4, 1, 1, Source({whole, "STOP " + whole, odd, "[EOF]"}),
       whole.substr(0, 100) + "\r\n000 STOP " + whole.substr(0, 100) + "\r\n" + odd.substr(0, 98) +
           "\r\n001 [EOF] \r\n"},
      {6, 1, 2, "MVE P1 ;one\r\nSTOP\n;c\r\n[EOF]", "000 MVE P0001 ;one\r\n001 STOP \r\n;c\r\n002 [EOF] \r\n"},
      // A failing line keeps its step and its comment, which stays off the next instruction.
      {4, 1, 2, Source({"MVE P9999 ;bad", "MVE P1 ;good", "[EOF]"}), ";bad\r\n000 MVE P0001 ;good\r\n001 [EOF] \r\n",
       "LOC 번호 초과"},
  };
  for (const Case& c : cases) {
    LanguageRig rig;
    rig.store.presence[32] = 1;
    rig.store.stepCount[32] = 9;
    rig.store.image.fill(0xDEADBEEF);
    ASSERT_TRUE(rig.compiler.compileSource(32, c.source)) << c.source;
    EXPECT_EQ(rig.ui.texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.source;
    EXPECT_EQ(rig.compiler.wordCounter(), c.words) << c.source;
    EXPECT_EQ(rig.store.presence[32], c.presence) << c.source;
    EXPECT_EQ(rig.store.stepCount[32], c.steps) << c.source;
    EXPECT_EQ(ListProgram(rig.store, 0), c.listing) << c.source;
    EXPECT_EQ(std::count(rig.store.image.begin() + c.words, rig.store.image.end(), 0u), kImageWords - c.words)
        << "the whole image starts cleared";
  }
}

TEST(FileCompile, RemarkAfterBlanksIsNoCommentLine) {
  LanguageRig rig;
  EXPECT_FALSE(rig.compiler.compileSource(0, Source({"MVE P1", "   ;remark", "[EOF]"})));
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"해당 명령어가 없습니다"});
}

TEST(FileCompile, CommentTableIsClearedBeforeEachCompile) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;a", "MVE P2 ;b", "MVE P3 ;c", "[EOF]"})));
  ASSERT_TRUE(rig.compiler.compileSource(1, Source({"", "MVE P9", "[EOF]"})));
  EXPECT_EQ(rig.store.comments[0][0], kCommentOnlyStep);
  EXPECT_EQ(rig.store.comments[0][1], 0);
  EXPECT_EQ(rig.store.commentText(1), "");
  EXPECT_EQ(rig.store.comments[3], CommentRow{});  // beyond the file: nothing left of the first program
}

TEST(SingleLineCompile, LeavesTheCommentTableAndCountersOfTheFileAlone) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;kept", "[EOF]"})));
  const auto comments = rig.store.comments;
  ASSERT_TRUE(rig.compiler.compileLine("STOP ;typed"));
  EXPECT_EQ(rig.store.comments, comments);
  EXPECT_EQ(rig.store.record(0), (Record{0x36000000, 0}));
  EXPECT_EQ(rig.store.presence[0], 1);
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
  struct Case {
    int steps, imageWords;
    std::string source, problems, lineSteps;
  } cases[] = {
      {2, 6, Source({"MVE P5 ;a", "; note", "", "STOP", "[EOF]"}), "", "0 - - 1 2"},
      // A failing line keeps its step number, except the "F" and "OFF" forms; the compile goes on after all.
      {3, 6, Source({"MVE P5", "MVE P9999", "F100 1", "OFF 9 1", "STOP", "[EOF]"}),
       "2:1 LOC 번호 초과|3:2 FSET COMM REG. 번호 초과|4:2 MAX AXIS LIMIT", "0 - - - 2 3"},
      // The compile stops at an unknown mnemonic: nothing after it is read.
      {1, 2, Source({"MVE P5", "FOO 1", "MVE P9999", "[EOF]"}), "2:1 해당 명령어가 없습니다", "0 -"},
      {0, 0, "", "1:0 " + std::string(CompileEndProblem(CompileEnd::EmptySource)), ""},
      {2, 2, Source({"MVE P5", "INC R1000"}), "2:1 MAX_REG_LMT_OVER|2:2 " + missingEnd, "0 -"},  // on the last line
  };
  for (const Case& c : cases) {
    ProgramStore store;
    const SourceCheck check = CheckSource(c.source, {}, store);
    EXPECT_EQ(Problems(check), c.problems) << c.source;
    EXPECT_EQ(LineSteps(check), c.lineSteps) << c.source;
    EXPECT_EQ(check.steps, c.steps) << c.source;
    EXPECT_EQ(check.imageWords, c.imageWords) << c.source;
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
