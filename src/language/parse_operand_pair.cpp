// Parsers of the operand-pair family outside motion and arithmetic: flow, signals, speeds, saves, interrupts.
#include <string>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }
std::int64_t Magnitude(std::int64_t v) { return v < 0 ? -v : v; }

}  // namespace

Parsed ParseJmp(const ParseInput& in) {
  const std::int64_t label = DecimalRead(in.token(2));
  if (label > 50) return Reject(Tr("JMP-MAX_LABEL_LMT_OVER"));
  const std::string_view t = in.token(3);
  const std::int64_t count = DecimalRead(t);
  const char first = CharAt(t, 1);
  if (first == 'R' || first == '*') {
    if (count > 999) return Reject(Tr("JMP-MAX_REG_LMT_OVER"));
    return Accept(Encode(in.opcode, first == 'R' ? 0x00 : 0x02, U(label), U(count)));
  }
  if (count > 255) return Reject(Tr("JMP-MAX_JMP_LMT_OVER"));
  return Accept(Encode(in.opcode, 0x01, U(label), U(count)));
}

Parsed ParseSigi(const ParseInput& in) {
  const std::int64_t reg = DecimalRead(in.token(2));
  if (reg > 999) return Reject(Tr("SIGI-MAX_REG_LMT_OVER"));
  const std::int64_t port = DecimalRead(in.token(3));
  if (!InRange(port, 1, 6)) return Reject(Tr("SIGI-MAX_IN_PORT_LMT_OVER"));
  return Accept(Encode(in.opcode, 0, U(reg), U(port)));
}

Parsed ParseSigo(const ParseInput& in) {
  const std::string_view port = in.token(2);
  if (port == "AON") return Accept(Encode(in.opcode, 0x03, 0, 0));
  if (port == "AOFF") return Accept(Encode(in.opcode, 0x04, 0, 0));
  const std::string_view t = in.token(3);
  const bool viaRegister = CharAt(t, 1) == 'R';
  const bool hex = !viaRegister && IsHexOperand(t, 2, 3);
  const std::int64_t value = hex ? HexRead(t) : DecimalRead(t);
  const std::int64_t n = DecimalRead(port);
  if (!InRange(n, 1, 7)) return Reject(Tr("SIGO-MAX_OUT_PORT_LMT_OVER"));
  if (viaRegister) {
    if (value > 999) return Reject(Tr("SIGO-MAX_REG_LMT_OVER"));
    return Accept(Encode(in.opcode, 0x00, U(n), U(value)));
  }
  if (value > 32767) return Reject(Tr("SIGO-MAX_HEX_LMT_OVER"));
  return Accept(Encode(in.opcode, hex ? 0x01 : 0x02, U(n), U(value)));
}

Parsed ParseJb(const ParseInput& in) {
  const std::int64_t input = SignedRead(in.token(2));
  const std::string_view t = in.token(3);
  const std::int64_t target = SignedRead(t);
  if (!InRange(Magnitude(input), 1, 48)) return Reject(Tr("JB-MAX_SIG_LMT_OVER"));
  int mode = input < 0 ? 0x10 : 0x00;
  std::int64_t b = target;
  switch (CharAt(t, 1)) {
    case 'P':
      if (!InRange(target, 0, 31)) return Reject(Tr("JB-MAX_FILE_LMT_OVER"));
      mode |= 0x01;
      break;
    case 'L':
      if (!InRange(target, 0, 50)) return Reject(Tr("JB-MAX_LABEL_LMT_OVER"));
      break;
    default:
      if (!InRange(Magnitude(target), 1, 56)) return Reject(Tr("JB-MAX_SIG_LMT_OVER"));
      mode |= target < 0 ? 0x03 : 0x02;
      b = Magnitude(target);
      break;
  }
  return Accept(Encode(in.opcode, mode, U(Magnitude(input)), U(b)));
}

Parsed ParseTms(const ParseInput& in) {
  const std::int64_t input = SignedRead(in.token(2));
  if (!InRange(Magnitude(input), 1, 48)) return Reject(Tr("TMS-MAX_SIG_LMT_OVER"));
  const std::int64_t time = DecimalRead(in.token(3));
  if (time > 9999) return Reject(Tr("TMS-MAX_TMS_LMT_OVER"));
  // A negated input travels as n + 255.
  const std::int64_t a = input < 0 ? -input + 255 : input;
  return Accept(Encode(in.opcode, 0, U(a), U(time)));
}

Parsed ParsePwr(const ParseInput& in) {
  const std::int64_t mask = HexRead(in.token(3));
  const std::int64_t state = DecimalRead(in.token(2));
  if (state > 1) return Reject(Tr("PWR_LMT_OVER(0~1)"));
  if (!InRange(mask, 1, 63)) return Reject(Tr("PWR-MAX_AXIS_LMT_OVER"));
  return Accept(Encode(in.opcode, 0, U(state), U(mask)));
}

Parsed ParseRun(const ParseInput& in) {
  const std::int64_t program = SignedRead(in.token(2));
  if (!InRange(program, 0, 32)) return Reject(Tr("RUN-MAX_FILE_LMT_OVER"));
  const std::int64_t task = DecimalRead(in.token(3));
  if (task > 4) return Reject(Tr("RUN-MAX_RUN_TASK_NUM"));
  return Accept(Encode(in.opcode, 0, U(program), U(task)));
}

// ACC, DCC, VEL: an axis and a value.
Parsed ParseAxisValue(const ParseInput& in) {
  const std::string name(MnemonicText(in.opcode));
  const std::int64_t axis = DecimalRead(in.token(2));
  if (!InRange(axis, 1, in.axes)) return Reject(Tr("{1}-MAX_AXIS_LMT_OVER", {name}));
  const std::int64_t value = DecimalRead(in.token(3));
  if (in.opcode == op::VEL) {
    if (!InRange(value, 1, 30000)) return Reject(Tr("VEL-MAX_VEL_LMT_OVER"));
  } else if (value > 20000) {
    return Reject(Tr("ACCDCC-MAX_ACCDCC_LMT_OVER"));
  }
  return Accept(Encode(in.opcode, 0, U(axis), U(value)));
}

Parsed ParseSpd(const ParseInput& in) {
  const std::int64_t axis = DecimalRead(in.token(2));
  if (!InRange(axis, 1, in.axes)) return Reject(Tr("AX_NUM_ERR"));
  const std::string_view t = in.token(3);
  const std::int64_t speed = DecimalRead(t);
  const char first = CharAt(t, 1);
  if (first == 'R' || first == '*') {
    if (speed > 999) return Reject(Tr("REG 번호가 큼"));
    return Accept(Encode(in.opcode, first == 'R' ? 0x00 : 0x20, U(axis), U(speed)));
  }
  if (!InRange(speed, 1, 100)) return Reject(Tr("SPD 번호가 큼"));
  return Accept(Encode(in.opcode, 0x10, U(axis), U(speed)));
}

// SAVA, SAVS, SAVL: the third field c stays 0.
Parsed ParseSave(const ParseInput& in) {
  const std::string name(MnemonicText(in.opcode));
  const std::int64_t value = DecimalRead(in.token(2));
  if (value > 99) return Reject(Tr("{1}-MAX_Val_OVER(0~99)", {name}));
  const std::string_view t = in.token(3);
  const std::int64_t reg = DecimalRead(t);
  if (reg > 999) return Reject(Tr("{1}-MAX_REG_LMT_OVER(0~999)", {name}));
  const char first = CharAt(t, 1);
  const int mode = first == 'R' ? 0x00 : first == '*' ? 0x20 : 0x10;
  return Accept(Encode(in.opcode, mode, U(value), U(reg)));
}

Parsed ParseInt(const ParseInput& in) {
  const std::int64_t number = DecimalRead(in.token(2));
  if (!InRange(number, 1, 3)) return Reject(Tr("MAX_INT_LMT_OVER"));
  const std::string_view t = in.token(3);
  const std::int64_t target = DecimalRead(t);
  switch (CharAt(t, 1)) {
    case 'L':
      if (target > 50) return Reject(Tr("MAX_LABEL_LMT_OVER"));
      return Accept(Encode(in.opcode, 0x01, U(number), U(target)));
    case 'P':
      if (target > 31) return Reject(Tr("MAX_FILE_LMT_OVER"));
      return Accept(Encode(in.opcode, 0x02, U(number), U(target)));
    default:
      if (t != "OFF") return Reject(SyntaxError(in.opcode));
      return Accept(Encode(in.opcode, 0x00, U(number), 0));
  }
}

}  // namespace zova::language
