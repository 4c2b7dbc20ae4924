// A backup folder on disk: written whole in a temporary folder beside its target and renamed into place, so
// it is there whole or not at all; read back only as plain files whose digests and raw blocks agree.
#pragma once

#include <filesystem>
#include <functional>
#include <string>

#include "backup/backup_files.h"
#include "backup/parts.h"
#include "backup/snapshot.h"
#include "base/outcome.h"
#include "base/ui.h"

namespace zova::backup {

// The folder a backup of `dir` goes to ("DIR/" names DIR).
[[nodiscard]] std::filesystem::path BackupTarget(const std::string& dir);
// Whether `dir` may take a backup: absent, or an empty folder that is not a link; false after a message.
[[nodiscard]] bool BackupTargetFree(Ui& ui, const std::string& dir);
// Removes what earlier backups of `dir` left beside it when killed outright, and makes sure a temporary
// folder can be made there before the line is used; false after a message.
[[nodiscard]] bool PrepareBackupTarget(Ui& ui, const std::string& dir);
// Adds SHA256SUMS to `files`, writes them into a temporary folder beside `dir` and renames it into place;
// false after a message naming what failed, with no folder left.
[[nodiscard]] bool WriteBackupFolder(Ui& ui, const std::string& dir, FileSet& files);

// Removes the entries of `folder` that `leftOver` (given an entry's name) takes for the temporary folder
// of a backup killed outright, where they are the user's own folders; remove_all deletes links inside,
// never what they lead to.
void RemoveLeftovers(const std::filesystem::path& folder, const std::function<bool(const std::string&)>& leftOver);

// Whether `dir` holds a backup's SHA256SUMS and BACKUP.txt as plain files (not whether they are right).
[[nodiscard]] bool IsBackupFolder(const std::string& dir);

struct LoadedBackup {
  Manifest manifest;
  Snapshot snapshot;  // of the parts asked for
};

// Reads a backup folder, checks every file SHA256SUMS lists, every text file against its raw block and the
// AXES of the system block against BACKUP.txt, and takes the blocks of `only` (if given, else of all the
// backup holds). Ok, or FileDamaged, Refused or FileFailed after a message.
[[nodiscard]] Outcome LoadBackup(Ui& ui, const std::string& dir, const Parts* only, LoadedBackup& out);

}  // namespace zova::backup
