// Number readers: digit by digit, tolerant of any other character, as operators have always written operands.
#include "language/number_readers.h"

#include <algorithm>
#include <string>

namespace zova::language {
namespace {

constexpr std::size_t kReadChars = 9;
constexpr std::int64_t kValueCap = 1'000'000'000'000'000LL;  // keeps a scaled value far from overflow

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Head(std::string_view token, std::size_t count) {
  return token.substr(0, std::min(count, token.size()));
}

}  // namespace

std::int64_t DigitsRead(std::string_view token, std::size_t maxChars) {
  std::int64_t value = 0;
  for (char c : Head(token, maxChars)) {
    if (IsDigit(c)) value = value * 10 + (c - '0');
  }
  return value;
}

std::int64_t DecimalRead(std::string_view token) { return DigitsRead(token, kReadChars); }

std::int64_t SignedRead(std::string_view token) {
  std::string kept;
  for (char c : Head(token, kReadChars)) {
    if (IsDigit(c) || c == '-') kept += c;
  }
  // The kept text is read as a number: one leading sign, then digits up to the first other character.
  std::size_t pos = 0;
  const bool negative = !kept.empty() && kept[0] == '-';
  if (negative) pos = 1;
  std::int64_t value = 0;
  while (pos < kept.size() && IsDigit(kept[pos])) value = value * 10 + (kept[pos++] - '0');
  return negative ? -value : value;
}

std::int64_t HexRead(std::string_view token) {
  std::int64_t value = 0;
  bool first = true;
  for (char c : Head(token, kReadChars)) {
    if (c == 'H') break;
    if (!first) value *= 16;
    first = false;
    if (IsDigit(c)) {
      value += c - '0';
    } else if (c >= 'A' && c <= 'F') {
      value += c - 'A' + 10;
    }
  }
  return value;
}

bool IsHexOperand(std::string_view token, std::size_t firstChar, std::size_t lastChar) {
  for (std::size_t i = firstChar; i <= lastChar && i <= token.size(); ++i) {
    if (token[i - 1] == 'H') return true;
  }
  return false;
}

ScaledValue ValueRead(std::string_view token, int decimals) {
  ScaledValue result;
  std::size_t pos = 0;
  if (pos < token.size() && (token[pos] == '-' || token[pos] == '+')) result.negative = token[pos++] == '-';

  std::string digits;  // every digit of the number, integer part then fraction
  std::size_t integerDigits = 0;
  while (pos < token.size() && IsDigit(token[pos])) digits += token[pos++];
  integerDigits = digits.size();
  if (pos < token.size() && token[pos] == '.') {
    ++pos;
    while (pos < token.size() && IsDigit(token[pos])) digits += token[pos++];
  }

  // The scaled integer keeps integerDigits + decimals digits; the rest decides the rounding.
  const std::size_t kept = integerDigits + static_cast<std::size_t>(decimals);
  std::int64_t magnitude = 0;
  for (std::size_t i = 0; i < kept; ++i) {
    magnitude = std::min(kValueCap, magnitude * 10 + (i < digits.size() ? digits[i] - '0' : 0));
  }
  if (kept < digits.size()) {
    const char firstDropped = digits[kept];
    const bool moreAfter = digits.find_first_not_of('0', kept + 1) != std::string::npos;
    const bool roundUp = firstDropped > '5' || (firstDropped == '5' && (moreAfter || magnitude % 2 != 0));
    if (roundUp) ++magnitude;
  }
  result.magnitude = magnitude;
  return result;
}

}  // namespace zova::language
