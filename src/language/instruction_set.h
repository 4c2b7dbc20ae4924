// The instruction set of the robot language, written once: per instruction its opcode, mnemonic, operand family,
// parser, operand forms and listing. The mnemonic table, the parser dispatch, the operand checks and the listing
// generator all read it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "language/instruction_parsers.h"

namespace zova::language {

// The shape of an instruction's operands; it says how many operands the instruction takes.
enum class Family { NoOperand, SingleOperand, OperandPair, Comparison, RegisterTriple, PlcTransfer, FSet, Offset };

// The fields of a record as the listing reads them.
struct ListFields {
  std::string_view name;  // the mnemonic
  int machineType;
  int m;  // bits 23..16
  std::uint32_t a, b, c;
  std::uint32_t v;  // the 24-bit value of DLY and INP
  std::uint32_t w;  // word 2 whole
  int bits2120, bits2220, bits2322, bits1916;
  bool bit23, bit16;
};

// The text after the step number; nothing for a mode the compiler never writes.
using Lister = std::optional<std::string> (*)(const ListFields&);

// Per operand: the characters besides a digit it may begin with. The number readers take a number out of any
// of the form letters, so without this an operand of one kind (S5, *1, R1) would be read as the number of
// another (a location, a plain register, an F register).
using OperandForms = std::array<std::string_view, 4>;

struct Instruction {
  int opcode;
  std::string_view mnemonic;
  Family family;
  Parser parse;
  OperandForms forms;
  Lister list;  // nullptr: the listing shows the record as no instruction
};

// The instruction of an opcode, or nullptr for numbers without one.
[[nodiscard]] const Instruction* FindInstruction(int opcode);

// How the instructions list (listing.cpp).
std::optional<std::string> ListLocation(const ListFields& f);          // MVE P0005
std::optional<std::string> ListShortLocation(const ListFields& f);     // UP P005
std::optional<std::string> ListLocationRegister(const ListFields& f);  // MVA P0005 R001
std::optional<std::string> ListTwoLocations(const ListFields& f);      // MVC P0001 P(R002)
std::optional<std::string> ListShift(const ListFields& f);             // SFT S005
std::optional<std::string> ListLocationSignal(const ListFields& f);    // MVF P0005 -12
std::optional<std::string> ListShiftSignal(const ListFields& f);       // SFF S005 12
std::optional<std::string> ListPallet(const ListFields& f);            // PMV 001 0005
std::optional<std::string> ListLocationMask(const ListFields& f);      // DRP P0005 3FH
std::optional<std::string> ListShiftMask(const ListFields& f);         // DRS S005 3FH
std::optional<std::string> ListLevel(const ListFields& f);             // SPL 05
std::optional<std::string> ListRegister(const ListFields& f);          // VMP R001
std::optional<std::string> ListOnOff(const ListFields& f);             // CONT ON
std::optional<std::string> ListIf(const ListFields& f);                // IF R001 = 00005
std::optional<std::string> ListGoto(const ListFields& f);              // GOTO L05
std::optional<std::string> ListDelay(const ListFields& f);             // DLY 000100
std::optional<std::string> ListJmp(const ListFields& f);               // JMP L05 R001
std::optional<std::string> ListHexMask(const ListFields& f);           // HOME 3FH
std::optional<std::string> ListName(const ListFields& f);              // STOP
std::optional<std::string> ListCall(const ListFields& f);              // CALL PRG05
std::optional<std::string> ListSigb(const ListFields& f);              // SIGB -05
std::optional<std::string> ListSigi(const ListFields& f);              // SIGI R001 2
std::optional<std::string> ListSigo(const ListFields& f);              // SIGO 1 3FH
std::optional<std::string> ListJb(const ListFields& f);                // JB  05 L10
std::optional<std::string> ListWait(const ListFields& f);              // WAIT -05
std::optional<std::string> ListTms(const ListFields& f);               // TMS  05 0100
std::optional<std::string> ListAxisMask(const ListFields& f);          // PWR 1 3FH
std::optional<std::string> ListRegisterTriple(const ListFields& f);    // SMV R001 R002 R003
std::optional<std::string> ListRun(const ListFields& f);               // RUN PRG05 1
std::optional<std::string> ListSar(const ListFields& f);               // SAR 1 -00FFH 010
std::optional<std::string> ListAxisValue(const ListFields& f);         // ACC 1 00100
std::optional<std::string> ListSpd(const ListFields& f);               // SPD 1 050
std::optional<std::string> ListInPosition(const ListFields& f);        // INP 100
std::optional<std::string> ListVel(const ListFields& f);               // VEL 1 100
std::optional<std::string> ListPlcTransfer(const ListFields& f);       // RER D*  R001 R002 R003
std::optional<std::string> ListSave(const ListFields& f);              // SAVA 05 R001 R000
std::optional<std::string> ListArithmetic(const ListFields& f);        // ADD R001 00005
std::optional<std::string> ListLongArithmetic(const ListFields& f);    // SETL R001 000000005
std::optional<std::string> ListStep(const ListFields& f);              // INC R001
std::optional<std::string> ListFArithmetic(const ListFields& f);       // ADF F01 R002
std::optional<std::string> ListLabel(const ListFields& f);             // L05
std::optional<std::string> ListInt(const ListFields& f);               // INT 1 L05
std::optional<std::string> ListAxis(const ListFields& f);              // CCLR 1
std::optional<std::string> ListFSet(const ListFields& f);              // F05 -1.25
std::optional<std::string> ListFRegisterTriple(const ListFields& f);   // LAP F01 2 R003
std::optional<std::string> ListOffset(const ListFields& f);            // OFF 1 1.25

}  // namespace zova::language
