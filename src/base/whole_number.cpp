// Whole numbers as an operator types them on a command line.
#include "base/whole_number.h"

#include <charconv>

namespace zova {

std::optional<int> ReadWholeNumber(std::string_view text) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || stop != end) return std::nullopt;
  return value;
}

}  // namespace zova
