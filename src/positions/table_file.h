// LOC and SFT files: one line per row, "P007 = 123.45 -0.05 0.00 1000.00 0.01 -2.50" and CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/text_lines.h"
#include "base/ui.h"
#include "positions/position_table.h"

namespace zova::positions {

// The largest LOC or SFT file read: 2500 lines of more than 1600 characters each, where about 60 are written.
inline constexpr std::size_t kTableFileMaxBytes = 4 << 20;

// "P007" / "S07": the prefix and the number with at least the layout's digits.
std::string FormatRowName(const TableLayout& layout, int number);
// "P007 = " / "S07 = ": the row's name and " = ".
std::string FormatLinePrefix(const TableLayout& layout, int number);
// The whole line without its line end.
std::string FormatTableLine(const TableLayout& layout, int number, const PositionRow& row);
// Rows 0..fileRows-1, each line ended by CR LF.
std::string FormatTableFile(const PositionTable& table);
// The row whose line holds byte `offset` of FormatTableFile's text (the last row past the end).
int RowAtOffset(std::string_view fileText, std::size_t offset, int rows);

// Writes rows 0..fileRows-1 to `path` so that a failure leaves the old file whole. On failure shows
// "FILE: the system's description", or "FILE:LINE: ..." naming the line being written.
bool SaveTableFile(const PositionTable& table, Ui& ui, const std::string& path);

// Reads the text of a LOC or SFT file into rows 0..fileRows-1. It must hold the lines the program writes,
// one per row in order (see ReadTableLine), allowing only for what an editor does to them (see
// SplitTextLines and SplitWords). Anything else is refused at its line and leaves every row as it was.
TextFault ReadTableText(std::string_view text, PositionTable& table);

// ReadTableText on a file. A file that cannot be read (missing, not a regular file, larger than
// kTableFileMaxBytes, not text in lines) shows "FILE: why"; a refused text shows "FILE:LINE: what is
// wrong". Either way no row changes.
bool LoadTableFile(PositionTable& table, Ui& ui, const std::string& path);

}  // namespace zova::positions
