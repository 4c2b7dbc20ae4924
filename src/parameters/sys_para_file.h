// The system parameter file: 41 lines of a 13-character prefix and one value.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "base/ui.h"
#include "parameters/parameter_text.h"
#include "parameters/sys_para.h"

namespace zova::parameters {

// The largest system parameter file read: 41 lines of more than 1500 characters each, where 20 are written.
inline constexpr std::size_t kSysParaFileMaxBytes = 64 << 10;

// The file's whole text, CR LF line ends.
std::string SysParaFileText(const SysPara& table);

// Saves the file (a failed save leaves the old file whole). On failure shows a message box, OK
// only, whose text is the system's description immediately followed by the file name.
bool WriteSysParaFile(const std::string& path, const SysPara& table, Ui& ui);

// Reads the 41 named entries from the file's text: exactly the 41 lines the program writes, in order,
// allowing only for what an editor does to them (see ReadParameterLine and SplitTextLines). Anything else
// is refused at its line and changes no entry.
TextFault ParseSysParaText(std::string_view text, SysPara& table);

// ParseSysParaText on a file. When it is not read, no entry changes and `why` (if given) holds the message:
// the system's description followed by the file name, or "FILE:LINE: what is wrong".
Outcome ReadSysParaFile(const std::string& path, SysPara& table, std::string* why = nullptr);

}  // namespace zova::parameters
