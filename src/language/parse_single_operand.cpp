// Parsers of the instructions without operands and with one operand.
#include <string>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

// SIGB, WAIT: a signal number whose "-" selects the off condition.
Parsed ParseSignedSignal(const ParseInput& in, std::int64_t highest, const char* message) {
  const std::int64_t n = SignedRead(in.token(2));
  const std::int64_t magnitude = n < 0 ? -n : n;
  if (!InRange(magnitude, 1, highest)) return Reject(Tr(message));
  return Accept(Encode(in.opcode, n < 0 ? 0x01 : 0x00, U(magnitude)));
}

// A plain decimal operand with one range.
Parsed ParseBounded(const ParseInput& in, std::int64_t low, std::int64_t high, const char* message, int mode = 0) {
  const std::int64_t n = DecimalRead(in.token(2));
  if (!InRange(n, low, high)) return Reject(Tr(message));
  return Accept(Encode(in.opcode, mode, U(n)));
}

}  // namespace

// MVE, MVS, UP, MVL: P12 direct, P(R12) and P(*12) through a register.
Parsed ParseLocation(const ParseInput& in) {
  const std::string_view t = in.token(2);
  const std::int64_t n = DecimalRead(t);
  int mode = 0x10;
  if (CharAt(t, 2) == '(') {
    if (n > 999) return Reject(Tr("REG 번호 초과"));
    mode = t.starts_with("P(*") ? 0x20 : 0x00;
  } else {
    if (!IsDigitChar(CharAt(t, 2))) return Reject(SyntaxError(in.opcode));
    if (n > 2500) return Reject(Tr("LOC 번호 초과"));
  }
  return Accept(Encode(in.opcode, mode, U(n)));
}

// SFT: S12 direct, S(R12), S(*12), and a plain R12.
Parsed ParseShift(const ParseInput& in) {
  const std::string_view t = in.token(2);
  const std::int64_t n = DecimalRead(t);
  int mode = 0x10;
  if (CharAt(t, 2) == '(') {
    if (n > 999) return Reject(Tr("REG 번호 초과"));
    mode = t.starts_with("S(*") ? 0x20 : 0x00;
  } else if (CharAt(t, 1) == 'R') {
    if (n > 999) return Reject(Tr("REG 번호 초과"));
    mode = 0x30;
  } else {
    if (!IsDigitChar(CharAt(t, 2))) return Reject(SyntaxError(in.opcode));
    if (n > 999) return Reject(Tr("SFT 번호 초과"));
  }
  return Accept(Encode(in.opcode, mode, U(n)));
}

// SPL, VMP, VMN, TSPD, PAL, SPLS: Rn, *n or a direct value.
Parsed ParseLevel(const ParseInput& in) {
  const std::string_view t = in.token(2);
  const std::int64_t n = DecimalRead(t);
  const char first = CharAt(t, 1);
  if (first == 'R' || first == '*') {
    if (n > 999) return Reject(Tr("REG 번호가 큼"));
    return Accept(Encode(in.opcode, first == 'R' ? 0x00 : 0x20, U(n)));
  }
  if (!IsDigitChar(first)) return Reject(SyntaxError(in.opcode));
  switch (in.opcode) {
    case op::SPL:
    case op::SPLS:
      if (n > 10) return Reject(Tr("SPL 번호가 큼"));
      break;
    case op::PAL:
      if (n > 100) return Reject(Tr("PAL 번호가 큼"));
      break;
    default:
      if (n > 100) return Reject(Tr("SPD 번호가 큼"));
      break;
  }
  return Accept(Encode(in.opcode, 0x10, U(n)));
}

// HERC, HERA: P12 direct, P(R12), P(*12).
Parsed ParseHomeToLocation(const ParseInput& in) {
  const std::string_view t = in.token(2);
  const std::int64_t n = DecimalRead(t);
  if (CharAt(t, 2) != '(') {
    if (n > 2500) return Reject(Tr("HERC MAX_LOC_LMT_OVER"));
    return Accept(Encode(in.opcode, 0x10, U(n)));
  }
  if (n > 999) return Reject(Tr("HERC MAX_REG_LMT_OVER"));
  return Accept(Encode(in.opcode, CharAt(t, 3) == '*' ? 0x20 : 0x00, U(n)));
}

Parsed ParseNoOperand(const ParseInput& in) { return Accept(Encode(in.opcode, 0, 0)); }

Parsed ParseEndOfProgram(const ParseInput&) { return Accept(kEndRecord); }

Parsed ParseGoto(const ParseInput& in) {
  if (CharAt(in.token(2), 1) != 'L') return Reject(Tr("GOT sysntex error"));
  return ParseBounded(in, 0, 50, TrMark("LEVEL 번호가 큼"));
}

// DLY, INP: a 24-bit value.
Parsed ParseValue24(const ParseInput& in) {
  const std::int64_t n = DecimalRead(in.token(2));
  if (in.opcode == op::DLY && n > 999999) return Reject(Tr("DLY Data Range OVer"));
  if (in.opcode == op::INP && n > 900000) return Reject(Tr("IN-POSITION 값 큼"));
  return Accept(EncodeValue24(in.opcode, U(n)));
}

Parsed ParseHome(const ParseInput& in) {
  // The mask fills the 16-bit field a; no limit of its own is checked.
  const std::int64_t mask = HexRead(in.token(2));
  if (mask > 0xFFFF) return Reject(SyntaxError(in.opcode));
  return Accept(Encode(in.opcode, 0, U(mask)));
}

Parsed ParseCall(const ParseInput& in) { return ParseBounded(in, 0, 32, TrMark("FILE 번호가 큼")); }

// CONT, PLC: a missing operand means ON; any word but ON and OFF says neither.
Parsed ParseOnOff(const ParseInput& in) {
  const std::string_view t = in.token(2);
  if (t == "OFF") return Accept(Encode(in.opcode, 0x00, 0));
  if (t == "ON" || t.empty()) return Accept(Encode(in.opcode, 0x01, 0));
  return Reject(SyntaxError(in.opcode));
}

Parsed ParseSigb(const ParseInput& in) { return ParseSignedSignal(in, 56, TrMark("출력신호값 OVER")); }

Parsed ParseWait(const ParseInput& in) { return ParseSignedSignal(in, 48, TrMark("WAIT 입력신호값 OVER")); }

// INC, DEC: Rn or *n.
Parsed ParseStep(const ParseInput& in) {
  return ParseBounded(in, 0, 999, TrMark("MAX_REG_LMT_OVER"), CharAt(in.token(2), 1) == '*' ? 0x01 : 0x00);
}

Parsed ParseLabel(const ParseInput& in) { return ParseBounded(in, 0, 50, TrMark("MAX_LABEL_LMT_OVER")); }

Parsed ParseCclr(const ParseInput& in) { return ParseBounded(in, 1, in.axes, TrMark("CCLR-MAX_AXIS_LMT_OVER")); }

}  // namespace zova::language
