// The axis parameter file: 36 lines of a 13-character prefix and six values, one per axis.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/ui.h"
#include "parameters/ax_para.h"
#include "parameters/parameter_text.h"

namespace zova::parameters {

// The largest axis parameter file read: 36 lines of more than 1800 characters each, where about 60 are written.
inline constexpr std::size_t kAxParaFileMaxBytes = 64 << 10;

// The file's whole text: all six axes whatever the configured count, CR LF line ends.
std::string AxParaFileText(const AxPara& table);

// Saves the file (a failed save leaves the old file whole). On failure shows a message box, OK
// only, whose text is the system's description immediately followed by the file name.
bool WriteAxParaFile(const std::string& path, const AxPara& table, Ui& ui);

// Reads the named entries of all six axes from the file's text: exactly the 36 lines the program writes,
// in order, six values each, allowing only for what an editor does to them (see ReadParameterLine and
// SplitTextLines). Anything else is refused at its line and changes no entry.
TextFault ParseAxParaText(std::string_view text, AxPara& table);

// ParseAxParaText on a file. When it is not read, no entry changes and `why` (if given) holds the message:
// the system's description followed by the file name, or "FILE:LINE: what is wrong".
Outcome ReadAxParaFile(const std::string& path, AxPara& table, std::string* why = nullptr);

}  // namespace zova::parameters
