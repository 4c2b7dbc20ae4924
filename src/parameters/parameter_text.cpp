// Text forms of the parameter files.
#include "parameters/parameter_text.h"

#include <charconv>

namespace zova {

std::string FormatPrintedNumber(std::int32_t value) {
  std::string digits = std::to_string(value);
  return (value < 0 ? digits : " " + digits) + " ";
}

bool ParseDecimalValue(std::string_view text, std::int32_t& out) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return ec == std::errc() && ptr == end;
}

std::size_t ValueStart(std::string_view record) {
  std::size_t eq = record.find('=');
  return eq == std::string_view::npos ? 0 : eq + 1;
}

}  // namespace zova
