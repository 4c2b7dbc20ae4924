// The instruction parsers of the compiler and what they share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "language/instruction_record.h"
#include "language/scanner.h"
#include "base/translation.h"

namespace zova::language {

// What every parser sees: the mnemonic's number, the tokens and the machine configuration.
struct ParseInput {
  int opcode = 0;
  const Tokens& tokens;
  int axes = 6;         // configured axis count, 2..6
  int machineType = 0;  // PLC family, 0..2
  bool singleLine = false;

  [[nodiscard]] std::string_view token(std::size_t n) const { return tokens[n - 1]; }  // 1-based
};

// A record, or the message of the first check that failed.
struct Parsed {
  std::optional<Record> record;
  std::string message;
};

[[nodiscard]] inline Parsed Accept(Record record) { return {record, {}}; }
[[nodiscard]] inline Parsed Reject(std::string message) { return {std::nullopt, std::move(message)}; }

// Character n (1-based) of a token, or '\0' past its end.
[[nodiscard]] inline char CharAt(std::string_view token, std::size_t n) {
  return n >= 1 && n <= token.size() ? token[n - 1] : '\0';
}
[[nodiscard]] inline bool IsDigitChar(char c) { return c >= '0' && c <= '9'; }
[[nodiscard]] inline bool InRange(std::int64_t v, std::int64_t low, std::int64_t high) { return v >= low && v <= high; }

// "MVE 명령어 Syntex Error": the message of an operand that has no limit message of its own.
[[nodiscard]] std::string SyntaxError(int opcode);

using Parser = Parsed (*)(const ParseInput&);

// True when the line holds an operand beyond those its instruction takes: nothing would read it.
[[nodiscard]] bool HasSurplusOperand(const ParseInput& in);

// False when an operand begins with a character none of its forms begins with.
[[nodiscard]] bool OperandsTakeTheirForms(const ParseInput& in);

// The parsers of the instructions; the instruction set names which parser reads which instruction.
// parse_single_operand.cpp
Parsed ParseNoOperand(const ParseInput& in);
Parsed ParseEndOfProgram(const ParseInput& in);
Parsed ParseLocation(const ParseInput& in);
Parsed ParseShift(const ParseInput& in);
Parsed ParseLevel(const ParseInput& in);
Parsed ParseGoto(const ParseInput& in);
Parsed ParseValue24(const ParseInput& in);
Parsed ParseHome(const ParseInput& in);
Parsed ParseCall(const ParseInput& in);
Parsed ParseOnOff(const ParseInput& in);
Parsed ParseSigb(const ParseInput& in);
Parsed ParseWait(const ParseInput& in);
Parsed ParseStep(const ParseInput& in);
Parsed ParseLabel(const ParseInput& in);
Parsed ParseHomeToLocation(const ParseInput& in);
Parsed ParseCclr(const ParseInput& in);
// parse_operand_pair.cpp
Parsed ParseJmp(const ParseInput& in);
Parsed ParseSigi(const ParseInput& in);
Parsed ParseSigo(const ParseInput& in);
Parsed ParseJb(const ParseInput& in);
Parsed ParseTms(const ParseInput& in);
Parsed ParsePwr(const ParseInput& in);
Parsed ParseRun(const ParseInput& in);
Parsed ParseAxisValue(const ParseInput& in);
Parsed ParseSpd(const ParseInput& in);
Parsed ParseSave(const ParseInput& in);
Parsed ParseInt(const ParseInput& in);
// parse_motion_pair.cpp
Parsed ParseMva(const ParseInput& in);
Parsed ParseArc(const ParseInput& in);
Parsed ParseTwoLocations(const ParseInput& in);
Parsed ParsePlaceWithSignal(const ParseInput& in);
Parsed ParsePallet(const ParseInput& in);
Parsed ParseWithAxisMask(const ParseInput& in);
// parse_arithmetic.cpp
Parsed ParseIntegerArithmetic(const ParseInput& in);
Parsed ParseFArithmetic(const ParseInput& in);
// parse_comparison.cpp
Parsed ParseIf(const ParseInput& in);
Parsed ParseSar(const ParseInput& in);
// parse_register_forms.cpp
Parsed ParseRegisterTriple(const ParseInput& in);
Parsed ParsePlcTransfer(const ParseInput& in);
Parsed ParseFSet(const ParseInput& in);
Parsed ParseOffset(const ParseInput& in);

// The parser of a mnemonic number, or nullptr for numbers without an instruction.
[[nodiscard]] Parser ParserFor(int opcode);

}  // namespace zova::language
