// Positions as text.
#include "positions/record_reader.h"

#include <charconv>
#include <limits>
#include <string>
#include <vector>

#include "base/translation.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"

namespace zova::positions {

TextFault ReadTableLine(const TableLayout& layout, int number, std::string_view line, PositionRow& row) {
  const std::vector<std::string_view> words = SplitWords(line);
  const std::string name = FormatRowName(layout, number);
  if (words.size() != 2 + kTableAxes || words[0] != name || words[1] != "=") {
    return {0, Tr("expected \"{1} = \" and six values", {name})};
  }
  for (int a = 0; a < kTableAxes; ++a) {
    const std::string_view word = words[static_cast<std::size_t>(2 + a)];
    long long value = 0;
    if (!ReadFixedDecimal(word, 2, kLowestPositionValue, kHighestPositionValue, value)) {
      return {0, Tr("axis {1}: {2}",
                    {std::to_string(a + 1), FixedDecimalFault(word, 2, kLowestPositionValue, kHighestPositionValue)})};
    }
    row[static_cast<std::size_t>(a)] = static_cast<std::int32_t>(value);
  }
  return {};
}

double LeadingNumber(std::string_view text) {
  std::size_t n = 0;
  if (n < text.size() && text[n] == '-') ++n;
  bool digits = false;
  bool point = false;
  for (; n < text.size(); ++n) {
    const char c = text[n];
    if (c >= '0' && c <= '9') {
      digits = true;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (!digits) return 0.0;
  double value = 0.0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + n, value);
  if (ec == std::errc::result_out_of_range) {
    return text[0] == '-' ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
  }
  return value;
}

}  // namespace zova::positions
