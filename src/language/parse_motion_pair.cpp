// Parsers of the two-operand motion instructions: MVA, MVC, CIR, ARC, MVF, MVB, SFF, SFB, PMV, PMS, DRP, DRS.
#include <string>

#include "language/instruction_parsers.h"
#include "language/mnemonic_table.h"
#include "language/number_readers.h"

namespace zova::language {
namespace {

std::uint32_t U(std::int64_t v) { return static_cast<std::uint32_t>(v); }

// Mode values of one operand: through R, direct, through *.
struct Modes {
  int reg;
  int direct;
  int indirect;
};
constexpr Modes kFirstOperand{0x00, 0x40, 0x80};
constexpr Modes kSecondOperand{0x00, 0x10, 0x20};

struct Operand {
  std::int64_t value;
  int mode;
};

// A location or shift written P12 / P(R12) / P(*12) (or with "S"); the register forms are recognised by their
// first three characters.
std::optional<Operand> ReadPlace(std::string_view t, char letter, const Modes& modes, std::int64_t directHigh,
                                 std::string& message, const std::string& regMessage, const std::string& highMessage) {
  const std::int64_t n = DecimalRead(t);
  const bool viaRegister =
      CharAt(t, 1) == letter && CharAt(t, 2) == '(' && (CharAt(t, 3) == 'R' || CharAt(t, 3) == '*');
  if (viaRegister) {
    if (n > 999) {
      message = regMessage;
      return std::nullopt;
    }
    return Operand{n, CharAt(t, 3) == 'R' ? modes.reg : modes.indirect};
  }
  if (n > directHigh) {
    message = highMessage;
    return std::nullopt;
  }
  return Operand{n, modes.direct};
}

// A value written Rn, *n or directly.
std::optional<Operand> ReadValue(std::string_view t, const Modes& modes, std::int64_t low, std::int64_t high,
                                 std::string& message, const std::string& regMessage, const std::string& highMessage) {
  const std::int64_t n = DecimalRead(t);
  const char first = CharAt(t, 1);
  if (first == 'R' || first == '*') {
    if (n > 999) {
      message = regMessage;
      return std::nullopt;
    }
    return Operand{n, first == 'R' ? modes.reg : modes.indirect};
  }
  if (!InRange(n, low, high)) {
    message = highMessage;
    return std::nullopt;
  }
  return Operand{n, modes.direct};
}

}  // namespace

Parsed ParseMva(const ParseInput& in) {
  std::string message;
  const auto place =
      ReadPlace(in.token(2), 'P', kFirstOperand, 2500, message, Tr("MA1-MAX_REG_LMT_OVER"), Tr("MA1-MAX_LOC_LMT_OVER"));
  if (!place) return Reject(message);
  const auto arch =
      ReadValue(in.token(3), kSecondOperand, 1, 100, message, Tr("MA2-MAX_REG_LMT_OVER"), Tr("MA2-MAX_ARCH_LMT_OVER"));
  if (!arch) return Reject(message);
  return Accept(Encode(in.opcode, place->mode | arch->mode, U(place->value), U(arch->value)));
}

Parsed ParseArc(const ParseInput& in) {
  std::string message;
  const auto place =
      ReadPlace(in.token(2), 'P', kFirstOperand, 2500, message, Tr("ARC-MAX_REG_LMT_OVER"), Tr("ARC-MAX_LOC_LMT_OVER"));
  if (!place) return Reject(message);
  const auto value =
      ReadValue(in.token(3), kSecondOperand, 0, 2000, message, Tr("ARC-MAX_REG_LMT_OVER"), Tr("ARC-MAX_ARC_LMT_OVER"));
  if (!value) return Reject(message);
  return Accept(Encode(in.opcode, place->mode | value->mode, U(place->value), U(value->value)));
}

// MVC, CIR: two locations.
Parsed ParseTwoLocations(const ParseInput& in) {
  const std::string name(MnemonicText(in.opcode));
  const std::string regMessage = Tr("{1}-MAX_REG_LMT_OVER", {name});
  const std::string locMessage = Tr("{1}-MAX_LOC_LMT_OVER", {name});
  std::string message;
  const auto first = ReadPlace(in.token(2), 'P', kFirstOperand, 2500, message, regMessage, locMessage);
  if (!first) return Reject(message);
  const auto second = ReadPlace(in.token(3), 'P', kSecondOperand, 2500, message, regMessage, locMessage);
  if (!second) return Reject(message);
  return Accept(Encode(in.opcode, first->mode | second->mode, U(first->value), U(second->value)));
}

// MVF, MVB (locations) and SFF, SFB (shifts), each with a signal whose "-" selects the off condition.
Parsed ParsePlaceWithSignal(const ParseInput& in) {
  const bool shift = in.opcode == op::SFF || in.opcode == op::SFB;
  const std::int64_t signal = SignedRead(in.token(3));
  std::string message;
  const auto place = shift ? ReadPlace(in.token(2), 'S', kFirstOperand, 999, message, Tr("SFF/SFB-MAX_REG_LMT_OVER"),
                                       Tr("SFF/SFB-MAX_SFT_LMT_OVER"))
                           : ReadPlace(in.token(2), 'P', kFirstOperand, 2500, message, Tr("MVF/MVB-MAX_REG_LMT_OVER"),
                                       Tr("MVF/MVB-MAX_LOC_LMT_OVER"));
  if (!place) return Reject(message);
  const std::int64_t magnitude = signal < 0 ? -signal : signal;
  if (!InRange(magnitude, 1, 48)) return Reject(shift ? Tr("SF-MAX_SIG_LMT_OVER") : Tr("MVF/MVB-MAX_SIG_LMT_OVER"));
  const int mode = place->mode | (signal < 0 ? 0x10 : 0x00);
  return Accept(Encode(in.opcode, mode, U(place->value), U(magnitude)));
}

// PMV, PMS: pallet and point.
Parsed ParsePallet(const ParseInput& in) {
  const std::int64_t pallet = DecimalRead(in.token(2));
  if (!InRange(pallet, 1, 100)) return Reject(Tr("PM/PS-MAX_PAL_LMT_OVER"));
  std::string message;
  const auto point = ReadValue(in.token(3), kFirstOperand, 0, 9999, message, Tr("PM/PS-MAX_REG_LMT_OVER"),
                               Tr("PM/PS-MAX_PAL_LMT_OVER"));
  if (!point) return Reject(message);
  return Accept(Encode(in.opcode, point->mode, U(pallet), U(point->value)));
}

// DRP (location) and DRS (shift) with a hexadecimal axis mask.
Parsed ParseWithAxisMask(const ParseInput& in) {
  const bool shift = in.opcode == op::DRS;
  const std::string_view t = in.token(2);
  const std::int64_t mask = HexRead(in.token(3));
  const std::int64_t n = DecimalRead(t);
  int mode = 0x10;
  if (CharAt(t, 3) == 'R' || CharAt(t, 3) == '*' || (shift && CharAt(t, 1) == 'R')) {
    if (n > 999) return Reject(Tr("DRP/DRS-MAX_REG_LMT_OVER"));
    if (CharAt(t, 3) == '*') {
      mode = 0x20;
    } else if (CharAt(t, 3) == 'R') {
      mode = 0x00;
    } else {
      mode = 0x30;
    }
  } else if (shift) {
    if (n > 999) return Reject(Tr("DRS-MAX_SFT_LMT_OVER"));
  } else {
    if (n > 2500) return Reject(Tr("DRP-MAX_LOC_LMT_OVER"));
  }
  if (!InRange(mask, 1, 63)) return Reject(Tr("DRP/DRS-MAX_AXIS_LMT_OVER"));
  return Accept(Encode(in.opcode, mode, U(n), U(mask)));
}

}  // namespace zova::language
