// Lines, words and numbers of text files a person may have edited.
#include "base/text_lines.h"

#include <algorithm>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <utility>

#include "base/atomic_file.h"
#include "base/translation.h"

namespace zova {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsGap(char c) { return c == ' ' || c == '\t'; }

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

constexpr char kEndOfFileMark = '\x1A';

// Bytes 2.. of a UTF-8 sequence that starts with `lead`, or -1 when no sequence starts with it.
int FollowingBytes(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 1;
  if (lead >= 0xE0 && lead <= 0xEF) return 2;
  if (lead >= 0xF0 && lead <= 0xF4) return 3;
  return -1;
}

// The length of the well-formed UTF-8 character at the start of `text` that is not a control character; 0 when there is
// none.
std::size_t PrintableCharacter(std::string_view text) {
  const auto lead = static_cast<unsigned char>(text[0]);
  if (lead < 0x80) return lead >= 0x20 && lead != 0x7F ? 1 : 0;
  const int more = FollowingBytes(lead);
  if (more < 0 || text.size() <= static_cast<std::size_t>(more)) return 0;
  std::uint32_t code = lead & (0x3Fu >> more);
  for (int i = 1; i <= more; ++i) {
    const auto next = static_cast<unsigned char>(text[static_cast<std::size_t>(i)]);
    if ((next & 0xC0) != 0x80) return 0;
    code = code << 6 | (next & 0x3Fu);
  }
  // Overlong forms, surrogates, code points past U+10FFFF and the C1 controls are not shown as they are.
  static constexpr std::uint32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (code < kLeast[more] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF || code < 0xA0) return 0;
  return static_cast<std::size_t>(more) + 1;
}

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
  if (text.ends_with(kEndOfFileMark)) text.remove_suffix(1);
  std::vector<TextLine> lines;
  int number = 0;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    if (lf != std::string_view::npos && line.ends_with('\r')) line.remove_suffix(1);
    lines.push_back({line, ++number});
  }
  while (!lines.empty() && IsBlank(lines.back().text)) lines.pop_back();
  return lines;
}

std::string TextFormProblem(std::string_view text) {
  // Text in UTF-16 starts with its byte order mark (FF FE or FE FF) or has a zero byte beside its first
  // character, as beside every ASCII one.
  const unsigned first = text.empty() ? 1 : static_cast<unsigned char>(text[0]);
  const unsigned second = text.size() < 2 ? 1 : static_cast<unsigned char>(text[1]);
  if ((first == 0xFF && second == 0xFE) || (first == 0xFE && second == 0xFF) || (first == 0) != (second == 0)) {
    return Tr("UTF-16: save it as UTF-8");
  }
  if (text.find('\n') == std::string_view::npos && text.find('\r') != std::string_view::npos) {
    return Tr("line ends are CR only: save it with CR LF or LF line ends");
  }
  return {};
}

bool ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  std::string text;
  if (!ReadWholeFile(path, maxBytes, text, error)) return false;
  error = TextFormProblem(text);
  if (!error.empty()) return false;
  content = std::move(text);
  return true;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return out;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t at = 0; at <= text.size();) {
    const std::size_t end = std::min(text.find(separator, at), text.size());
    parts.push_back(text.substr(at, end - at));
    at = end + 1;
  }
  return parts;
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

std::string EscapeControls(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    if (const std::size_t n = PrintableCharacter(text); n > 0) {
      out += text.substr(0, n);
      text.remove_prefix(n);
      continue;
    }
    const char c = text.front();
    text.remove_prefix(1);
    if (c == '\r') {
      out += "\\r";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      char escaped[5];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
      out += escaped;
    }
  }
  return out;
}

std::string FormatTextFault(std::string_view file, const TextFault& fault) {
  std::string text = EscapeControls(file);
  if (fault.line > 0) text += ":" + std::to_string(fault.line);
  text += ": ";
  text += EscapeControls(fault.message);
  return text;
}

std::string FormatFileFault(std::string_view file, std::string_view reason) {
  return FormatTextFault(file, {0, std::string(reason)});
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
  if (whole.empty() || (point != std::string_view::npos && fraction.empty()) ||
      fraction.size() > static_cast<std::size_t>(decimals)) {
    return false;
  }
  // "-0" and "007" mean what is written otherwise ("0", "7"), and a reader who sees a leading zero may take octal.
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
  for (std::size_t d = fraction.size(); d < static_cast<std::size_t>(decimals); ++d) magnitude *= 10;
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
  return Tr("{1} is not a decimal number such as {2} or {3}",
            {word, FormatFixed(twelve, decimals), FormatFixed(-5, decimals)});
}

}  // namespace zova
