// Reading and compiling source: the scanner, the line loop, the comment table and the counters of one program
// (seen through the listing of what was stored), and the source check, which files each problem under its line,
// in either language.
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
#include "support/language_guard.h"

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

// The compiler's messages in English: each fault it reports on a line, from a line that causes it.
TEST(SourceCheck, MessagesReadInEnglishWhenEnglishIsChosen) {
  const test::LanguageGuard english(Language::English);
  // A program of the line and its end; two short rows to a line.
  // clang-format off
  const struct {
    const char* line;
    const char* message;
  } lines[] = {
      {"MVE P2501", "Location number out of range"}, {"MVE P(R1000)", "Register number out of range"},
      {"SFT S1000", "Shift number out of range"}, {"SPL R1000", "Register number too large"},
      {"SPL 11", "SPL number too large"}, {"PAL 101", "PAL number too large"}, {"VMP 101", "SPD number too large"},
      {"GOTO L51", "Label number too large"}, {"CALL PRG33", "Program number too large"},
      {"INP 900001", "In-position value too large"}, {"SIGB 57", "Output signal number out of range"},
      {"WAIT 49", "WAIT: input signal number out of range"}, {"F100 1", "F register number out of range"},
      {"XYZ 1", "No such instruction"}, {"MVE PX", "Syntax error in the MVE instruction"},
      {"IF R1 ? 5", "Syntax error in the IF instruction"}, {"GOTO 5", "Syntax error in the GOTO instruction"},
      {"DLY 1000000", "DLY: time out of range"}, {"F1 30000000", "F register value out of range"},
      {"OFF 7 1", "OFF: axis number out of range"}, {"OFF 1 30000000", "OFF: offset value out of range"},
      {"SPD 7 50", "SPD: axis number out of range"}, {"LAP F1 7 R1", "Axis number out of range"},
      {"INT 1 P32", "Program number out of range"}, {"ADD R1 F100", "F register number out of range"},
      {"IF R1 > 32768", "Constant out of range"}, {"INT 4 OFF", "INT: interrupt number out of range"},
      {"ADD R1 32768", "Value out of range (0 to 32767)"}, {"L51", "Label number out of range"},
      {"SETL R1 1000000000", "Value out of range (0 to 999999999)"}, {"INC R1000", "Register number out of range"},
      {"ACC 1 20001", "ACC/DCC: value out of range"}, {"ARC P1 2001", "ARC: arc value out of range"},
      {"ARC P2501 1", "ARC: location number out of range"}, {"ARC P(R1000) 1", "ARC: register number out of range"},
      {"CCLR 7", "CCLR: axis number out of range"}, {"DRP P2501 1H", "DRP: location number out of range"},
      {"DRS S1000 1H", "DRS: shift number out of range"}, {"DRP P1 40H", "DRP/DRS: axis mask out of range"},
      {"DRP P(R1000) 1H", "DRP/DRS: register number out of range"},
      {"HERC P2501", "HERC/HERA: location number out of range"},
      {"HERA P(R1000)", "HERC/HERA: register number out of range"}, {"JB 1 P32", "JB: program number out of range"},
      {"JB 1 L51", "JB: label number out of range"}, {"JB 49 L1", "JB: signal number out of range"},
      {"JMP L1 256", "JMP: repeat count out of range"}, {"JMP L51 1", "JMP: label number out of range"},
      {"JMP L1 R1000", "JMP: register number out of range"}, {"MVA P2501 1", "MVA: location number out of range"},
      {"MVA P(R1000) 1", "MVA: register number of the location out of range"},
      {"MVA P1 101", "MVA: arch height out of range"},
      {"MVA P1 R1000", "MVA: register number of the arch height out of range"},
      {"MVF P2501 1", "MVF/MVB: location number out of range"},
      {"MVB P(R1000) 1", "MVF/MVB: register number out of range"}, {"MVF P1 49", "MVF/MVB: signal number out of range"},
      {"PMV 101 1", "PMV/PMS: pallet number out of range"}, {"PMS 1 R1000", "PMV/PMS: register number out of range"},
      {"PWR 1 40H", "PWR: axis mask out of range"}, {"PWR 2 1H", "PWR: state out of range (0 to 1)"},
      {"RUN PRG33 1", "RUN: program number out of range"}, {"RUN PRG1 5", "RUN: task number out of range"},
      {"SAR 1 1H 101", "SAR: count out of range"}, {"SFF S1 49", "SFF/SFB: signal number out of range"},
      {"SFB S(R1000) 1", "SFF/SFB: register number out of range"},
      {"SFF S1000 1", "SFF/SFB: shift number out of range"}, {"SIGI R1 7", "SIGI: input port out of range"},
      {"SIGI R1000 1", "SIGI: register number out of range"}, {"SIGO 1 32768", "SIGO: output value out of range"},
      {"SIGO 8 1", "SIGO: output port out of range"}, {"SIGO 1 R1000", "SIGO: register number out of range"},
      {"TMS 49 1", "TMS: signal number out of range"}, {"TMS 1 10000", "TMS: time out of range"},
      {"VEL 1 30001", "VEL: velocity out of range"},
      // The messages that name their instruction take it from the line.
      {"DCC 7 1", "DCC: axis number out of range"}, {"CIR P1 P2501", "CIR: location number out of range"},
      {"MVC P(*1000) P1", "MVC: register number out of range"},
      {"SAVL 1 R1000", "SAVL: register number out of range (0 to 999)"},
      {"SAVS 100 R1", "SAVS: value out of range (0 to 99)"},
      // A typo in a number is named as one, not as a value out of range.
      {"SPD 1 50%", "SPD: 50% is not a number"}, {"DLY 100ms", "DLY: 100ms is not a number"},
      {"MVE P1O01", "MVE: P1O01 is not a number"},
  };
  // clang-format on
  for (const auto& c : lines) {
    ProgramStore store;
    EXPECT_EQ(Problems(CheckSource(c.line + std::string("\r\n[EOF]\r\n"), {}, store)), "1:0 " + std::string(c.message))
        << c.line;
  }
}

}  // namespace
}  // namespace zova::language::testing
