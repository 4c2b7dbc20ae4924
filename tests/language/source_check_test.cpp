// The source check: every problem with its line and step, the step of each line, and the file-level ends.
#include <gtest/gtest.h>

#include <tuple>

#include "language/source_check.h"
#include "language_fixture.h"

namespace zova::language {
namespace {

using testing::Source;
using Problem = std::tuple<int, int, std::string>;  // line, step, message

std::vector<Problem> Problems(const SourceCheck& check) {
  std::vector<Problem> out;
  for (const SourceProblem& p : check.problems) out.emplace_back(p.line, p.step, p.message);
  return out;
}

std::string End(CompileEnd end) { return std::string(CompileEndProblem(end)); }

std::vector<std::string> Repeat(const std::string& line, int count, const std::string& last = {}) {
  std::vector<std::string> lines(static_cast<std::size_t>(count), line);
  if (!last.empty()) lines.push_back(last);
  return lines;
}

TEST(SourceCheck, ProblemsCarryTheirLineAndStep) {
  struct Case {
    const char* name;
    std::string source;
    std::vector<Problem> problems;
    std::vector<int> lineSteps;
    int steps;
    int imageWords;
  } cases[] = {
      {"clean", Source({"MVE P5 ;a", "; note", "", "STOP", "[EOF]"}), {}, {0, kNoStep, kNoStep, 1, 2}, 2, 6},
      // A failing line keeps its step number, except the "F" form; the compile goes on after both.
      {"failing lines",
       Source({"MVE P5", "MVE P9999", "F100 1", "STOP", "[EOF]"}),
       {{2, 1, "LOC 번호 초과"}, {3, 2, "FSET COMM REG. 번호 초과"}},
       {0, kNoStep, kNoStep, 2, 3},
       3,
       6},
      // The compile stops at an unknown mnemonic: nothing after it is read.
      {"unknown mnemonic",
       Source({"MVE P5", "FOO 1", "MVE P9999", "[EOF]"}),
       {{2, 1, "해당 명령어가 없습니다"}},
       {0, kNoStep},
       1,
       2},
      {"empty", "", {{1, 0, End(CompileEnd::EmptySource)}}, {}, 0, 0},
      {"no [EOF], shown on the last line",
       Source({"MVE P5", "INC R1000"}),
       {{2, 1, "MAX_REG_LMT_OVER"}, {2, 2, End(CompileEnd::MissingEndOfFile)}},
       {0, kNoStep},
       2,
       2},
  };
  for (const Case& c : cases) {
    ProgramStore store;
    const SourceCheck check = CheckSource(c.source, {}, store);
    EXPECT_EQ(Problems(check), c.problems) << c.name;
    EXPECT_EQ(check.lineSteps, c.lineSteps) << c.name;
    EXPECT_EQ(check.steps, c.steps) << c.name;
    EXPECT_EQ(check.imageWords, c.imageWords) << c.name;
  }
}

TEST(SourceCheck, LimitsShowOnTheLineThatFoundNoRoom) {
  struct Case {
    std::vector<std::string> lines;
    Problem problem;
  } cases[] = {
      {Repeat("; comment", 300, "[EOF]"), {301, 0, End(CompileEnd::LineLimit)}},
      {Repeat("; comment", 300), {300, 0, End(CompileEnd::LineLimit)}},
      {Repeat("STOP", 256, "[EOF]"), {257, 256, End(CompileEnd::ImageFull)}},
  };
  for (const Case& c : cases) {
    ProgramStore store;
    const std::vector<Problem> expected{c.problem};
    EXPECT_EQ(Problems(CheckSource(Source(c.lines), {}, store)), expected);
  }
}

TEST(SourceCheck, UsesTheMachineItIsGiven) {
  ProgramStore store;
  const std::vector<Problem> expected{{1, 0, "CCLR-MAX_AXIS_LMT_OVER"}};
  EXPECT_EQ(Problems(CheckSource(Source({"CCLR 4", "[EOF]"}), {3, 0}, store)), expected);
}

}  // namespace
}  // namespace zova::language
