// A source line is compiled only when every part of it is read: single edits of every line of a program in
// the listing's own form (an operand too many, a letter in a number, text past column 80, a device the
// machine lacks) are each refused on the edited line; a line is an instruction only when nothing but a step
// number stands in front of it, and nothing follows the end line.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "language/listing.h"
#include "language/source_check.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

// A program of one line per instruction family, in the form the listing writer gives it.
std::vector<ListedLine> Program() {
  LanguageRig rig;
  const bool ended = rig.compiler.compileSource(
      0,
      "MVE P5 ;a\r\nMVA P(R1) 7\r\nSFF S(*2) -3\r\nDRS R4 3FH\r\nSPL 5\r\nCONT OFF\r\n"
      "IF F1 ! 7FFFH\r\nGOTO L2\r\nDLY 100\r\nHOME 3H\r\nSTOP\r\nCALL PRG3\r\nSIGO 2 1FH\r\n"
      "SIGO AOFF\r\nJB -3 PRG4\r\nTMS -5 100\r\nSMV R1 R2 R3\r\nSAR 1 -1FH 3\r\nVEL 2 300\r\n"
      "RER ZR R1 R2 R3\r\nSAVL 2 *3\r\nSETL *1 999999999\r\nADF *1 R2\r\nL4\r\nINT 2 OFF\r\n"
      "F3 -2.5\r\nOFF 2 1.25\r\nLES F1 2 R3\r\n; only a comment\r\n[EOF]\r\n");
  EXPECT_TRUE(ended && rig.ui.messages.empty());
  return ListProgramLines(rig.store, 0);
}

// The lines that have problems (a refused "[EOF]" line also leaves the source without its end there).
std::set<int> ProblemLines(const std::string& source) {
  ProgramStore store;
  std::set<int> lines;
  for (const SourceProblem& p : CheckSource(source, {}, store).problems) lines.insert(p.line);
  return lines;
}

using Edit = std::function<std::string(const std::string&)>;

// `listing` with an "X" after the first digit of its last operand that holds one; empty when none does.
std::string LetterInNumber(const std::string& listing) {
  const std::size_t operands = listing.find(' ', listing.find_first_not_of("0123456789 "));
  if (operands == std::string::npos) return {};
  const std::size_t word = listing.find_last_of(' ', listing.find_last_of("0123456789")) + 1;
  if (word <= operands) return {};
  return std::string(listing).insert(listing.find_first_of("0123456789", word) + 1, "X");
}

TEST(LineRefusal, EverySingleEditOfAListingIsRefusedAtItsLine) {
  const std::vector<ListedLine> program = Program();
  const std::vector<std::pair<const char*, Edit>> edits = {
      {"extra operand", [](const std::string& l) { return l + " R1"; }},
      {"doubled operand", [](const std::string& l) { return l + l.substr(l.find_last_of(' ')); }},
      {"letter in a number", LetterInNumber},
      {"past column 80", [](const std::string& l) { return std::string(81 - l.size(), ' ') + l; }},
      {"unknown device",
       [](const std::string& l) {
         const std::size_t at = l.find(" ZR ");
         return at == std::string::npos ? std::string() : std::string(l).replace(at + 1, 2, "ZQ");
       }},
  };
  std::vector<std::string> lines;
  for (const ListedLine& line : program)
    lines.push_back(line.step < 0 ? line.comment : line.listing + " " + line.comment);
  ASSERT_EQ(ProblemLines(Source(lines)), std::set<int>{});
  int tried = 0;
  for (std::size_t i = 0; i < program.size(); ++i) {
    if (program[i].step < 0) continue;
    for (const auto& [name, edit] : edits) {
      const std::string edited = edit(program[i].listing);
      if (edited.empty()) continue;
      std::vector<std::string> changed = lines;
      changed[i] = edited + " " + program[i].comment;
      EXPECT_EQ(ProblemLines(Source(changed)), std::set<int>{static_cast<int>(i) + 1}) << name << ": " << edited;
      ++tried;
    }
  }
  EXPECT_GT(tried, 110);  // guards against edits that silently stop applying
}

// What the operator reads as a remark never runs as the motion inside it, in a file or typed at the console.
TEST(LineStart, OnlyAStepNumberMayStandBeforeAnInstruction) {
  enum Kind { Instruction, Comment, Blank, Problem };
  const struct {
    const char* line;
    Kind kind;
    const char* comment = "";  // what the comment table keeps of the line
  } cases[] = {
      // clang-format off
      {"MVE P5", Instruction}, {"012 MVE P0005", Instruction}, {"  7\tmve p5", Instruction},
      {"    ; MVE P0005", Comment, "; MVE P0005"}, {"\t;x", Comment, ";x"}, {"", Blank}, {" \t ", Blank},
      {"# MVS P0005", Problem}, {"// MVE P5", Problem}, {"' MVE P5", Problem}, {"-- MVE P5", Problem},
      {"* MVE P5", Problem}, {"1) MVE P5", Problem}, {"\xEF\xBC\x83 MVE P5", Problem},  // full-width #
      {"\xE2\x80\xBB MVE P5", Problem}, {"-MVE P0005", Problem}, {"\xEA\xB0\x80 MVE P5", Problem},
      {"012MVE P5", Problem}, {"012 ;c", Problem}, {"----------------", Problem}, {"7", Problem},
      // clang-format on
  };
  const Record move{0x01100005, 0};
  for (const auto& c : cases) {
    LanguageRig rig;
    (void)rig.compiler.compileSource(0, Source({"STOP", c.line, "[EOF]"}));
    EXPECT_EQ(rig.ui.messages.size(), c.kind == Problem ? 1u : 0u) << c.line;
    EXPECT_EQ(rig.compiler.wordCounter() == 6 && rig.store.record(1) == move, c.kind == Instruction) << c.line;
    EXPECT_EQ(rig.store.commentText(1), c.comment) << c.line;
    EXPECT_EQ(rig.compiler.compileLine(c.line).has_value(), c.kind == Instruction) << c.line;
    // After the end line, anything but a blank line is named on its own line.
    ProgramStore store;
    const std::vector<SourceProblem> after = CheckSource(Source({"STOP", "[EOF]", c.line}), {}, store).problems;
    EXPECT_EQ(after.size() == 1 && after[0].line == 3, c.kind != Blank) << c.line;
  }
}

}  // namespace
}  // namespace zova::language::testing
