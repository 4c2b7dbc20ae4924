// LOC and SFT files.
#include "positions/table_file.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/atomic_file.h"
#include "link/decoders.h"
#include "base/text_lines.h"
#include "base/translation.h"
#include "positions/record_reader.h"

namespace zova::positions {

std::string FormatRowName(const TableLayout& layout, int number) {
  std::string digits = std::to_string(number);
  if (static_cast<int>(digits.size()) < layout.numberDigits) {
    digits.insert(0, static_cast<std::size_t>(layout.numberDigits) - digits.size(), '0');
  }
  return std::string(layout.prefix) + digits;
}

std::string FormatLinePrefix(const TableLayout& layout, int number) { return FormatRowName(layout, number) + " = "; }

std::string FormatTableLine(const TableLayout& layout, int number, const PositionRow& row) {
  std::string line = FormatLinePrefix(layout, number);
  for (int a = 0; a < kTableAxes; ++a) {
    if (a > 0) line += ' ';
    line += FormatHundredths(std::int64_t{row[static_cast<std::size_t>(a)]});
  }
  return line;
}

std::string FormatTableFile(const PositionTable& table) {
  const TableLayout& layout = table.layout();
  std::string text;
  text.reserve(static_cast<std::size_t>(layout.fileRows) * 64);
  for (int n = 0; n < layout.fileRows; ++n) {
    text += FormatTableLine(layout, n, table[n]);
    text += "\r\n";
  }
  return text;
}

int RowAtOffset(std::string_view fileText, std::size_t offset, int rows) {
  offset = std::min(offset, fileText.size());
  const auto lineEnds = std::count(fileText.begin(), fileText.begin() + static_cast<std::ptrdiff_t>(offset), '\n');
  return std::min(static_cast<int>(lineEnds), rows - 1);
}

bool SaveTableFile(const PositionTable& table, Ui& ui, const std::string& path) {
  const std::string text = FormatTableFile(table);
  std::string error;
  SaveFailure where;
  if (SaveFileAtomically(path, text, error, where)) return true;
  if (where.stage == SaveFailure::Stage::Write) {
    const int row = RowAtOffset(text, where.offset, table.layout().fileRows);
    ui.messageBox(FormatTextFault(path, {row + 1, error}));
  } else {
    ui.messageBox(FormatFileFault(path, error));
  }
  return false;
}

TextFault ReadTableText(std::string_view text, PositionTable& table) {
  const TableLayout& layout = table.layout();
  const std::vector<TextLine> lines = SplitTextLines(text);
  const auto rowCount = static_cast<std::size_t>(layout.fileRows);
  // Rows go into a copy first: a refusal at the last line must not leave the rows before it changed.
  std::vector<PositionRow> rows(rowCount);
  for (std::size_t n = 0; n < rowCount; ++n) {
    const int number = static_cast<int>(n);
    if (n >= lines.size()) {
      return {number + 1, Tr("Input past end of file: no line for {1}", {FormatRowName(layout, number)})};
    }
    TextFault fault = ReadTableLine(layout, number, lines[n].text, rows[n]);
    if (fault.failed()) {
      fault.line = lines[n].number;
      return fault;
    }
  }
  if (lines.size() > rowCount) {
    return {lines[rowCount].number, Tr("a line after {1}, the last row", {FormatRowName(layout, layout.fileRows - 1)})};
  }
  for (std::size_t n = 0; n < rowCount; ++n) table[static_cast<int>(n)] = rows[n];
  return {};
}

bool LoadTableFile(PositionTable& table, Ui& ui, const std::string& path) {
  std::string text;
  std::string error;
  if (!ReadTextFile(path, kTableFileMaxBytes, text, error)) {
    ui.messageBox(FormatFileFault(path, error));
    return false;
  }
  const TextFault fault = ReadTableText(text, table);
  if (!fault.failed()) return true;
  ui.messageBox(FormatTextFault(path, fault));
  return false;
}

}  // namespace zova::positions
