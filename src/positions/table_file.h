// LOC and SFT files: one line per row, "P007 = 123.45 -0.05 0.00 1000.00 0.01 -2.50" and CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "link/ui.h"
#include "positions/position_table.h"

namespace zova::positions {

// The largest LOC or SFT file read: 2500 lines of more than 1600 characters each, where about 60 are written.
inline constexpr std::size_t kTableFileMaxBytes = 4 << 20;

// Descriptions of the load failures that the file layer does not name itself.
inline constexpr std::string_view kMsgPastEndOfFile = "Input past end of file";
inline constexpr std::string_view kMsgTooManyValues = "Subscript out of range";
inline constexpr std::string_view kMsgValueOverflow = "Overflow";

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
// the system's description followed by the file name, or by the prefix of the line being written.
bool SaveTableFile(const PositionTable& table, Ui& ui, const std::string& path);

// Reads fileRows records of the file's text into rows 0..fileRows-1; the number in each line is not read.
// On failure shows the description followed by the last record read, and keeps the rows loaded before it.
bool LoadTableText(PositionTable& table, Ui& ui, std::string_view text);

// LoadTableText on a file. A file that cannot be read (missing, not a regular file, larger than
// kTableFileMaxBytes) shows the system's description followed by the file name and changes no row.
bool LoadTableFile(PositionTable& table, Ui& ui, const std::string& path);

}  // namespace zova::positions
