// The files of a backup folder: the source, table and parameter files in the program's own forms, the
// blocks as the controller sent them under raw/, BACKUP.txt, and SHA256SUMS in the form sha256sum checks.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "backup/parts.h"
#include "backup/snapshot.h"
#include "base/text_lines.h"

namespace zova::backup {

inline constexpr std::string_view kManifestFile = "BACKUP.txt";
inline constexpr std::string_view kSumsFile = "SHA256SUMS";
inline constexpr std::string_view kRawFolder = "raw";

// What BACKUP.txt records.
struct Manifest {
  std::string date;  // local time, ISO 8601
  std::string port;
  std::string settings;
  int axes = 0;
  int machineType = 0;
  std::string version;  // of this program
  Parts included;
};

[[nodiscard]] std::string ManifestText(const Manifest& manifest);
// Needs the axis count (2 to 6), the machine type (0 to 2) and the included parts; false with `error` else.
bool ParseManifest(std::string_view text, Manifest& manifest, std::string& error);

// File name (relative, "/" between folders) to content.
using FileSet = std::map<std::string, std::string>;

// The raw file of a part ("raw/ZOVALOC.bin") and of a program ("raw/ZOVAPRG05.bin").
[[nodiscard]] std::string RawFileName(Part part);
[[nodiscard]] std::string RawProgramFileName(int program);

// Every file of the backup of `snapshot`'s parts except SHA256SUMS: text files, raw files, BACKUP.txt.
[[nodiscard]] FileSet BackupFiles(const Snapshot& snapshot, const Manifest& manifest);

// Whether `stored`, the text file `name` of a backup, means what `written` (the writer's text of its raw
// block) means: the same bytes, or a text its reader takes to the same values, as an editor's or an older
// writer's form may be.
[[nodiscard]] bool SaysTheSame(std::string_view name, std::string_view stored, std::string_view written,
                               const Manifest& manifest);

// "digest  name" per file, in name order, LF line ends; false with `error` naming a file whose digest
// could not be made.
[[nodiscard]] bool SumsText(const FileSet& files, std::string& text, std::string& error);
// The names and digests of SHA256SUMS, read as `sha256sum -c --strict` reads them: every line exactly
// "DIGEST  NAME" or "DIGEST *NAME" with LF line ends, each name once. Only the names a backup writes are
// taken, so a listing cannot make a restore read more. Else the line and what is wrong with it.
[[nodiscard]] TextFault ParseSums(std::string_view text, std::map<std::string, std::string>& digests);

// A relative name that stays inside the folder on every system: parts between '/' or '\\' are neither
// empty, "." nor "..", and there is no drive, share or root.
[[nodiscard]] bool InsideFolder(std::string_view name);
// One of the names BackupFiles gives for a backup of every part.
[[nodiscard]] bool IsBackupFileName(std::string_view name);

// The AXES a system block sets: its first value, of the block's first 4 bytes.
[[nodiscard]] std::int32_t AxesOf(const Bytes& sys);

// The blocks of `parts` from the raw files; false with `error` naming a missing or malformed file.
bool SnapshotFromFiles(const FileSet& files, int axes, Parts parts, Snapshot& snapshot, std::string& error);

}  // namespace zova::backup
