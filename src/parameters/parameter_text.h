// Text forms shared by the two parameter files: the printed number form and the delimited-record reader.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zova {

// The number form of printed output: a blank before a non-negative value or "-" before a negative
// one, the digits, and one blank after: 2 -> " 2 ", -5 -> "-5 ".
std::string FormatPrintedNumber(std::int32_t value);

// Reads a text as delimited-field input does: leading blanks are dropped, a record ends at a comma
// or at the end of its line, and a record that opens with a double quote runs to the closing quote.
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}
  // The next record; false at the end of the text.
  bool next(std::string& record);

 private:
  void skipLineEnd();
  std::string_view text_;
  std::size_t pos_ = 0;
};

// A whole decimal integer: an optional "-", at least one digit, nothing else, within 32 bits.
bool ParseDecimalValue(std::string_view text, std::int32_t& out);

// Where a record's value part starts: just after its first "=", or at its start when it has none.
std::size_t ValueStart(std::string_view record);

inline bool IsValueChar(char c) { return (c >= '0' && c <= '9') || c == '-'; }
inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace zova
