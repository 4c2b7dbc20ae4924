// The system parameter file.
#include "parameters/sys_para_file.h"

#include <array>

#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "parameters/parameter_text.h"

namespace zova::parameters {

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
  ui.messageBox(FormatFileFault(path, error));
  return false;
}

TextFault ParseSysParaText(std::string_view text, SysPara& table) {
  SysPara read = table;  // a refused file changes no entry
  const TextFault fault =
      ReadParameterFile<1>(text, SysParaEntries(),
                           [&](const SysParaEntry& e, const std::array<std::int32_t, 1>& v) { read[e.index] = v[0]; });
  if (!fault.failed()) table = read;
  return fault;
}

Outcome ReadSysParaFile(const std::string& path, SysPara& table, std::string* why) {
  return ReadParameterFileAt(path, kSysParaFileMaxBytes, why,
                             [&](std::string_view text) { return ParseSysParaText(text, table); });
}

}  // namespace zova::parameters
