// The forms each operand may take, told by the character it begins with. The number readers take a number
// out of any of the form letters, so without this an operand of one kind (S5, *1, R1) would be read as the
// number of another (a location, a plain register, an F register).
#include <array>
#include <string_view>
#include <vector>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"

namespace zova::language {
namespace {

constexpr std::string_view kHex = "ABCDEF";
constexpr std::string_view kAny = "\x01";  // an operand whose words the parser checks whole (ON, OFF, devices)

struct Forms {
  std::string_view mnemonics;                // blank-separated
  std::array<std::string_view, 4> starts{};  // per operand: the characters besides a digit it may begin with
};

// P12 / P(R12) / P(*12) begin with "P"; S forms with "S"; registers with "R" or "*"; F registers with "F";
// signed numbers with "-"; hexadecimal constants may begin with A to F.
constexpr Forms kForms[] = {
    {"MVE MVS UP MVL HERC HERA CALL", {"P"}},
    {"SFT", {"SR"}},
    {"SPL VMP VMN TSPD PAL SPLS INC DEC", {"R*"}},
    {"CONT PLC", {kAny}},
    {"GOTO L", {"L"}},
    {"DLY INP CCLR", {""}},
    {"HOME", {kHex}},
    {"SIGB WAIT", {"-"}},
    {"MVA ARC", {"P", "R*"}},
    {"MVC CIR", {"P", "P"}},
    {"MVF MVB", {"P", "-"}},
    {"SFF SFB", {"S", "-"}},
    {"PMV PMS", {"", "R*"}},
    {"DRP", {"P", kHex}},
    {"DRS", {"SR", kHex}},
    {"JMP", {"L", "R*"}},
    {"SIGI", {"R", ""}},
    {"SIGO", {"A", "RABCDEF"}},
    {"JB", {"-", "PL-"}},
    {"TMS", {"-", ""}},
    {"PWR", {"", kHex}},
    {"RUN", {"P-", ""}},
    {"ACC DCC VEL", {"", ""}},
    {"SPD", {"", "R*"}},
    {"SAVA SAVS SAVL", {"", "R*", "R"}},
    {"INT", {"", "LPO"}},
    {"ADD SUB OR AND MUL ROL ROR SET SETL", {"R*", "RF*ABCDEF-"}},
    {"ADF SUF MUF", {"F*", "FR*"}},
    {"IF", {"RF*", kAny, "RF*ABCDEF-"}},
    {"SAR", {"", "-ABCDEF", ""}},
    {"SMV LP LS", {"R", "R", "R"}},
    {"LAP LAS LEP LES", {"F", "", "R"}},
    {"RER REP REF WRR WRP WRF RES WRS", {kAny, "R", "R", "R"}},
    {"F", {"-+."}},
    {"OFF", {"-+.", "-+."}},
};

std::array<const Forms*, kMnemonicCount> BuildIndex() {
  std::array<const Forms*, kMnemonicCount> index{};
  for (const Forms& forms : kForms) {
    std::string_view rest = forms.mnemonics;
    while (!rest.empty()) {
      const std::size_t blank = rest.find(' ');
      const int opcode = LookUpMnemonic(rest.substr(0, blank));
      if (opcode != kNoMnemonic) index[static_cast<std::size_t>(opcode)] = &forms;
      rest = blank == std::string_view::npos ? std::string_view() : rest.substr(blank + 1);
    }
  }
  return index;
}

}  // namespace

bool OperandsTakeTheirForms(const ParseInput& in) {
  static const std::array<const Forms*, kMnemonicCount> kIndex = BuildIndex();
  const Forms* forms =
      in.opcode >= 0 && in.opcode < kMnemonicCount ? kIndex[static_cast<std::size_t>(in.opcode)] : nullptr;
  if (forms == nullptr) return true;
  for (std::size_t k = 0; k < forms->starts.size(); ++k) {
    const char first = CharAt(in.token(k + 2), 1);
    const std::string_view starts = forms->starts[k];
    if (first == '\0' || starts == kAny || IsDigitChar(first)) continue;
    if (starts.find(first) == std::string_view::npos) return false;
  }
  return true;
}

}  // namespace zova::language
