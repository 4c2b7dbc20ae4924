// The axis parameter file: 36 lines of a 13-character prefix and six values, one per axis.
#pragma once

#include <cstddef>
#include <string>

#include "link/ui.h"
#include "parameters/ax_para.h"

namespace zova {

// The largest axis parameter file read: 36 lines of more than 1800 characters each, where about 60 are written.
inline constexpr std::size_t kAxParaFileMaxBytes = 64 << 10;

// The file's whole text: all six axes whatever the configured count, CR LF line ends.
std::string AxParaFileText(const AxPara& table);

// Saves the file (a failed save leaves the old file whole). On failure shows a message box, OK
// only, whose text is the system's description immediately followed by the file name.
bool WriteAxParaFile(const std::string& path, const AxPara& table, Ui& ui);

// Reads the named entries of all six axes line by line. A failure (a file that cannot be read: missing,
// not a regular file, larger than kAxParaFileMaxBytes; a missing line, an empty or non-numeric value
// text, a value beyond 32 bits) stops the read at that value: what was
// stored before keeps its new value, everything else its old one. No defaults, no message; `why`
// (if given) says what failed.
bool ReadAxParaFile(const std::string& path, AxPara& table, std::string* why = nullptr);

// Parses the file text as ReadAxParaFile does.
bool ParseAxParaText(std::string_view text, AxPara& table, std::string* why = nullptr);

}  // namespace zova
