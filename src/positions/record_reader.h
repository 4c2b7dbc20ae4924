// Reading positions as text: one line of a LOC or SFT file, and the number a screen's box starts with.
#pragma once

#include <string_view>

#include "base/text_lines.h"
#include "positions/position_table.h"

namespace zova::positions {

// One line of a LOC or SFT file as the program writes it for row `number` ("P007 = 123.45 -0.05 0.00 1000.00
// 0.01 -2.50"), blanks and tabs in any runs: the row's own name, "=", and six values with at most two
// decimals ("1.5" is 1.50) that the controller's table can hold. On success the values go into `row`; otherwise the
// fault says what is wrong (its line is left for the caller).
TextFault ReadTableLine(const TableLayout& layout, int number, std::string_view line, PositionRow& row);

// The longest prefix forming a decimal number (optional "-", digits, at most one "."); 0 when none.
double LeadingNumber(std::string_view text);

}  // namespace zova::positions
