// Reading the console's text boxes.
#include "console/console_input.h"

#include <cmath>
#include <cstdlib>

#include "link/decoders.h"

namespace zova::console {

std::string AxisRangeMessage(int axes) { return Tr("축 번호는 1 ~ {1} 까지 입력하십시요.", {std::to_string(axes)}); }

namespace {

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::optional<double> numberOf(std::string_view text) {
  text = trimmed(text);
  if (text.empty()) return std::nullopt;
  // strtod also takes "inf", "nan" and hexadecimal forms; only plain decimals are numbers here.
  for (char ch : text) {
    const bool allowed = (ch >= '0' && ch <= '9') || ch == '+' || ch == '-' || ch == '.' || ch == 'e' || ch == 'E';
    if (!allowed) return std::nullopt;
  }
  const std::string copy(text);
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

bool IsNumeric(std::string_view text) { return numberOf(text).has_value(); }

std::optional<long> RoundedValue(std::string_view text) {
  const auto value = numberOf(text);
  if (!value || std::fabs(*value) > 2.0e9) return std::nullopt;
  return static_cast<long>(RoundHalfEven(*value));
}

std::optional<int> ValueInRange(std::string_view text, int low, int high) {
  const auto value = RoundedValue(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace zova::console
