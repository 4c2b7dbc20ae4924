// Reading the records of a LOC or SFT file: delimited-record input, and the parse of one record
// into six axis values.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "link/delimited_records.h"
#include "positions/position_table.h"

namespace zova::positions {

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
