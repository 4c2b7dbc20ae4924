// Lines, words and numbers of text files a person may have edited.
#include "link/text_lines.h"

#include <limits>

#include "link/translation.h"

namespace zova {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsGap(char c) { return c == ' ' || c == '\t'; }

// A scaled value in the form ReadFixedDecimal reads: FormatFixed(-16777216, 2) is "-167772.16".
std::string FormatFixed(long long value, int decimals) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  if (decimals > 0) {
    if (digits.size() <= static_cast<std::size_t>(decimals)) {
      digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    }
    digits.insert(digits.size() - static_cast<std::size_t>(decimals), ".");
  }
  return (value < 0 ? "-" : "") + digits;
}

}  // namespace

std::vector<TextLine> SplitTextLines(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  std::vector<TextLine> lines;
  int number = 0;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back({line, ++number});
  }
  return lines;
}

std::vector<std::string_view> SplitWords(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t pos = 0;
  while (pos < line.size()) {
    while (pos < line.size() && IsGap(line[pos])) ++pos;
    const std::size_t start = pos;
    while (pos < line.size() && !IsGap(line[pos])) ++pos;
    if (pos > start) words.push_back(line.substr(start, pos - start));
  }
  return words;
}

std::string NormalizeEditorText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const TextLine& line : SplitTextLines(text)) {
    bool first = true;
    for (std::string_view word : SplitWords(line.text)) {
      if (!first) out += ' ';
      out += word;
      first = false;
    }
    out += '\n';
  }
  return out;
}

std::string FormatTextFault(std::string_view file, const TextFault& fault) {
  std::string text(file);
  if (fault.line > 0) text += ":" + std::to_string(fault.line);
  text += ": ";
  text += fault.message;
  return text;
}

bool ReadFixedDecimal(std::string_view text, int decimals, long long min, long long max, long long& value) {
  bool negative = false;
  if (text.starts_with('-')) {
    negative = true;
    text.remove_prefix(1);
  }
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
  if (whole.empty() || (decimals == 0) != (point == std::string_view::npos) ||
      fraction.size() != static_cast<std::size_t>(decimals)) {
    return false;
  }
  // "-0.00" and "007.00" mean what the program writes otherwise, so they are not its form.
  if (whole.size() > 1 && whole[0] == '0') return false;
  // Far more digits than any field holds would overflow the sum below; such a number is out of range anyway.
  if (whole.size() > 15) return false;
  long long magnitude = 0;
  for (std::string_view part : {whole, fraction}) {
    for (char c : part) {
      if (c < '0' || c > '9') return false;
      magnitude = magnitude * 10 + (c - '0');
    }
  }
  if (negative && magnitude == 0) return false;
  const long long signedValue = negative ? -magnitude : magnitude;
  if (signedValue < min || signedValue > max) return false;
  value = signedValue;
  return true;
}

std::string FixedDecimalFault(std::string_view text, int decimals, long long min, long long max) {
  constexpr long long kLowest = std::numeric_limits<long long>::min();
  constexpr long long kHighest = std::numeric_limits<long long>::max();
  const std::string word(text);
  long long value = 0;
  if (ReadFixedDecimal(text, decimals, kLowest, kHighest, value)) {
    return Tr("{1} lies outside {2} to {3}", {word, FormatFixed(min, decimals), FormatFixed(max, decimals)});
  }
  if (text.find(',') != std::string_view::npos) return Tr("{1} has a comma", {word});
  const std::size_t point = text.find('.');
  const int written = point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
  if (written > decimals && ReadFixedDecimal(text, written, kLowest, kHighest, value)) {
    return decimals == 0 ? Tr("{1} is not a whole number", {word})
                         : Tr("{1} has more than {2} decimals", {word, std::to_string(decimals)});
  }
  long long twelve = 12;
  for (int d = 0; d < decimals; ++d) twelve *= 10;
  return Tr("{1} is not a number as the program writes it (such as {2} or {3})",
            {word, FormatFixed(twelve, decimals), FormatFixed(-5, decimals)});
}

}  // namespace zova
