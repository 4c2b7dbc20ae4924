// The system parameter file: 41 lines of a 13-character prefix and one value.
#pragma once

#include <cstddef>
#include <string>

#include "link/ui.h"
#include "parameters/sys_para.h"

namespace zova {

// The largest system parameter file read: 41 lines of more than 1500 characters each, where 20 are written.
inline constexpr std::size_t kSysParaFileMaxBytes = 64 << 10;

// The file's whole text, CR LF line ends.
std::string SysParaFileText(const SysPara& table);

// Saves the file (a failed save leaves the old file whole). On failure shows a message box, OK
// only, whose text is the system's description immediately followed by the file name.
bool WriteSysParaFile(const std::string& path, const SysPara& table, Ui& ui);

// Reads the 41 named entries. Any failure (a file that cannot be read: missing, not a regular file,
// larger than kSysParaFileMaxBytes; a missing line, an empty or non-numeric value text, a value beyond
// 32 bits) sets all 41 named entries to their defaults and returns false, silently; `why` (if given)
// then says what failed.
bool ReadSysParaFile(const std::string& path, SysPara& table, std::string* why = nullptr);

// Parses the file text as ReadSysParaFile does.
bool ParseSysParaText(std::string_view text, SysPara& table, std::string* why = nullptr);

// The value text of one record: up to 21 runs of digits and "-" from just after the first "=",
// blanks between them skipped, joined; the first character of another kind ends it.
std::string SysParaValueText(std::string_view record);

}  // namespace zova
