// Parsers of the register triples (SMV, LP, LS, LAP, LAS, LEP, LES), the PLC transfers, "F" and "OFF".
#include <limits>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"
#include "language/plc_devices.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

// Word 2 of "F" and "OFF" is a 32-bit magnitude; larger values would wrap, so they are refused.
constexpr std::int64_t kMaxScaledValue = std::numeric_limits<std::int32_t>::max();

}  // namespace

Parsed ParseRegisterTriple(const ParseInput& in) {
  const std::int64_t a = DecimalRead(in.token(2));
  const std::int64_t b = DecimalRead(in.token(3));
  const std::int64_t c = DecimalRead(in.token(4));
  const bool fRegisterForm =
      in.opcode == op::LAP || in.opcode == op::LAS || in.opcode == op::LEP || in.opcode == op::LES;
  if (fRegisterForm) {
    if (a > 99) return Reject(Tr("MAX_FREG_LMT_OVER"));
    if (!InRange(b, 1, in.axes)) return Reject(Tr("MAX_AXIS_LMT_OVER"));
  } else {
    if (a > 999 || b > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
  }
  if (c > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
  return Accept(Encode(in.opcode, 0, U(a), U(b), U(c)));
}

Parsed ParsePlcTransfer(const ParseInput& in) {
  const std::optional<int> device = PlcDeviceCode(in.token(2), in.machineType);
  if (!device) return Reject(SyntaxError(in.opcode));
  const std::int64_t a = DecimalRead(in.token(3));
  const std::int64_t b = DecimalRead(in.token(4));
  const std::int64_t c = DecimalRead(in.token(5));
  if (a > 999 || b > 999 || c > 999) return Reject(Tr("MAX_REG_LMT_OVER"));
  return Accept(Encode(in.opcode, *device << 4, U(a), U(b), U(c)));
}

Parsed ParseFSet(const ParseInput& in) {
  const ScaledValue value = ValueRead(in.token(2), 2);
  const std::int64_t reg = DigitsRead(in.token(1), kTokenLength);
  // The console's single-line form reaches only F0..F15.
  if (reg > (in.singleLine ? 15 : 99)) return Reject(Tr("FSET COMM REG. 번호 초과"));
  if (!value.asTyped || value.magnitude > kMaxScaledValue) return Reject(Tr("FSET VALUE LIMIT"));
  const int sign = value.negative && value.magnitude != 0 ? 0x01 : 0x00;
  return Accept(EncodeWholeWord2(in.opcode, sign, U(reg), U(value.magnitude)));
}

Parsed ParseOffset(const ParseInput& in) {
  const ScaledValue axis = ValueRead(in.token(2), 0);
  if (!axis.asTyped || !InRange(axis.value(), 1, 6)) return Reject(Tr("MAX AXIS LIMIT"));
  const ScaledValue value = ValueRead(in.token(3), 2);
  if (!value.asTyped || value.magnitude > kMaxScaledValue) return Reject(Tr("OFF VALUE LIMIT"));
  const int sign = value.negative && value.magnitude != 0 ? 0x01 : 0x00;
  return Accept(EncodeWholeWord2(in.opcode, sign, U(axis.value()), U(value.magnitude)));
}

}  // namespace zova::language
