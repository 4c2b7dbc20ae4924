// Numbers typed into the parameter editors.
#include "parameters/number_text.h"

#include <charconv>
#include <cmath>
#include <string>

namespace zova::parameters {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

int digitValue(char c) {
  if (isDigit(c)) return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return 99;
}

// Reads the longest number at the start of `s` (no blanks inside); `used` is how much it took,
// 0 when `s` does not begin with a number.
double scanNumber(std::string_view s, std::size_t& used) {
  used = 0;
  if (s.size() >= 2 && s[0] == '&' && (s[1] == 'H' || s[1] == 'h' || s[1] == 'O' || s[1] == 'o')) {
    const int base = (s[1] == 'H' || s[1] == 'h') ? 16 : 8;
    std::size_t i = 2;
    double value = 0;
    while (i < s.size() && digitValue(s[i]) < base) value = value * base + digitValue(s[i++]);
    if (i > 2) used = i;
    return value;
  }
  std::string clean;
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') clean += '-';
    ++i;
  }
  bool digits = false;
  auto takeDigits = [&] {
    while (i < s.size() && isDigit(s[i])) {
      clean += s[i++];
      digits = true;
    }
  };
  takeDigits();
  if (i < s.size() && s[i] == '.') {
    clean += '.';
    ++i;
    takeDigits();
  }
  if (!digits) return 0;
  // An exponent counts only when digits follow it; "1e" is the number 1 followed by a letter.
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponent += s[j++];
    if (j < s.size() && isDigit(s[j])) {
      while (j < s.size() && isDigit(s[j])) exponent += s[j++];
      clean += exponent;
      i = j;
    }
  }
  used = i;
  double value = 0;
  auto [ptr, ec] = std::from_chars(clean.data(), clean.data() + clean.size(), value);
  if (ec == std::errc::result_out_of_range) value = clean[0] == '-' ? -HUGE_VAL : HUGE_VAL;
  (void)ptr;
  return value;
}

}  // namespace

std::optional<double> ParseNumericText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  std::size_t used = 0;
  double value = scanNumber(text, used);
  if (used == 0 || used != text.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

double LeadingNumber(std::string_view text) {
  std::string packed;
  for (char c : text) {
    if (c != ' ' && c != '\t') packed += c;
  }
  std::size_t used = 0;
  return scanNumber(packed, used);
}

std::optional<std::int32_t> ParseHexText(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    int d = digitValue(c);
    if (d > 15) return std::nullopt;
    value = value * 16 + static_cast<std::uint64_t>(d);
    if (value > 0xFFFFFFFFu) return std::nullopt;  // does not fit the 32-bit entry
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

}  // namespace zova::parameters
