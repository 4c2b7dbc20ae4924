// Text forms shared by the two parameter files: the printed number form and value parsing.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "link/delimited_records.h"

namespace zova {

// The number form of printed output: a blank before a non-negative value or "-" before a negative
// one, the digits, and one blank after: 2 -> " 2 ", -5 -> "-5 ".
std::string FormatPrintedNumber(std::int32_t value);

// A whole decimal integer: an optional "-", at least one digit, nothing else, within 32 bits.
bool ParseDecimalValue(std::string_view text, std::int32_t& out);

// Where a record's value part starts: just after its first "=", or at its start when it has none.
std::size_t ValueStart(std::string_view record);

inline bool IsValueChar(char c) { return (c >= '0' && c <= '9') || c == '-'; }
inline bool IsBlankOrTab(char c) { return c == ' ' || c == '\t'; }

}  // namespace zova
