// LOC and SFT file records.
#include "positions/record_reader.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "link/decoders.h"

namespace zova::positions {

namespace {

bool isBlankOrTab(char c) { return c == ' ' || c == '\t'; }
bool isValueChar(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

// A file record can hold at most this many value runs and gaps between them.
constexpr int kMaxParseSteps = 81;

}  // namespace

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

ParsedRecord ParseTableRecord(std::string_view record) {
  ParsedRecord result;
  const std::size_t equals = record.find('=');
  std::size_t pos = equals == std::string_view::npos ? 0 : equals + 1;
  auto skipGaps = [&] {
    while (pos < record.size() && isBlankOrTab(record[pos])) ++pos;
  };
  skipGaps();
  std::array<std::string_view, kTableAxes> fields{};
  int field = 0;
  for (int step = 0; step < kMaxParseSteps; ++step) {
    if (pos < record.size() && isValueChar(record[pos])) {
      const std::size_t start = pos;
      while (pos < record.size() && isValueChar(record[pos])) ++pos;
      if (field >= kTableAxes) {
        result.error = RecordError::TooManyFields;
        return result;
      }
      fields[static_cast<std::size_t>(field)] = record.substr(start, pos - start);
      if (pos == record.size()) break;
    }
    skipGaps();
    ++field;
  }
  for (int a = 0; a < kTableAxes; ++a) {
    const double hundredths = RoundHalfEven(LeadingNumber(fields[static_cast<std::size_t>(a)]) * 100.0);
    if (!(hundredths >= std::numeric_limits<std::int32_t>::min() &&
          hundredths <= std::numeric_limits<std::int32_t>::max())) {
      result.error = RecordError::Overflow;
      return result;
    }
    result.values[static_cast<std::size_t>(a)] = static_cast<std::int32_t>(hundredths);
  }
  return result;
}

}  // namespace zova::positions
