// The axis parameter file.
#include "parameters/ax_para_file.h"

#include <array>

#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "parameters/parameter_text.h"

namespace zova::parameters {

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
  ui.messageBox(FormatFileFault(path, error));
  return false;
}

TextFault ParseAxParaText(std::string_view text, AxPara& table) {
  AxPara read = table;  // a refused file changes no entry
  const TextFault fault = ReadParameterFile<kMaxAxes>(
      text, AxParaEntries(), [&](const AxParaEntry& e, const std::array<std::int32_t, kMaxAxes>& values) {
        for (int axis = 0; axis < kMaxAxes; ++axis) {
          read[axis][static_cast<std::size_t>(e.entry)] = values[static_cast<std::size_t>(axis)];
        }
      });
  if (!fault.failed()) table = read;
  return fault;
}

Outcome ReadAxParaFile(const std::string& path, AxPara& table, std::string* why) {
  return ReadParameterFileAt(path, kAxParaFileMaxBytes, why,
                             [&](std::string_view text) { return ParseAxParaText(text, table); });
}

}  // namespace zova::parameters
