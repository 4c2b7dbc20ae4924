// Number readers: the operand forms may wrap a number in their letters and brackets, but the number itself
// is taken only as it was typed.
#include "language/number_readers.h"

#include <algorithm>
#include <iterator>

namespace zova::language {
namespace {

constexpr std::size_t kReadChars = 9;
constexpr std::int64_t kValueCap = 1'000'000'000'000'000LL;  // keeps a scaled value far from overflow

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A ";" right after an operand opens the line's comment, which holds no part of the number.
std::string_view NumberPart(std::string_view token) { return token.substr(0, token.find(';')); }

// What may stand in front of a number: the letters and brackets of the operand forms, nothing else. A
// closing bracket follows exactly when an opening one came before.
bool IsOperandForm(std::string_view before, std::string_view after) {
  constexpr std::string_view kPrefixes[] = {"", "R", "*", "P", "S", "F", "L", "PRG", "P(R", "P(*", "S(R", "S(*"};
  if (std::find(std::begin(kPrefixes), std::end(kPrefixes), before) == std::end(kPrefixes)) return false;
  return after == (before.find('(') == std::string_view::npos ? "" : ")");
}

std::int64_t ReadDigits(std::string_view token, std::size_t maxChars, bool withSign) {
  const std::string_view text = NumberPart(token);
  const std::size_t first = text.find_first_of("0123456789");
  if (first == std::string_view::npos) return kNotAsTyped;
  std::size_t end = first;
  while (end < text.size() && IsDigit(text[end])) ++end;
  std::string_view before = text.substr(0, first);
  const bool negative = withSign && before.ends_with('-');
  if (negative) before.remove_suffix(1);
  if (end > maxChars || !IsOperandForm(before, text.substr(end))) return kNotAsTyped;
  std::int64_t value = 0;
  for (std::size_t i = first; i < end; ++i) value = value * 10 + (text[i] - '0');
  return negative ? -value : value;
}

}  // namespace

bool IsMistypedNumber(std::string_view token) {
  const std::string_view text = NumberPart(token);
  const std::size_t first = text.find_first_of("0123456789");
  if (first == std::string_view::npos) return false;
  // Digits, hexadecimal digits with their "H", a decimal point and the bracket of a register form.
  return text.find_first_not_of("0123456789ABCDEFH.)", first) != std::string_view::npos;
}

std::int64_t DigitsRead(std::string_view token, std::size_t maxChars) { return ReadDigits(token, maxChars, false); }

std::int64_t DecimalRead(std::string_view token) { return ReadDigits(token, kReadChars, false); }

std::int64_t SignedRead(std::string_view token) { return ReadDigits(token, kReadChars, true); }

std::int64_t HexRead(std::string_view token) {
  const std::string_view text = NumberPart(token);
  const std::size_t h = text.find('H');
  const std::string_view digits = text.substr(0, h);
  if (digits.empty() || digits.size() > kReadChars || (h != std::string_view::npos && h + 1 != text.size())) {
    return kNotAsTyped;
  }
  std::int64_t value = 0;
  for (char c : digits) {
    if (IsDigit(c)) {
      value = value * 16 + (c - '0');
    } else if (c >= 'A' && c <= 'F') {
      value = value * 16 + (c - 'A' + 10);
    } else {
      return kNotAsTyped;
    }
  }
  return value;
}

bool IsHexOperand(std::string_view token, std::size_t firstChar, std::size_t lastChar) {
  const std::string_view text = NumberPart(token);
  for (std::size_t i = firstChar; i <= lastChar && i <= text.size(); ++i) {
    if (text[i - 1] == 'H') return true;
  }
  return false;
}

ScaledValue ValueRead(std::string_view token, int decimals) {
  ScaledValue result;
  const std::string_view text = NumberPart(token);
  std::size_t pos = 0;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) result.negative = text[pos++] == '-';
  std::size_t digits = 0;
  int fraction = -1;  // digits after the point; -1 before it
  bool dropped = false;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '.' && fraction < 0) {
      fraction = 0;
      continue;
    }
    if (!IsDigit(c)) break;
    ++digits;
    if (fraction >= decimals) {
      dropped = dropped || c != '0';
      continue;
    }
    if (fraction >= 0) ++fraction;
    result.magnitude = std::min(kValueCap, result.magnitude * 10 + (c - '0'));
  }
  for (int f = std::max(fraction, 0); f < decimals; ++f) result.magnitude = std::min(kValueCap, result.magnitude * 10);
  result.asTyped = digits > 0 && !dropped && pos == text.size();
  return result;
}

}  // namespace zova::language
