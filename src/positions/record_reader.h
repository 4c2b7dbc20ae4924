// Reading the records of a LOC or SFT file: delimited-record input, and the parse of one record
// into six axis values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "positions/position_table.h"

namespace zova::positions {

// Splits text into records the way delimited-field input does: leading blanks are dropped, a record
// ends at a comma or at the end of the line, and a record that opens with a double quote runs to the
// closing quote (what follows it up to the next comma or line end is dropped).
class RecordReader {
 public:
  explicit RecordReader(std::string_view text) : text_(text) {}
  // The next record; false when the input is used up.
  bool next(std::string& record);

 private:
  void skipLineEnd();
  std::string_view text_;
  std::size_t pos_ = 0;
};

enum class RecordError { None, TooManyFields, Overflow };

struct ParsedRecord {
  PositionRow values{};  // fields not found are 0
  RecordError error = RecordError::None;
};

// Reads the values after the first "=" (or from the start): runs of digits, "-" and "." separated by
// blanks and tabs; any other character ends the record. Each is taken by the leading-number rule,
// times 100, rounded half to even. A seventh run is an error, and so is a value beyond 32 bits.
ParsedRecord ParseTableRecord(std::string_view record);

// The longest prefix forming a decimal number (optional "-", digits, at most one "."); 0 when none.
double LeadingNumber(std::string_view text);

}  // namespace zova::positions
