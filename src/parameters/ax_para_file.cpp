// The axis parameter file.
#include "parameters/ax_para_file.h"

#include "link/atomic_file.h"
#include "parameters/parameter_text.h"

namespace zova {

std::string AxParaFileText(const AxPara& table) {
  std::string text;
  for (const AxParaEntry& e : AxParaEntries()) {
    text += e.prefix;
    for (int axis = 0; axis < kMaxAxes; ++axis) {
      if (axis > 0) text += ' ';
      text += FormatPrintedNumber(table[axis][static_cast<std::size_t>(e.entry)]);
    }
    text += "\r\n";
  }
  return text;
}

bool WriteAxParaFile(const std::string& path, const AxPara& table, Ui& ui) {
  std::string error;
  if (SaveFileAtomically(path, AxParaFileText(table), error)) return true;
  ui.messageBox(error + path);
  return false;
}

bool ParseAxParaText(std::string_view text, AxPara& table, std::string* why) {
  RecordReader reader(text);
  std::string record;
  int line = 0;
  auto fail = [&](const std::string& reason) {
    if (why) *why = "line " + std::to_string(line + 1) + ": " + reason;
    return false;
  };
  for (const AxParaEntry& e : AxParaEntries()) {
    if (!reader.next(record)) return fail("the file ends early");
    std::string_view r = record;
    std::size_t pos = ValueStart(r);
    while (pos < r.size() && r[pos] == ' ') ++pos;
    bool ended = false;  // a value ran to the end of the record: the later axes have no text
    for (int axis = 0; axis < kMaxAxes; ++axis) {
      std::string_view value;
      if (!ended && pos < r.size() && IsValueChar(r[pos])) {
        std::size_t start = pos;
        while (pos < r.size() && IsValueChar(r[pos])) ++pos;
        value = r.substr(start, pos - start);
        ended = pos >= r.size();
      }
      std::int32_t number = 0;
      if (!ParseDecimalValue(value, number)) {
        return fail("no value for axis " + std::to_string(axis + 1) + " in \"" + record + "\"");
      }
      table[axis][static_cast<std::size_t>(e.entry)] = number;
      while (pos < r.size() && IsBlankOrTab(r[pos])) ++pos;
    }
    ++line;
  }
  return true;
}

bool ReadAxParaFile(const std::string& path, AxPara& table, std::string* why) {
  std::string text;
  std::string error;
  if (!ReadWholeFile(path, kAxParaFileMaxBytes, text, error)) {
    if (why) *why = error;
    return false;
  }
  return ParseAxParaText(text, table, why);
}

}  // namespace zova
