// LOC and SFT files.
#include "positions/table_file.h"

#include <algorithm>
#include <string>

#include "link/atomic_file.h"
#include "link/decoders.h"
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
    ui.messageBox(error + FormatLinePrefix(table.layout(), row));
  } else {
    ui.messageBox(error + path);
  }
  return false;
}

bool LoadTableText(PositionTable& table, Ui& ui, std::string_view text) {
  RecordReader reader(text);
  std::string record;  // the last record read, named by the messages
  std::string next;
  for (int n = 0; n < table.layout().fileRows; ++n) {
    if (!reader.next(next)) {
      ui.messageBox(std::string(kMsgPastEndOfFile) + record);
      return false;
    }
    record = next;
    const ParsedRecord parsed = ParseTableRecord(record);
    if (parsed.error != RecordError::None) {
      ui.messageBox(std::string(parsed.error == RecordError::TooManyFields ? kMsgTooManyValues : kMsgValueOverflow) +
                    record);
      return false;
    }
    table[n] = parsed.values;
  }
  return true;
}

bool LoadTableFile(PositionTable& table, Ui& ui, const std::string& path) {
  std::string text;
  std::string error;
  if (!ReadWholeFile(path, kTableFileMaxBytes, text, error)) {
    ui.messageBox(error + path);
    return false;
  }
  return LoadTableText(table, ui, text);
}

}  // namespace zova::positions
