// A source line is compiled only when every part of it is read: text past the scanned columns, a word that
// names no device, an operand nothing reads and a comment longer than the table keeps are problems of that
// line. Proven on chosen lines and on single edits of every line of a program in the listing's own form.
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

// "line message" of each problem, joined by '|'.
std::string ProblemsOf(const std::string& source, int machineType = 0) {
  ProgramStore store;
  std::string out;
  for (const SourceProblem& p : CheckSource(source, {6, machineType}, store).problems) {
    out += (out.empty() ? "" : "|") + std::to_string(p.line) + " " + p.message;
  }
  return out;
}

TEST(LineRefusal, EachPartOfALineIsReadOrRefused) {
  const std::string comment100 = ";" + std::string(99, 'c');
  const struct {
    std::string line;
    std::string problem;  // empty: accepted
    int machineType = 0;
  } cases[] = {
      {std::string(74, ' ') + "MVE P5", ""},  // the 5 in column 80
      {std::string(75, ' ') + "MVE P5", "1 MVE 명령어 Syntex Error"},
      {std::string(71, ' ') + "SETL R1 123456789", "1 SETL 명령어 Syntex Error"},
      {std::string(75, ' ') + "MVE P5 " + comment100, "1 MVE 명령어 Syntex Error"},
      {std::string(80, ' ') + "MVE P5", "1 해당 명령어가 없습니다"},
      {"MVE P5 " + comment100, ""},
      {"MVE P5 " + comment100 + "c", "1 the comment is longer than the 100 bytes a program keeps of it"},
      {comment100 + "c", "1 the comment is longer than the 100 bytes a program keeps of it"},
      {"WRR M1 1 2 3", "1 WRR 명령어 Syntex Error"},
      {"RER Q1 1 2 3", "1 RER 명령어 Syntex Error"},
      {"RER D*5 1 2 3", "1 RER 명령어 Syntex Error"},
      {"RER M* 1 2 3", "1 RER 명령어 Syntex Error", 1},  // a device of the other machine family
      {"RER DT 1 2 3", "", 1},
      {"MVE P1 P2", "1 MVE 명령어 Syntex Error"},
      {"STOP 5", "1 STOP 명령어 Syntex Error"},
      {"IF R1 = 5 6", "1 IF_SYNTEX_ERR"},
      {"GOTO L1 2", "1 GOT sysntex error"},
      {"L3 5", "1 L 명령어 Syntex Error"},
      {"F3 1.5 2", "1 F 명령어 Syntex Error"},
      {"OFF 1 1.5 2", "1 OFF 명령어 Syntex Error"},
      {"SIGO AON 1", "1 SIGO 명령어 Syntex Error"},
      {"SIGO AXN", "1 SIGO-MAX_OUT_PORT_LMT_OVER"},
      {"RER D* R1 R2 R3 R4", "1 RER 명령어 Syntex Error"},  // a sixth word
      {"SAVA 1 R1 R000", ""},                               // the third field as the listing shows it
      {"SAVA 1 R1 R001", "1 SAVA 명령어 Syntex Error"},
      {"IF R1 => 5", "1 IF_SYNTEX_ERR"},
      {"IF X1 = 5", "1 IF_SYNTEX_ERR"},
      {"IF R1 = X5", "1 IF_SYNTEX_ERR"},
      {"CONT OF", "1 CONT 명령어 Syntex Error"},
      {"PLC", ""},
      {"INT 1 X", "1 INT 명령어 Syntex Error"},
      {"ADD X1 5", "1 ADD 명령어 Syntex Error"},
      {"SET R1 X5", "1 SET 명령어 Syntex Error"},
      {"ADF R1 F2", "1 ADF 명령어 Syntex Error"},
      {"ADF F1 X2", "1 ADF 명령어 Syntex Error"},
  };
  for (const auto& c : cases) EXPECT_EQ(ProblemsOf(Source({c.line, "[EOF]"}), c.machineType), c.problem) << c.line;
}

TEST(LineRefusal, TheTypedLineIsReadAsStrictly) {
  for (const char* line : {"STOP 5", "MVE P1 P2", "WRR M1 1 2 3"}) {
    LanguageRig rig;
    EXPECT_FALSE(rig.compiler.compileLine(line)) << line;
  }
}

// A program of one line per instruction family, in the form the listing writer gives it.
std::vector<ListedLine> Program() {
  LanguageRig rig;
  const bool ended = rig.compiler.compileSource(0, Source({"MVE P5 ;a",
                                                           "MVA P(R1) 7",
                                                           "SFF S(*2) -3",
                                                           "DRS R4 3FH",
                                                           "SPL 5",
                                                           "CONT OFF",
                                                           "IF F1 ! 7FFFH",
                                                           "GOTO L2",
                                                           "DLY 100",
                                                           "HOME 3H",
                                                           "STOP",
                                                           "CALL PRG3",
                                                           "SIGO 2 1FH",
                                                           "SIGO AOFF",
                                                           "JB -3 PRG4",
                                                           "TMS -5 100",
                                                           "SMV R1 R2 R3",
                                                           "SAR 1 -1FH 3",
                                                           "VEL 2 300",
                                                           "RER ZR R1 R2 R3",
                                                           "SAVL 2 *3",
                                                           "SETL *1 999999999",
                                                           "ADF *1 R2",
                                                           "L4",
                                                           "INT 2 OFF",
                                                           "F3 -2.5",
                                                           "OFF 2 1.25",
                                                           "LES F1 2 R3",
                                                           "; only a comment",
                                                           "[EOF]"}));
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

}  // namespace
}  // namespace zova::language::testing
