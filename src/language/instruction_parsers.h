// The instruction parsers of the compiler, one per family, and the table that picks the family of a mnemonic.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "language/instruction_record.h"
#include "language/scanner.h"
#include "link/translation.h"

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

// Family parsers.
Parsed ParseNoOperand(const ParseInput& in);
Parsed ParseSingleOperand(const ParseInput& in);
Parsed ParseOperandPair(const ParseInput& in);
Parsed ParseComparison(const ParseInput& in);
Parsed ParseRegisterTriple(const ParseInput& in);
Parsed ParsePlcTransfer(const ParseInput& in);
Parsed ParseFSet(const ParseInput& in);
Parsed ParseOffset(const ParseInput& in);

// Parsers of the operand-pair family, split by kind of operand.
Parsed ParseMotionPair(const ParseInput& in);      // 3..6, 8..15
Parsed ParseArithmeticPair(const ParseInput& in);  // 145..148, 151..156, 177, 191

// The parser of a mnemonic number, or nullptr for numbers without an instruction.
[[nodiscard]] Parser ParserFor(int opcode);

}  // namespace zova::language
