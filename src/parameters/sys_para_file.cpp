// The system parameter file.
#include "parameters/sys_para_file.h"

#include "link/atomic_file.h"
#include "parameters/parameter_text.h"

namespace zova {

std::string SysParaFileText(const SysPara& table) {
  std::string text;
  for (const SysParaEntry& e : SysParaEntries()) {
    text += e.prefix;
    text += FormatPrintedNumber(table[e.index]);
    text += "\r\n";
  }
  return text;
}

bool WriteSysParaFile(const std::string& path, const SysPara& table, Ui& ui) {
  std::string error;
  if (SaveFileAtomically(path, SysParaFileText(table), error)) return true;
  ui.messageBox(error + path);
  return false;
}

std::string SysParaValueText(std::string_view record) {
  std::string value;
  std::size_t pos = ValueStart(record);
  for (int pass = 0; pass < 21 && pos < record.size(); ++pass) {
    std::size_t start = pos;
    while (pos < record.size() && IsValueChar(record[pos])) ++pos;
    value.append(record.substr(start, pos - start));
    while (pos < record.size() && IsBlankOrTab(record[pos])) ++pos;
  }
  return value;
}

bool ParseSysParaText(std::string_view text, SysPara& table, std::string* why) {
  RecordReader reader(text);
  std::string record;
  int line = 0;
  auto fail = [&](const std::string& reason) {
    if (why) *why = "line " + std::to_string(line + 1) + ": " + reason;
    table.SetDefaults();  // entries already read are replaced too
    return false;
  };
  for (const SysParaEntry& e : SysParaEntries()) {
    if (!reader.next(record)) return fail("the file ends early");
    std::int32_t value = 0;
    if (!ParseDecimalValue(SysParaValueText(record), value)) return fail("no value in \"" + record + "\"");
    table[e.index] = value;
    ++line;
  }
  return true;
}

bool ReadSysParaFile(const std::string& path, SysPara& table, std::string* why) {
  std::string text;
  std::string error;
  if (!ReadWholeFile(path, kSysParaFileMaxBytes, text, error)) {
    if (why) *why = error;
    table.SetDefaults();
    return false;
  }
  return ParseSysParaText(text, table, why);
}

}  // namespace zova
