// The instruction set table and what is derived from it: the mnemonic table, the parser of an opcode and the
// checks of a line's operands.
#include "language/instruction_set.h"

#include "language/mnemonic_table.h"
#include "base/translation.h"

namespace zova::language {
namespace {

using enum Family;

constexpr std::string_view kAny = "\x01";           // the parser checks the word whole (ON, OFF, devices)
constexpr std::string_view kZeroRegister = "\x02";  // R000 or nothing: a field the listing shows as 0
constexpr std::string_view kHex = "ABCDEF";
constexpr std::string_view kSource = "RF*ABCDEF-";  // a register, an F register or a constant

// P12 / P(R12) / P(*12) begin with "P"; S forms with "S"; registers with "R" or "*"; F registers with "F";
// signed numbers with "-"; hexadecimal constants may begin with A to F; "" takes digits only.
constexpr Instruction kInstructions[] = {
    {op::NOP, ";", NoOperand, ParseNoOperand, {}, nullptr},
    {op::MVE, "MVE", SingleOperand, ParseLocation, {"P"}, ListLocation},
    {op::MVS, "MVS", SingleOperand, ParseLocation, {"P"}, ListLocation},
    {op::MVA, "MVA", OperandPair, ParseMva, {"P", "R*"}, ListLocationRegister},
    {op::MVC, "MVC", OperandPair, ParseTwoLocations, {"P", "P"}, ListTwoLocations},
    {op::CIR, "CIR", OperandPair, ParseTwoLocations, {"P", "P"}, ListTwoLocations},
    {op::ARC, "ARC", OperandPair, ParseArc, {"P", "R*"}, ListLocationRegister},
    {op::SFT, "SFT", SingleOperand, ParseShift, {"SR"}, ListShift},
    {op::MVF, "MVF", OperandPair, ParsePlaceWithSignal, {"P", "-"}, ListLocationSignal},
    {op::MVB, "MVB", OperandPair, ParsePlaceWithSignal, {"P", "-"}, ListLocationSignal},
    {op::SFF, "SFF", OperandPair, ParsePlaceWithSignal, {"S", "-"}, ListShiftSignal},
    {op::SFB, "SFB", OperandPair, ParsePlaceWithSignal, {"S", "-"}, ListShiftSignal},
    {op::PMV, "PMV", OperandPair, ParsePallet, {"", "R*"}, ListPallet},
    {op::PMS, "PMS", OperandPair, ParsePallet, {"", "R*"}, ListPallet},
    {op::DRP, "DRP", OperandPair, ParseWithAxisMask, {"P", kHex}, ListLocationMask},
    {op::DRS, "DRS", OperandPair, ParseWithAxisMask, {"SR", kHex}, ListShiftMask},
    {op::SPL, "SPL", SingleOperand, ParseLevel, {"R*"}, ListLevel},
    {op::UP, "UP", SingleOperand, ParseLocation, {"P"}, ListShortLocation},
    {op::MVL, "MVL", SingleOperand, ParseLocation, {"P"}, ListLocation},
    {op::VMP, "VMP", SingleOperand, ParseLevel, {"R*"}, ListRegister},
    {op::VMN, "VMN", SingleOperand, ParseLevel, {"R*"}, ListRegister},
    {op::CONT, "CONT", SingleOperand, ParseOnOff, {kAny}, ListOnOff},
    {op::IF, "IF", Comparison, ParseIf, {"RF*", kAny, kSource}, ListIf},
    {op::GOTO, "GOTO", SingleOperand, ParseGoto, {"L"}, ListGoto},
    {op::DLY, "DLY", SingleOperand, ParseValue24, {""}, ListDelay},
    {op::JMP, "JMP", OperandPair, ParseJmp, {"L", "R*"}, ListJmp},
    {op::HOME, "HOME", SingleOperand, ParseHome, {kHex}, ListHexMask},
    {op::STOP, "STOP", NoOperand, ParseNoOperand, {}, ListName},
    {op::CALL, "CALL", SingleOperand, ParseCall, {"P"}, ListCall},
    {op::RET, "RET", NoOperand, ParseNoOperand, {}, ListName},
    {op::RETC, "RETC", NoOperand, ParseNoOperand, {}, ListName},
    {op::SIGB, "SIGB", SingleOperand, ParseSigb, {"-"}, ListSigb},
    {op::SIGI, "SIGI", OperandPair, ParseSigi, {"R", ""}, ListSigi},
    {op::SIGO, "SIGO", OperandPair, ParseSigo, {"A", "RABCDEF"}, ListSigo},
    {op::JB, "JB", OperandPair, ParseJb, {"-", "PL-"}, ListJb},
    {op::WAIT, "WAIT", SingleOperand, ParseWait, {"-"}, ListWait},
    {op::TMS, "TMS", OperandPair, ParseTms, {"-", ""}, ListTms},
    {op::PWR, "PWR", OperandPair, ParsePwr, {"", kHex}, ListAxisMask},
    {op::SMV, "SMV", RegisterTriple, ParseRegisterTriple, {"R", "R", "R"}, ListRegisterTriple},
    {op::RUN, "RUN", OperandPair, ParseRun, {"P-", ""}, ListRun},
    {op::SAR, "SAR", Comparison, ParseSar, {"", "-ABCDEF", ""}, ListSar},
    {op::ACC, "ACC", OperandPair, ParseAxisValue, {"", ""}, ListAxisValue},
    {op::DCC, "DCC", OperandPair, ParseAxisValue, {"", ""}, ListAxisValue},
    {op::SPD, "SPD", OperandPair, ParseSpd, {"", "R*"}, ListSpd},
    {op::INP, "INP", SingleOperand, ParseValue24, {""}, ListInPosition},
    {op::TSPD, "TSPD", SingleOperand, ParseLevel, {"R*"}, ListRegister},
    {op::PAL, "PAL", SingleOperand, ParseLevel, {"R*"}, ListRegister},
    {op::SPLS, "SPLS", SingleOperand, ParseLevel, {"R*"}, ListLevel},
    {op::VEL, "VEL", OperandPair, ParseAxisValue, {"", ""}, ListVel},
    {op::RER, "RER", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::REP, "REP", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::REF, "REF", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::WRR, "WRR", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::WRP, "WRP", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::WRF, "WRF", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::PLC, "PLC", SingleOperand, ParseOnOff, {kAny}, ListOnOff},
    {op::RES, "RES", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::WRS, "WRS", PlcTransfer, ParsePlcTransfer, {kAny, "R", "R", "R"}, ListPlcTransfer},
    {op::SAVA, "SAVA", OperandPair, ParseSave, {"", "R*", kZeroRegister}, ListSave},
    {op::SAVS, "SAVS", OperandPair, ParseSave, {"", "R*", kZeroRegister}, ListSave},
    {op::SAVL, "SAVL", OperandPair, ParseSave, {"", "R*", kZeroRegister}, ListSave},
    {op::ADD, "ADD", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::SUB, "SUB", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::OR, "OR", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::AND, "AND", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::INC, "INC", SingleOperand, ParseStep, {"R*"}, ListStep},
    {op::DEC, "DEC", SingleOperand, ParseStep, {"R*"}, ListStep},
    {op::MUL, "MUL", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::ADF, "ADF", OperandPair, ParseFArithmetic, {"F*", "FR*"}, ListFArithmetic},
    {op::SUF, "SUF", OperandPair, ParseFArithmetic, {"F*", "FR*"}, ListFArithmetic},
    {op::MUF, "MUF", OperandPair, ParseFArithmetic, {"F*", "FR*"}, ListFArithmetic},
    {op::ROL, "ROL", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::ROR, "ROR", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::SET, "SET", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListArithmetic},
    {op::L, "L", SingleOperand, ParseLabel, {"L"}, ListLabel},
    {op::INT, "INT", OperandPair, ParseInt, {"", "LPO"}, ListInt},
    {op::HERC, "HERC", SingleOperand, ParseHomeToLocation, {"P"}, ListLocation},
    {op::HERA, "HERA", SingleOperand, ParseHomeToLocation, {"P"}, ListLocation},
    {op::CCLR, "CCLR", SingleOperand, ParseCclr, {""}, ListAxis},
    {op::LP, "LP", RegisterTriple, ParseRegisterTriple, {"R", "R", "R"}, ListRegisterTriple},
    {op::LS, "LS", RegisterTriple, ParseRegisterTriple, {"R", "R", "R"}, ListRegisterTriple},
    {op::F, "F", FSet, ParseFSet, {"-+."}, ListFSet},
    {op::LAP, "LAP", RegisterTriple, ParseRegisterTriple, {"F", "", "R"}, ListFRegisterTriple},
    {op::LAS, "LAS", RegisterTriple, ParseRegisterTriple, {"F", "", "R"}, ListFRegisterTriple},
    {op::OFF, "OFF", Offset, ParseOffset, {"-+.", "-+."}, ListOffset},
    {op::LEP, "LEP", RegisterTriple, ParseRegisterTriple, {"F", "", "R"}, ListFRegisterTriple},
    {op::LES, "LES", RegisterTriple, ParseRegisterTriple, {"F", "", "R"}, ListFRegisterTriple},
    {op::SETL, "SETL", OperandPair, ParseIntegerArithmetic, {"R*", kSource}, ListLongArithmetic},
    // Its record carries 0xFF instead, which lists as "[EOF]"; the table number itself lists as no instruction.
    {op::END_OF_PROGRAM, "[EOF]", NoOperand, ParseEndOfProgram, {}, nullptr},
};

constexpr bool InOpcodeOrder() {
  int last = -1;
  for (const Instruction& i : kInstructions) {
    if (i.opcode <= last || i.opcode >= kNoMnemonic) return false;
    last = i.opcode;
  }
  return true;
}
static_assert(InOpcodeOrder(), "one row per opcode, in order, below the empty entry");

// The row of each table number, or -1.
constexpr std::array<int, kMnemonicCount> BuildIndex() {
  std::array<int, kMnemonicCount> index{};
  index.fill(-1);
  for (std::size_t row = 0; row < std::size(kInstructions); ++row) {
    index[static_cast<std::size_t>(kInstructions[row].opcode)] = static_cast<int>(row);
  }
  return index;
}
constexpr std::array<int, kMnemonicCount> kIndex = BuildIndex();

// Fixed texts at fixed numbers, filler everywhere else, and the empty entry last.
constexpr std::array<std::string_view, kMnemonicCount> BuildMnemonicTable() {
  std::array<std::string_view, kMnemonicCount> table{};
  table.fill(kFillerMnemonic);
  for (const Instruction& i : kInstructions) table[static_cast<std::size_t>(i.opcode)] = i.mnemonic;
  table[kNoMnemonic] = "";
  return table;
}
constexpr std::array<std::string_view, kMnemonicCount> kMnemonics = BuildMnemonicTable();

// The operands an instruction of the family takes.
constexpr std::size_t OperandCount(Family family) {
  switch (family) {
    case NoOperand:
      return 0;
    case SingleOperand:
    case FSet:
      return 1;
    case OperandPair:
    case Offset:
      return 2;
    case Comparison:
    case RegisterTriple:
      return 3;
    case PlcTransfer:
      return 4;
  }
  return 0;
}

bool IsZeroRegister(std::string_view t) {
  return t.size() > 1 && t[0] == 'R' && t.find_first_not_of('0', 1) == std::string_view::npos;
}

}  // namespace

const Instruction* FindInstruction(int opcode) {
  if (opcode < 0 || opcode >= kMnemonicCount) return nullptr;
  const int row = kIndex[static_cast<std::size_t>(opcode)];
  return row < 0 ? nullptr : &kInstructions[row];
}

const std::array<std::string_view, kMnemonicCount>& MnemonicTable() { return kMnemonics; }

std::string_view MnemonicText(int opcode) {
  if (opcode < 0 || opcode >= kMnemonicCount) return {};
  return kMnemonics[static_cast<std::size_t>(opcode)];
}

int LookUpMnemonic(std::string_view token) {
  for (int i = 0; i < kNoMnemonic; ++i) {
    if (kMnemonics[static_cast<std::size_t>(i)] == token) return i;
  }
  return kNoMnemonic;
}

Parser ParserFor(int opcode) {
  const Instruction* instruction = FindInstruction(opcode);
  return instruction == nullptr ? nullptr : instruction->parse;
}

std::string SyntaxError(int opcode) {
  // Two instructions have syntax messages of their own form.
  if (opcode == op::IF) return Tr("IF_SYNTEX_ERR");
  if (opcode == op::GOTO) return Tr("GOT sysntex error");
  return Tr("{1} 명령어 Syntex Error", {MnemonicText(opcode)});
}

bool HasSurplusOperand(const ParseInput& in) {
  const Instruction& instruction = *FindInstruction(in.opcode);
  std::size_t taken = OperandCount(instruction.family);
  // "SIGO AON" and "SIGO AOFF" have no second operand.
  if (in.opcode == op::SIGO && in.token(2).starts_with('A')) taken = 1;
  // A field the compiler always leaves 0 but the listing shows (SAVA's third, as R000) may be typed back.
  if (taken < instruction.forms.size() && instruction.forms[taken] == kZeroRegister &&
      IsZeroRegister(in.token(taken + 2))) {
    ++taken;
  }
  for (std::size_t n = taken + 2; n <= kTokenCount; ++n) {
    if (!in.token(n).empty()) return true;
  }
  return false;
}

bool OperandsTakeTheirForms(const ParseInput& in) {
  const OperandForms& forms = FindInstruction(in.opcode)->forms;
  for (std::size_t k = 0; k < forms.size(); ++k) {
    const char first = CharAt(in.token(k + 2), 1);
    const std::string_view starts = forms[k];
    // Whole words and the zero register are checked by the parser and by the surplus check.
    if (first == '\0' || starts == kAny || starts == kZeroRegister || IsDigitChar(first)) continue;
    if (starts.find(first) == std::string_view::npos) return false;
  }
  return true;
}

}  // namespace zova::language
