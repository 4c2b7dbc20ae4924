// Parsers of the register arithmetic: ADD, SUB, OR, AND, MUL, ROL, ROR, SET, SETL and the F-register forms ADF,
// SUF, MUF.
#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

bool IsFRegister(std::string_view t) { return CharAt(t, 1) == 'F' && IsDigitChar(CharAt(t, 2)); }

}  // namespace

Parsed ParseIntegerArithmetic(const ParseInput& in) {
  const bool setl = in.opcode == op::SETL;
  const std::string_view destination = in.token(2);
  const std::string_view source = in.token(3);
  const bool hex = IsHexOperand(source, 2, setl ? 9 : 5);
  // A four-digit hexadecimal constant is a 16-bit pattern: 8000H and above would be negative, and the
  // 0..32767 check below refuses them.
  const std::int64_t value = hex ? HexRead(source) : DecimalRead(source);

  const std::int64_t a = DecimalRead(destination);
  const char target = CharAt(destination, 1);
  // The destination is R12, *12 or a bare register number; a constant is digits or hexadecimal with "H".
  if (target != 'R' && target != '*' && !IsDigitChar(target)) return Reject(SyntaxError(in.opcode));
  if (a > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
  int mode = target == '*' ? 0x80 : 0x00;

  const char kind = CharAt(source, 1);
  if (IsFRegister(source)) {
    if (!InRange(value, 0, 99)) return Reject(Tr("MAX_FREG_LMT_OVER"));
    mode |= 0x40;
  } else if (kind == 'R' || kind == '*') {
    if (!InRange(value, 0, 999)) return Reject(Tr("MAX_REG_LMT_OVER"));
    mode |= kind == 'R' ? 0x00 : 0x30;
  } else if (!hex && !IsDigitChar(kind) && kind != '-') {  // a negative constant fails the range below
    return Reject(SyntaxError(in.opcode));
  } else if (setl) {
    if (!InRange(value, 0, 999999999)) return Reject(Tr("MAX_Long_Value_LMT_OVER"));
    mode |= hex ? 0x10 : 0x20;
  } else {
    if (!InRange(value, 0, 32767)) return Reject(Tr("MAX_Integer_Value_LMT_OVER"));
    mode |= hex ? 0x10 : 0x20;
  }
  if (setl) return Accept(EncodeWholeWord2(in.opcode, mode, U(a), U(value)));
  return Accept(Encode(in.opcode, mode, U(a), U(value)));
}

Parsed ParseFArithmetic(const ParseInput& in) {
  const std::string_view destination = in.token(2);
  const std::string_view source = in.token(3);
  const std::int64_t a = DecimalRead(destination);
  const std::int64_t b = DecimalRead(source);
  int mode = 0x00;
  const char target = CharAt(destination, 1);
  const char kind = CharAt(source, 1);
  // Both operands name F, R or * registers only.
  if ((target != '*' && target != 'F') || (kind != 'F' && kind != 'R' && kind != '*')) {
    return Reject(SyntaxError(in.opcode));
  }
  if (target == '*') {
    if (a > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
    mode = 0x80;
  } else if (a > 99) {
    return Reject(Tr("MAX_FREG_LMT_OVER"));
  }
  if (kind == 'R' || kind == '*') {
    if (b > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
    mode |= kind == 'R' ? 0x20 : 0x10;
  } else if (b > 99) {
    return Reject(Tr("MAX_FREG_LMT_OVER"));
  }
  return Accept(Encode(in.opcode, mode, U(a), U(b)));
}

}  // namespace zova::language
