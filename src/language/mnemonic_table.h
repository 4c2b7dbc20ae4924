// The mnemonic table of the robot language, derived from the instruction set: the number of an entry is the
// instruction's opcode.
#pragma once

#include <array>
#include <string_view>

namespace zova::language {

inline constexpr int kMnemonicCount = 210;
// Entry 209 is empty: the result of a look-up that finds nothing.
inline constexpr int kNoMnemonic = 209;
inline constexpr std::string_view kFillerMnemonic = "NoOperationFUNCZova";

// Opcodes by name, as the instruction set and the parsers refer to them.
namespace op {
inline constexpr int NOP = 0, MVE = 1, MVS = 2, MVA = 3, MVC = 4, CIR = 5, ARC = 6, SFT = 7, MVF = 8, MVB = 9, SFF = 10,
                     SFB = 11, PMV = 12, PMS = 13, DRP = 14, DRS = 15, SPL = 16, UP = 17, MVL = 18, VMP = 19, VMN = 20,
                     CONT = 21;
inline constexpr int IF = 49, GOTO = 50, DLY = 51, JMP = 52, HOME = 53, STOP = 54, CALL = 55, RET = 56, RETC = 57;
inline constexpr int SIGB = 81, SIGI = 82, SIGO = 83, JB = 84, WAIT = 85, TMS = 86, PWR = 87, SMV = 88, RUN = 89,
                     SAR = 90;
inline constexpr int ACC = 113, DCC = 114, SPD = 115, INP = 116, TSPD = 117, PAL = 118, SPLS = 119, VEL = 120,
                     RER = 121, REP = 122, REF = 123, WRR = 124, WRP = 125, WRF = 126, PLC = 127, RES = 128, WRS = 129,
                     SAVA = 130, SAVS = 131, SAVL = 132;
inline constexpr int ADD = 145, SUB = 146, OR = 147, AND = 148, INC = 149, DEC = 150, MUL = 151, ADF = 152, SUF = 153,
                     MUF = 154, ROL = 155, ROR = 156;
inline constexpr int SET = 177, L = 178, INT = 179, HERC = 180, HERA = 181, CCLR = 182, LP = 183, LS = 184, F = 185,
                     LAP = 186, LAS = 187, OFF = 188, LEP = 189, LES = 190, SETL = 191;
// "[EOF]" in the table; its record carries 0xFF instead.
inline constexpr int END_OF_PROGRAM = 208;
}  // namespace op

// The 210 entries.
const std::array<std::string_view, kMnemonicCount>& MnemonicTable();

// The entry text of an opcode ("" outside 0..209).
std::string_view MnemonicText(int opcode);

// First exact, case-sensitive match among entries 0..208; kNoMnemonic when none matches.
int LookUpMnemonic(std::string_view token);

}  // namespace zova::language
