// The number readers every instruction parser uses; each works on one token.
#pragma once

#include <cstdint>
#include <string_view>

namespace zova::language {

// Keeps the digits among the first 9 characters and reads them as one decimal number (0 when none).
// P(R12) reads 12, PRG05 reads 5, 1.5 reads 15.
[[nodiscard]] std::int64_t DecimalRead(std::string_view token);

// As DecimalRead, with the digits among the first maxChars characters.
[[nodiscard]] std::int64_t DigitsRead(std::string_view token, std::size_t maxChars);

// As DecimalRead but a "-" is kept too: -5 reads -5.
[[nodiscard]] std::int64_t SignedRead(std::string_view token);

// Characters 1..9 up to an "H": every character after the first shifts the value by one hex digit, and
// 0-9 and A-F add their value (anything else adds nothing). 3FH reads 63.
[[nodiscard]] std::int64_t HexRead(std::string_view token);

// True when one of the characters firstChar..lastChar (1-based) is "H": the operand is hexadecimal.
[[nodiscard]] bool IsHexOperand(std::string_view token, std::size_t firstChar, std::size_t lastChar);

// The longest leading decimal number with optional sign and point, times 10^decimals, rounded to the
// nearest integer with ties to even. Computed on the decimal digits, so 2.675 scales to 268 exactly.
struct ScaledValue {
  std::int64_t magnitude = 0;
  bool negative = false;  // the text carried a "-"
  [[nodiscard]] std::int64_t value() const { return negative ? -magnitude : magnitude; }
};
[[nodiscard]] ScaledValue ValueRead(std::string_view token, int decimals);

}  // namespace zova::language
