// The number readers every instruction parser uses; each works on one token.
#pragma once

#include <cstdint>
#include <string_view>

namespace zova::language {

// What a reader returns when the token's number is not one it can store as typed: a "-" or a decimal point
// where the reader keeps none, digits beyond the characters it looks at, digits split by other characters,
// a letter after the number, or no number at all. It lies beyond every operand's range, so each parser's
// range check refuses the token with that instruction's own message.
inline constexpr std::int64_t kNotAsTyped = std::int64_t{1} << 40;

// The run of digits within the first 9 characters, read as a decimal number: P(R12) reads 12, PRG05 reads 5.
// Only the letters and brackets of an operand form (R, *, P, S, F, L, PRG, P(R..), P(*..), S(R..), S(*..))
// may stand around it; a ";" ends the token (the line's comment).
[[nodiscard]] std::int64_t DecimalRead(std::string_view token);

// True when the token holds a number with something after its first digit that no number form has: 50%,
// 100MS, P1O01 (a letter O among the digits). Such an operand is a typo, not a value out of range.
[[nodiscard]] bool IsMistypedNumber(std::string_view token);

// As DecimalRead, with the digits within the first maxChars characters.
[[nodiscard]] std::int64_t DigitsRead(std::string_view token, std::size_t maxChars);

// As DecimalRead but a "-" directly before the digits is kept: -5 reads -5.
[[nodiscard]] std::int64_t SignedRead(std::string_view token);

// Up to 9 hexadecimal digits 0-9 and A-F, closed by an "H" or the end of the token: 3FH reads 63.
[[nodiscard]] std::int64_t HexRead(std::string_view token);

// True when one of the characters firstChar..lastChar (1-based) is "H": the operand is hexadecimal.
[[nodiscard]] bool IsHexOperand(std::string_view token, std::size_t firstChar, std::size_t lastChar);

// The token as a decimal number with optional sign and point, times 10^decimals. Not as typed when the
// token holds anything else, or digits beyond the kept decimals that are not 0 (2.675 does not fit two).
struct ScaledValue {
  std::int64_t magnitude = 0;
  bool negative = false;  // the text carried a "-"
  bool asTyped = false;
  [[nodiscard]] std::int64_t value() const { return negative ? -magnitude : magnitude; }
};
[[nodiscard]] ScaledValue ValueRead(std::string_view token, int decimals);

}  // namespace zova::language
