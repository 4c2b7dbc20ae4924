// Listing generator: a template per opcode, numbers padded the way the controller's own listings print them.
#include "language/listing.h"

#include <cstdio>
#include <optional>
#include <string_view>

#include "language/instruction_record.h"
#include "language/mnemonic_table.h"
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

Text Location4(std::uint32_t x, int mode) {
  switch (mode) {
    case 0:
      return "P(R" + Dec(x, 3) + ")";
    case 1:
      return "P" + Dec(x, 4);
    case 2:
      return "P(*" + Dec(x, 3) + ")";
    default:
      return std::nullopt;
  }
}

Text Shift3(std::uint32_t x, int mode) {
  switch (mode) {
    case 0:
      return "S(R" + Dec(x, 3) + ")";
    case 1:
      return "S" + Dec(x, 3);
    case 2:
      return "S(*" + Dec(x, 3) + ")";
    case 3:
      return "R" + Dec(x, 3);
    default:
      return std::nullopt;
  }
}

Text Register3(std::uint32_t x, int mode) {
  switch (mode) {
    case 0:
      return "R" + Dec(x, 3);
    case 1:
      return Dec(x, 3);
    case 2:
      return "*" + Dec(x, 3);
    default:
      return std::nullopt;
  }
}

// SPL and SPLS print a direct level in two digits.
Text Level(std::uint32_t x, int mode) {
  if (mode == 1) return Dec(x, 2);
  return Register3(x, mode);
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

// The source operand of the arithmetic forms, by bits 22..20.
Text ArithmeticSource(std::uint32_t x, int mode, bool wide) {
  switch (mode) {
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

struct Fields {
  int op, m;
  std::uint32_t a, b, c, v, w;
  int bits2120, bits2220, bits2322, bits1916;
  bool bit23, bit16;
};

Fields Split(std::uint32_t word1, std::uint32_t word2) {
  const Record r{word1, word2};
  const int m = r.mode();
  return {r.opcode(),
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

// The text after the step number; nothing for a mode the compiler never writes. Sets `known` to false for an
// opcode without a template.
Text Body(const Fields& f, int machineType, bool& known) {
  known = true;
  const std::string name(MnemonicText(f.op));
  switch (f.op) {
    case op::MVE:
    case op::MVS:
    case op::MVL:
      return Join({name + " ", Location4(f.a, f.bits2120)});
    case op::UP: {
      const Text place = f.bits2120 == 0   ? Text("P(R" + Dec(f.a, 3) + ")")
                         : f.bits2120 == 1 ? Text("P" + Dec(f.a, 3))
                         : f.bits2120 == 2 ? Text("P(*" + Dec(f.a, 3) + ")")
                                           : std::nullopt;
      return Join({"UP ", place});
    }
    case op::MVA:
    case op::ARC:
      return Join({name + " ", Location4(f.a, f.bits2322), " ", Register3(f.b, f.bits2120)});
    case op::MVC:
    case op::CIR:
      return Join({name + " ", Location4(f.a, f.bits2322), " ", Location4(f.b, f.bits2120)});
    case op::SFT:
      return Join({"SFT ", Shift3(f.a, f.bits2120)});
    case op::MVF:
    case op::MVB:
      return Join({name + " ", Location4(f.a, f.bits2322), f.bits2120 == 1 ? " -" : " ", Dec(f.b, 2)});
    case op::SFF:
    case op::SFB: {
      const Text place = f.bits2322 == 0   ? Text("S(R" + Dec(f.a, 3) + ")")
                         : f.bits2322 == 1 ? Text("S" + Dec(f.a, 3))
                         : f.bits2322 == 2 ? Text("S(*" + Dec(f.a, 3) + ")")
                                           : std::nullopt;
      return Join({name + " ", place, f.bits2120 == 1 ? " -" : " ", Dec(f.b, 2)});
    }
    case op::PMV:
    case op::PMS: {
      const Text point = f.bits2322 == 0   ? Text("R" + Dec(f.b, 3))
                         : f.bits2322 == 1 ? Text(Dec(f.b, 4))
                         : f.bits2322 == 2 ? Text("*" + Dec(f.b, 3))
                                           : std::nullopt;
      return Join({name + " " + Dec(f.a, 3) + " ", point});
    }
    case op::DRP:
      return Join({"DRP ", Location4(f.a, f.bits2120), " " + Hex(f.b, 2) + "H"});
    case op::DRS:
      return Join({"DRS ", Shift3(f.a, f.bits2120), " " + Hex(f.b, 2) + "H"});
    case op::SPL:
    case op::SPLS:
      return Join({name + " ", Level(f.a, f.bits2120)});
    case op::VMP:
    case op::VMN:
    case op::TSPD:
    case op::PAL:
      return Join({name + " ", Register3(f.a, f.bits2120)});
    case op::CONT:
    case op::PLC:
      if (f.m > 1) return std::nullopt;
      return name + (f.m == 1 ? " ON" : " OFF");
    case op::IF: {
      static constexpr std::string_view kComparisons[] = {" > ", " = ", " < ", " ! "};
      const std::string first = f.bits2120 == 0 ? "R" : f.bits2120 == 1 ? "*" : "F";
      Text second;
      switch (f.bits1916) {
        case 0:
          second = "R" + Dec(f.b, 3);
          break;
        case 1:
          second = Hex(f.b, 4) + "H";
          break;
        case 2:
          second = Dec(f.b, 5);
          break;
        case 3:
          second = "*" + Dec(f.b, 3);
          break;
        case 4:
          second = "F" + Dec(f.b, 2);
          break;
        default:
          break;
      }
      return Join({"IF " + first + Dec(f.a, 3) + std::string(kComparisons[f.bits2322]), second});
    }
    case op::GOTO:
      return "GOTO L" + Dec(f.a, 2);
    case op::DLY:
      return "DLY " + Dec(f.v, 6);
    case op::JMP: {
      const Text count = f.m == 0   ? Text(" R" + Dec(f.b, 3))
                         : f.m == 1 ? Text(" " + Dec(f.b, 3))
                         : f.m == 2 ? Text(" *" + Dec(f.b, 3))
                                    : std::nullopt;
      return Join({"JMP L" + Dec(f.a, 2), count});
    }
    case op::HOME:
      return "HOME " + Hex(f.a, 2) + "H";
    case op::STOP:
    case op::RET:
    case op::RETC:
      return name;
    case op::CALL:
      return "CALL PRG" + Dec(f.a, 2);
    case op::SIGB:
      return std::string("SIGB ") + (f.m != 0 ? "-" : "") + Dec(f.a, 2);
    case op::SIGI:
      return "SIGI R" + Dec(f.a, 3) + " " + Dec(f.b, 1);
    case op::SIGO:
      switch (f.m) {
        case 0:
          return "SIGO " + Dec(f.a, 1) + " R" + Dec(f.b, 3);
        case 1:
          return "SIGO " + Dec(f.a, 1) + " " + Hex(f.b, 2) + "H";
        case 2:
          return "SIGO " + Dec(f.a, 1) + " " + Dec(f.b, 3);
        case 3:
          return std::string("SIGO AON");
        case 4:
          return std::string("SIGO AOFF");
        default:
          return std::nullopt;
      }
    case op::JB: {
      static constexpr std::string_view kTargets[] = {" L", " PRG", " ", " -"};
      if (f.bits1916 > 3) return std::nullopt;
      return std::string(f.bits2120 != 0 ? "JB -" : "JB  ") + Dec(f.a, 2) + std::string(kTargets[f.bits1916]) +
             Dec(f.b, 2);
    }
    case op::WAIT:
      if (f.m > 1) return std::nullopt;
      return std::string(f.m == 1 ? "WAIT -" : "WAIT  ") + Dec(f.a, 2);
    case op::TMS:
      if (f.a < 255) return "TMS  " + Dec(f.a, 2) + " " + Dec(f.b, 4);
      if (f.a > 255) return "TMS -" + Dec(f.a - 255, 2) + " " + Dec(f.b, 4);
      return std::nullopt;
    case op::PWR:
      return "PWR " + Dec(f.a, 1) + " " + Hex(f.b, 2) + "H";
    case op::SMV:
    case op::LP:
    case op::LS:
      return name + " R" + Dec(f.a, 3) + " R" + Dec(f.b, 3) + " R" + Dec(f.c, 3);
    case op::RUN:
      return "RUN PRG" + Dec(f.a, 2) + " " + Dec(f.b, 1);
    case op::SAR:
      return "SAR " + Dec(f.a, 1) + (f.bit23 ? " -" : " ") + Hex(f.b, 4) + "H " + Dec(f.c, 3);
    case op::ACC:
    case op::DCC:
      return name + " " + Dec(f.a, 1) + " " + Dec(f.b, 5);
    case op::SPD:
      return Join({"SPD " + Dec(f.a, 1) + " ", Register3(f.b, f.bits2120)});
    case op::INP:
      return "INP " + Dec(f.v, 1);
    case op::VEL:
      return "VEL " + Dec(f.a, 1) + " " + Plain(f.b);
    case op::RER:
    case op::REP:
    case op::REF:
    case op::WRR:
    case op::WRP:
    case op::WRF:
    case op::RES:
    case op::WRS: {
      const auto device = PlcDeviceName(f.bits2220, machineType);
      if (!device) return std::nullopt;
      return name + " " + std::string(*device) + "  R" + Dec(f.a, 3) + " R" + Dec(f.b, 3) + " R" + Dec(f.c, 3);
    }
    case op::SAVA:
    case op::SAVS:
    case op::SAVL: {
      const Text prefix = f.bits2120 == 0   ? Text("R")
                          : f.bits2120 == 1 ? Text("")
                          : f.bits2120 == 2 ? Text("*")
                                            : std::nullopt;
      return Join({name + " " + Dec(f.a, 2) + " ", prefix, Dec(f.b, 3) + " R" + Dec(f.c, 3)});
    }
    case op::ADD:
    case op::SUB:
    case op::OR:
    case op::AND:
    case op::MUL:
    case op::ROL:
    case op::ROR:
    case op::SET:
      return Join({name + (f.bit23 ? " *" : " R") + Dec(f.a, 3), ArithmeticSource(f.b, f.bits2220, false)});
    case op::SETL:
      return Join({name + (f.bit23 ? " *" : " R") + Dec(f.a, 3), ArithmeticSource(f.w, f.bits2220, true)});
    case op::INC:
    case op::DEC:
      return name + (f.m != 0 ? " *" : " R") + Dec(f.a, 3);
    case op::ADF:
    case op::SUF:
    case op::MUF: {
      const Text source = f.bits2120 == 0   ? Text(" F" + Dec(f.b, 2))
                          : f.bits2120 == 1 ? Text(" *" + Dec(f.b, 3))
                          : f.bits2120 == 2 ? Text(" R" + Dec(f.b, 3))
                                            : std::nullopt;
      return Join({name + (f.bit23 ? " *" + Dec(f.a, 3) : " F" + Dec(f.a, 2)), source});
    }
    case op::L:
      return "L" + Dec(f.a, 2);
    case op::INT: {
      const Text target = f.m == 0   ? Text(" OFF")
                          : f.m == 1 ? Text(" L" + Dec(f.b, 2))
                          : f.m == 2 ? Text(" PRG" + Dec(f.b, 2))
                                     : std::nullopt;
      return Join({"INT " + Dec(f.a, 1), target});
    }
    case op::HERC:
    case op::HERA: {
      const Text place = f.bits2120 == 0   ? Text("(R" + Dec(f.a, 3) + ")")
                         : f.bits2120 == 1 ? Text(Dec(f.a, 4))
                         : f.bits2120 == 2 ? Text("(*" + Dec(f.a, 3) + ")")
                                           : std::nullopt;
      return Join({name + " P", place});
    }
    case op::CCLR:
      return "CCLR " + Dec(f.a, 1);
    case op::F:
      return "F" + Dec(f.a, 2) + " " + Hundredths(f.w, f.bit16);
    case op::LAP:
    case op::LAS:
    case op::LEP:
    case op::LES:
      return name + " F" + Dec(f.a, 2) + " " + Dec(f.b, 1) + " R" + Dec(f.c, 3);
    case op::OFF:
      return "OFF " + Dec(f.a, 1) + " " + Hundredths(f.w, f.bit16);
    default:
      known = false;
      return std::nullopt;
  }
}

}  // namespace

std::string ListLine(int step, std::uint32_t word1, std::uint32_t word2, int machineType) {
  const std::string prefix = Dec(static_cast<std::uint32_t>(step), 3) + " ";
  const Fields fields = Split(word1, word2);
  if (fields.op == kEndOpcode) return prefix + "[EOF]";
  bool known = true;
  const Text body = Body(fields, machineType, known);
  if (!known) return std::string(16, '-');
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
