// LOC and SFT files: one line per row, "P007 = 123.45 -0.05 0.00 1000.00 0.01 -2.50" and CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "link/ui.h"
#include "positions/position_table.h"

namespace zova::positions {

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

// Reads fileRows records into rows 0..fileRows-1; the number in each line is not read. On failure
// shows the description followed by the file name (when it cannot be read) or by the last record read,
// and keeps the rows loaded before it.
bool LoadTableFile(PositionTable& table, Ui& ui, const std::string& path);

}  // namespace zova::positions
