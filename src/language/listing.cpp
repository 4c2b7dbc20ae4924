// Listing generator: the instruction set picks each record's listing, numbers padded the way the controller's own
// listings print them.
#include "language/listing.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "language/instruction_record.h"
#include "language/instruction_set.h"
#include "language/plc_devices.h"

namespace zova::language {
namespace {

using Text = std::optional<std::string>;  // nothing: a mode the compiler never writes

// {x:000...}: at least `width` digits.
std::string Dec(std::uint32_t x, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*u", width, static_cast<unsigned>(x));
  return buffer;
}

// {hex x:00...}: upper-case hex, at least `width` digits.
std::string Hex(std::uint32_t x, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*X", width, static_cast<unsigned>(x));
  return buffer;
}

// {x:#####}: no digit at all for 0.
std::string Plain(std::uint32_t x) { return x == 0 ? std::string() : Dec(x, 1); }

// {x:#0.00} of x = w / 100, negative when the sign flag is set.
std::string Hundredths(std::uint32_t w, bool negative) {
  return (negative ? "-" : "") + Dec(w / 100, 1) + "." + Dec(w % 100, 2);
}

// A location (letter P) or shift (S) through R, direct or through *; a shift may also be a plain R register.
Text Place(char letter, std::uint32_t x, int mode, int directWidth, bool plainRegister = false) {
  switch (mode) {
    case 0:
      return letter + ("(R" + Dec(x, 3) + ")");
    case 1:
      return letter + Dec(x, directWidth);
    case 2:
      return letter + ("(*" + Dec(x, 3) + ")");
    case 3:
      if (plainRegister) return "R" + Dec(x, 3);
      return std::nullopt;
    default:
      return std::nullopt;
  }
}
Text Location(std::uint32_t x, int mode) { return Place('P', x, mode, 4); }
Text Shift(std::uint32_t x, int mode) { return Place('S', x, mode, 3, true); }

// A value through R, direct or through *.
Text Register(std::uint32_t x, int mode, int directWidth = 3) {
  switch (mode) {
    case 0:
      return "R" + Dec(x, 3);
    case 1:
      return Dec(x, directWidth);
    case 2:
      return "*" + Dec(x, 3);
    default:
      return std::nullopt;
  }
}

// Joins template parts; any missing part makes the whole body missing.
Text Join(std::initializer_list<Text> parts) {
  std::string out;
  for (const auto& part : parts) {
    if (!part) return std::nullopt;
    out += *part;
  }
  return out;
}

// The source operand of the arithmetic forms and of IF's second operand, by its kind.
Text Source(std::uint32_t x, int kind, bool wide = false) {
  switch (kind) {
    case 0:
      return " R" + Dec(x, 3);
    case 1:
      return " " + Hex(x, wide ? 8 : 4) + "H";
    case 2:
      return " " + Dec(x, wide ? 9 : 5);
    case 3:
      return " *" + Dec(x, 3);
    case 4:
      return " F" + Dec(x, 2);
    default:
      return std::nullopt;
  }
}

std::string Name(const ListFields& f) { return std::string(f.name); }
// "-" for the off condition of a signal.
std::string Sign(bool negative) { return negative ? " -" : " "; }
std::string RegisterTo(const ListFields& f) { return Name(f) + (f.bit23 ? " *" : " R") + Dec(f.a, 3); }

ListFields Split(std::string_view name, int machineType, std::uint32_t word1, std::uint32_t word2) {
  const Record r{word1, word2};
  const int m = r.mode();
  return {name,
          machineType,
          m,
          static_cast<std::uint32_t>(r.a()),
          static_cast<std::uint32_t>(r.b()),
          static_cast<std::uint32_t>(r.c()),
          r.value24(),
          word2,
          (m / 16) % 4,
          (m / 16) % 8,
          m / 64,
          m % 16,
          (word1 & 0x800000u) != 0,
          (word1 & 0x10000u) != 0};
}

}  // namespace

Text ListLocation(const ListFields& f) { return Join({Name(f) + " ", Location(f.a, f.bits2120)}); }
Text ListShortLocation(const ListFields& f) { return Join({Name(f) + " ", Place('P', f.a, f.bits2120, 3)}); }
Text ListLocationRegister(const ListFields& f) {
  return Join({Name(f) + " ", Location(f.a, f.bits2322), " ", Register(f.b, f.bits2120)});
}
Text ListTwoLocations(const ListFields& f) {
  return Join({Name(f) + " ", Location(f.a, f.bits2322), " ", Location(f.b, f.bits2120)});
}
Text ListShift(const ListFields& f) { return Join({Name(f) + " ", Shift(f.a, f.bits2120)}); }
Text ListLocationSignal(const ListFields& f) {
  return Join({Name(f) + " ", Location(f.a, f.bits2322), Sign(f.bits2120 == 1), Dec(f.b, 2)});
}
Text ListShiftSignal(const ListFields& f) {
  return Join({Name(f) + " ", Place('S', f.a, f.bits2322, 3), Sign(f.bits2120 == 1), Dec(f.b, 2)});
}
Text ListPallet(const ListFields& f) { return Join({Name(f) + " " + Dec(f.a, 3) + " ", Register(f.b, f.bits2322, 4)}); }
Text ListLocationMask(const ListFields& f) {
  return Join({Name(f) + " ", Location(f.a, f.bits2120), " " + Hex(f.b, 2) + "H"});
}
Text ListShiftMask(const ListFields& f) {
  return Join({Name(f) + " ", Shift(f.a, f.bits2120), " " + Hex(f.b, 2) + "H"});
}
// SPL and SPLS print a direct level in two digits.
Text ListLevel(const ListFields& f) { return Join({Name(f) + " ", Register(f.a, f.bits2120, 2)}); }
Text ListRegister(const ListFields& f) { return Join({Name(f) + " ", Register(f.a, f.bits2120)}); }
Text ListOnOff(const ListFields& f) {
  if (f.m > 1) return std::nullopt;
  return Name(f) + (f.m == 1 ? " ON" : " OFF");
}
Text ListIf(const ListFields& f) {
  static constexpr std::string_view kComparisons[] = {" >", " =", " <", " !"};
  const std::string first = f.bits2120 == 0 ? " R" : f.bits2120 == 1 ? " *" : " F";
  return Join({Name(f) + first + Dec(f.a, 3) + std::string(kComparisons[f.bits2322]), Source(f.b, f.bits1916)});
}
Text ListGoto(const ListFields& f) { return Name(f) + " L" + Dec(f.a, 2); }
Text ListDelay(const ListFields& f) { return Name(f) + " " + Dec(f.v, 6); }
Text ListJmp(const ListFields& f) { return Join({Name(f) + " L" + Dec(f.a, 2) + " ", Register(f.b, f.m)}); }
Text ListHexMask(const ListFields& f) { return Name(f) + " " + Hex(f.a, 2) + "H"; }
Text ListName(const ListFields& f) { return Name(f); }
Text ListCall(const ListFields& f) { return Name(f) + " PRG" + Dec(f.a, 2); }
Text ListSigb(const ListFields& f) { return Name(f) + " " + (f.m != 0 ? "-" : "") + Dec(f.a, 2); }
Text ListSigi(const ListFields& f) { return Name(f) + " R" + Dec(f.a, 3) + " " + Dec(f.b, 1); }
Text ListSigo(const ListFields& f) {
  const std::string port = Name(f) + " " + Dec(f.a, 1);
  switch (f.m) {
    case 0:
      return port + " R" + Dec(f.b, 3);
    case 1:
      return port + " " + Hex(f.b, 2) + "H";
    case 2:
      return port + " " + Dec(f.b, 3);
    case 3:
      return Name(f) + " AON";
    case 4:
      return Name(f) + " AOFF";
    default:
      return std::nullopt;
  }
}
Text ListJb(const ListFields& f) {
  static constexpr std::string_view kTargets[] = {" L", " PRG", " ", " -"};
  if (f.bits1916 > 3) return std::nullopt;
  return Name(f) + (f.bits2120 != 0 ? " -" : "  ") + Dec(f.a, 2) + std::string(kTargets[f.bits1916]) + Dec(f.b, 2);
}
Text ListWait(const ListFields& f) {
  if (f.m > 1) return std::nullopt;
  return Name(f) + (f.m == 1 ? " -" : "  ") + Dec(f.a, 2);
}
// A negated input travels as n + 255.
Text ListTms(const ListFields& f) {
  if (f.a == 255) return std::nullopt;
  return Name(f) + (f.a < 255 ? "  " + Dec(f.a, 2) : " -" + Dec(f.a - 255, 2)) + " " + Dec(f.b, 4);
}
Text ListAxisMask(const ListFields& f) { return Name(f) + " " + Dec(f.a, 1) + " " + Hex(f.b, 2) + "H"; }
Text ListRegisterTriple(const ListFields& f) {
  return Name(f) + " R" + Dec(f.a, 3) + " R" + Dec(f.b, 3) + " R" + Dec(f.c, 3);
}
Text ListRun(const ListFields& f) { return Name(f) + " PRG" + Dec(f.a, 2) + " " + Dec(f.b, 1); }
Text ListSar(const ListFields& f) {
  return Name(f) + " " + Dec(f.a, 1) + Sign(f.bit23) + Hex(f.b, 4) + "H " + Dec(f.c, 3);
}
Text ListAxisValue(const ListFields& f) { return Name(f) + " " + Dec(f.a, 1) + " " + Dec(f.b, 5); }
Text ListSpd(const ListFields& f) { return Join({Name(f) + " " + Dec(f.a, 1) + " ", Register(f.b, f.bits2120)}); }
Text ListInPosition(const ListFields& f) { return Name(f) + " " + Dec(f.v, 1); }
Text ListVel(const ListFields& f) { return Name(f) + " " + Dec(f.a, 1) + " " + Plain(f.b); }
Text ListPlcTransfer(const ListFields& f) {
  const auto device = PlcDeviceName(f.bits2220, f.machineType);
  if (!device) return std::nullopt;
  return Name(f) + " " + std::string(*device) + "  R" + Dec(f.a, 3) + " R" + Dec(f.b, 3) + " R" + Dec(f.c, 3);
}
Text ListSave(const ListFields& f) {
  return Join({Name(f) + " " + Dec(f.a, 2) + " ", Register(f.b, f.bits2120), " R" + Dec(f.c, 3)});
}
Text ListArithmetic(const ListFields& f) { return Join({RegisterTo(f), Source(f.b, f.bits2220)}); }
Text ListLongArithmetic(const ListFields& f) { return Join({RegisterTo(f), Source(f.w, f.bits2220, true)}); }
Text ListStep(const ListFields& f) { return Name(f) + (f.m != 0 ? " *" : " R") + Dec(f.a, 3); }
Text ListFArithmetic(const ListFields& f) {
  const Text source = f.bits2120 == 0   ? Text(" F" + Dec(f.b, 2))
                      : f.bits2120 == 1 ? Text(" *" + Dec(f.b, 3))
                      : f.bits2120 == 2 ? Text(" R" + Dec(f.b, 3))
                                        : std::nullopt;
  return Join({Name(f) + (f.bit23 ? " *" + Dec(f.a, 3) : " F" + Dec(f.a, 2)), source});
}
Text ListLabel(const ListFields& f) { return Name(f) + Dec(f.a, 2); }
Text ListInt(const ListFields& f) {
  const Text target = f.m == 0   ? Text(" OFF")
                      : f.m == 1 ? Text(" L" + Dec(f.b, 2))
                      : f.m == 2 ? Text(" PRG" + Dec(f.b, 2))
                                 : std::nullopt;
  return Join({Name(f) + " " + Dec(f.a, 1), target});
}
Text ListAxis(const ListFields& f) { return Name(f) + " " + Dec(f.a, 1); }
Text ListFSet(const ListFields& f) { return Name(f) + Dec(f.a, 2) + " " + Hundredths(f.w, f.bit16); }
Text ListFRegisterTriple(const ListFields& f) {
  return Name(f) + " F" + Dec(f.a, 2) + " " + Dec(f.b, 1) + " R" + Dec(f.c, 3);
}
Text ListOffset(const ListFields& f) { return Name(f) + " " + Dec(f.a, 1) + " " + Hundredths(f.w, f.bit16); }

std::string ListLine(int step, std::uint32_t word1, std::uint32_t word2, int machineType) {
  const std::string prefix = Dec(static_cast<std::uint32_t>(step), 3) + " ";
  const int opcode = Record{word1, word2}.opcode();
  if (opcode == kEndOpcode) return prefix + "[EOF]";
  const Instruction* instruction = FindInstruction(opcode);
  if (instruction == nullptr || instruction->list == nullptr) return std::string(16, '-');
  const Text body = instruction->list(Split(instruction->mnemonic, machineType, word1, word2));
  return body ? prefix + *body : prefix;
}

std::vector<ListedLine> ListProgramLines(const ProgramStore& store, int machineType) {
  // Cell 0 holds the step modulo 256, so the end record's row of a full program (step 255) looks like a
  // comment-only row. Nothing can follow that record: its row is the last that looks so.
  constexpr int kLastStep = kImageWords / 2 - 1;
  int lastMarked = -1;
  for (int row = 0; row < kCommentRows; ++row) {
    if ((store.comments[static_cast<std::size_t>(row)][0] & 0xFF) == 0xFF) lastMarked = row;
  }
  std::vector<ListedLine> lines;
  int step = 0;
  for (int row = 0; row < kCommentRows; ++row) {
    const auto& cells = store.comments[static_cast<std::size_t>(row)];
    const bool commentOnly = (cells[0] & 0xFF) == 0xFF && cells[1] != 0xFF && !(step == kLastStep && row == lastMarked);
    if (commentOnly) {
      lines.push_back({-1, {}, store.commentText(row)});
      continue;
    }
    if (step * 2 + 1 >= kImageWords) break;
    const Record record = store.record(step);
    ListedLine line{step, ListLine(step, record.word1, record.word2, machineType), {}};
    if (cells[1] >= 1 && cells[1] <= 254) line.comment = store.commentText(row);
    lines.push_back(std::move(line));
    ++step;
    if (record.word1 == kEndRecord.word1) break;
  }
  return lines;
}

std::string ListProgram(const ProgramStore& store, int machineType) {
  std::string out;
  for (const ListedLine& line : ListProgramLines(store, machineType)) {
    if (line.step >= 0) out += line.listing + ' ';
    out += line.comment;
    out += "\r\n";
  }
  return out;
}

}  // namespace zova::language
