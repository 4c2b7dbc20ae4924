// Parsers of the comparison family: IF (operand, comparison, operand) and SAR (register, value, count).
#include <optional>

#include "language/instruction_parsers.h"
#include "language/number_readers.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

// The mode of a comparison sign; nothing for any other word, which would otherwise read as ">".
std::optional<int> ComparisonMode(std::string_view t) {
  if (t == ">") return 0x00;
  if (t == "=") return 0x40;
  if (t == "<") return 0x80;
  if (t == "!") return 0xC0;
  return std::nullopt;
}

}  // namespace

Parsed ParseIf(const ParseInput& in) {
  const std::string_view first = in.token(2);
  const std::string_view second = in.token(4);
  const char firstKind = CharAt(first, 1);
  const std::int64_t a = DecimalRead(first);
  const std::optional<int> comparison = ComparisonMode(in.token(3));
  // A first operand is R12, *12, F12 or a bare register number; another letter names none of them.
  const bool firstKnown = firstKind == '*' || firstKind == 'F' || firstKind == 'R' || IsDigitChar(firstKind);
  if (!comparison || !firstKnown) return Reject(SyntaxError(in.opcode));
  int mode = firstKind == '*' ? 0x10 : firstKind == 'F' ? 0x20 : 0x00;
  mode |= *comparison;

  const bool hex = IsHexOperand(second, 2, 5);
  const std::int64_t b = hex ? HexRead(second) : DecimalRead(second);

  if (firstKind == 'F' && a > 99) return Reject(Tr("MAX_FREG_LMT_OVER"));
  if (firstKind != '*' && firstKind != 'R') {
    if (b > 32767) return Reject(Tr("IF_SYNTEX_ERR"));
  }
  // A bare number names an R register too, so it has the register range.
  if (firstKind != 'F' && a > 999) return Reject(Tr("MAX_REG_LMT_OVER"));

  const char secondKind = CharAt(second, 1);
  if (secondKind == 'F' && IsDigitChar(CharAt(second, 2))) {
    if (b > 99) return Reject(Tr("MAX_FREG_LMT_OVER"));
    mode |= 0x04;
  } else if (secondKind == 'R' || secondKind == '*') {
    if (b > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
    mode |= secondKind == 'R' ? 0x00 : 0x03;
  } else {
    if (!hex && !IsDigitChar(secondKind) && secondKind != '-') return Reject(SyntaxError(in.opcode));
    if (b > 32767) return Reject(Tr("MAX_HEX_LMT_OVER"));
    mode |= hex ? 0x01 : 0x02;
  }
  return Accept(Encode(in.opcode, mode, U(a), U(b)));
}

Parsed ParseSar(const ParseInput& in) {
  const std::string_view value = in.token(3);
  // The value is kept as a 16-bit pattern; a leading "-" travels as a flag of its own.
  const bool negative = CharAt(value, 1) == '-';
  const std::int64_t reg = DecimalRead(in.token(2));
  const std::int64_t pattern = HexRead(negative ? value.substr(1) : value);
  // Register and value fill 16-bit fields and have no limit messages of their own.
  if (reg > 0xFFFF || pattern > 0xFFFF) return Reject(SyntaxError(in.opcode));
  const std::int64_t count = DecimalRead(in.token(4));
  if (!InRange(count, 1, 100)) return Reject(Tr("SAR-MAX_SAR_LMT_OVER"));
  return Accept(Encode(in.opcode, negative ? 0x80 : 0x00, U(reg), U(pattern), U(count)));
}

}  // namespace zova::language
