// Value rules of the system parameter screen's 32 boxes, as plain functions the window calls.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/translation.h"
#include "base/diagnostic.h"
#include "parameters/sys_para.h"

namespace zova::parameters {

inline constexpr int kSysBoxCount = 32;
inline constexpr std::string_view kMsgNotInteger = TrMark(" 정수를 입력하십시요");
inline constexpr std::string_view kMsgNotHex = TrMark(" 16 진수(HEX) 값을 입력하십시요.");

enum class SysBoxKind {
  Decimal,      // a number within low..high, stored rounded half to even
  Hexadecimal,  // hexadecimal digits, 0..high
  AxisPair,     // SYNC: a number 0..101, then two axis digits packed into one byte
  OrderCode,    // ZRAX: axis digits and "-", never refused
  AnyNumber,    // AVAL: any number
};

struct SysBox {
  int entry;
  std::string_view label;
  SysBoxKind kind;
  std::int64_t low;
  std::int64_t high;
  std::string_view rangeMessage;    // a catalog text
  std::string_view resetNonNumber;  // written into the box after a non-number
  std::string_view resetRange;      // written into the box after a value out of range
};

const std::array<SysBox, kSysBoxCount>& SysBoxes();

// One run of a box's change check on `text`: stores the value into `table`, or sends a message to `refusal` and
// returns the reset text the check writes into the box. An empty text does nothing.
std::optional<std::string> CheckSysBox(int box, std::string_view text, SysPara& table, const DiagnosticSink& refusal);

// A change as the screen lives it: the check, run again for every reset text that differs from what
// the box holds (writing the same text is no change). Returns the text the box ends with.
std::string EditSysBox(int box, std::string text, SysPara& table, const DiagnosticSink& refusal);

// A held value the screen's box would not keep when it shows it: one it refuses with a message, or one its
// check silently reads as another (SYNC 7 becomes 0). The command line lists these where the operator has
// no box to see them in.
struct BoxRefusal {
  int line;             // the value's line in the parameter file, from 1
  std::string what;     // the file's key and the value ("AXES 9", "ACC axis 2 99999")
  std::string message;  // the box's own message, or what the box would read the value as
};

// The key that opens a parameter file's line: its prefix up to the "-" fill ("AXES-------= " -> "AXES").
std::string_view FileKey(std::string_view prefix);

// The refusals of showing the table (UpdateSysButton), in file order; the table is not changed.
std::vector<BoxRefusal> SysParaRefusals(const SysPara& table);

// The text UpdateSysButton writes into a box for the stored value.
std::string SysBoxText(int box, const SysPara& table);

// SYNC: the code from the first two characters of the text ("12" -> 12h, "17" -> 1, "10" -> 0).
std::int32_t AxisPairCode(std::string_view text);
// SYNC shown: bits 4..7 then bits 0..3 as decimals, each left out when 0; "0" for no pair.
std::string AxisPairText(std::int32_t code);

// ZRAX: each axis digit 1..6 one hexadecimal digit, first one most significant; "-" adds 8 to the
// digit before it; "0" clears the code and ends; other characters are passed over; at most 20
// characters are looked at. "3-12-4" -> B1A4h. The code keeps its low 32 bits.
std::int32_t OrderCode(std::string_view text);
// ZRAX shown: the low six hexadecimal digits, each non-zero one as (n AND 7) with "-" after it when
// n AND 8, except after the last; "0" for code 0. B1A4h -> "3-12-4".
std::string OrderCodeText(std::int32_t code);

}  // namespace zova::parameters
