// The compiler's messages in English: each fault it reports on a line, from a line that causes it.
#include <gtest/gtest.h>

#include <string>

#include "language/source_check.h"
#include "support/language_guard.h"

namespace zova::language::testing {
namespace {

// The messages of a check, joined by '|'.
std::string Messages(const std::string& source) {
  ProgramStore store;
  std::string messages;
  for (const SourceProblem& p : CheckSource(source, {}, store).problems) {
    messages += (messages.empty() ? "" : "|") + p.message;
  }
  return messages;
}

TEST(CompileMessages, ReadInEnglishWhenEnglishIsChosen) {
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
  for (const auto& c : lines) EXPECT_EQ(Messages(c.line + std::string("\r\n[EOF]\r\n")), c.message) << c.line;
}

}  // namespace
}  // namespace zova::language::testing
