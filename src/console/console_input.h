// Reading the console's text boxes: numbers as the operator types them, and the messages for wrong entries
// (looked up with Tr where they are shown).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace zova::console {

inline constexpr std::string_view kMsgNotNumeric = TrMark(" 숫자를 입력하십시요");
inline constexpr std::string_view kMsgProgramRange = TrMark("0 ~ 31 까지 입력하십시요.");
inline constexpr std::string_view kMsgJogSpeedRange = TrMark("JOG 속도는 0 ~ 255 까지 입력하십시요.");
inline constexpr std::string_view kMsgLocRange = TrMark("LOC 번호는 0 ~ 2500 까지 입력하십시요.");
inline constexpr std::string_view kMsgMoveSpeedRange = TrMark("속도는 1 ~ 100 까지 입력하십시요.");
inline constexpr std::string_view kMsgMoveAccelRange = TrMark("가속도는 0 ~ 25000 까지 입력하십시요.");
// "축 번호는 1 ~ 4 까지 입력하십시요.", in the chosen language.
std::string AxisRangeMessage(int axes);

inline constexpr int kMaxLocPoint = 2500;
inline constexpr int kMaxProgram = 31;
inline constexpr int kMaxJogSpeed = 255;
// Move speed follows the system parameter "Move Speed" (1 to 100), acceleration the axis editor's ACC bound.
inline constexpr int kMinMoveSpeed = 1;
inline constexpr int kMaxMoveSpeed = 100;
inline constexpr int kMaxMoveAccel = 25000;

// A decimal number with optional blanks around it, an optional sign, a fraction and an exponent.
[[nodiscard]] bool IsNumeric(std::string_view text);

// The number in `text` rounded to an integer (halves to even); nothing when it is not numeric or too large.
[[nodiscard]] std::optional<long> RoundedValue(std::string_view text);

// The rounded value when it lies in [low, high]; nothing otherwise.
[[nodiscard]] std::optional<int> ValueInRange(std::string_view text, int low, int high);

}  // namespace zova::console
