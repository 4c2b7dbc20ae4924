// The source check: every problem with its line and step, the step of each line, and the file-level ends.
#include <gtest/gtest.h>

#include <string>

#include "language/source_check.h"
#include "language_fixture.h"

namespace zova::language {
namespace {

using testing::Source;
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
}  // namespace zova::language
