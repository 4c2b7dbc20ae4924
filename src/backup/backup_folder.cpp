// A backup folder on disk: writing it whole, sweeping what killed runs left, reading and checking it.
#include "backup/backup_folder.h"

#include <algorithm>
#include <map>
#include <vector>

#include "backup/sha256.h"
#include "base/atomic_file.h"
#include "base/translation.h"
#include "positions/table_file.h"

namespace zova::backup {

namespace fs = std::filesystem;

namespace {

// Bounds of what a backup's files may hold: SHA256SUMS has one short line per file, no file of a backup is
// larger than the largest table file, and no raw block file larger than 2500 rows of six axes.
constexpr std::size_t kSumsMaxBytes = 64 << 10;
constexpr std::size_t kFileMaxBytes = positions::kTableFileMaxBytes;
constexpr std::size_t kRawMaxBytes = 64 << 10;

// A folder being written, removed with everything in it unless kept.
struct TemporaryFolder {
  std::string path;
  bool keep = false;
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!path.empty() && !keep) fs::remove_all(path, ignored);
  }
};

fs::path ParentOf(const fs::path& target) {
  return target.parent_path().empty() ? fs::path(".") : target.parent_path();
}

// Beside the target, so the final rename stays on one file system; false after a message.
bool MakeTemporary(Ui& ui, const fs::path& target, TemporaryFolder& temp) {
  const fs::path parent = ParentOf(target);
  temp.path = (parent / TemporaryFolderPrefix(target.filename().string())).string();
  if (std::string error; !MakeTemporaryFolder(temp.path, error)) {
    temp.path.clear();
    ui.messageBox(parent.string() + ": " + error);
    return false;
  }
  return true;
}

// What a backup folder holds is read where it is: a link or a device inside it could lead a restore to
// send what lies elsewhere. Empty, or what is wrong.
std::string PlainContent(const std::string& dir) {
  std::error_code ec;
  for (fs::recursive_directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status status = it->symlink_status(ec);
    if (!ec && !fs::is_regular_file(status) && !fs::is_directory(status)) {
      return Tr("{1}: not a plain file or folder", {it->path().lexically_relative(dir).generic_string()});
    }
  }
  return ec ? ec.message() : std::string();
}

bool Exists(const fs::path& path) {
  std::error_code ec;
  return fs::exists(fs::symlink_status(path, ec));
}

// Why `dir` is not a backup folder at all (neither SHA256SUMS nor BACKUP.txt in it), naming the backups
// inside it, as a fleet's controller folder holds them; empty when it may be one.
std::string NotABackup(const std::string& dir) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) return Tr("{1}: not a folder", {dir});
  if (Exists(fs::path(dir) / kSumsFile) || Exists(fs::path(dir) / kManifestFile)) return {};
  std::vector<std::string> inside;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    if (IsBackupFolder(it->path().string())) inside.push_back(it->path().filename().string());
  }
  std::sort(inside.begin(), inside.end());
  std::string names;
  for (const std::string& name : inside) names += (names.empty() ? "" : ", ") + name;
  return names.empty() ? Tr("{1}: not a backup folder (no {2})", {dir, kSumsFile})
                       : Tr("{1}: not a backup folder; the backups in it: {2}", {dir, names});
}

// The text files that do not say what their raw blocks hold, as "ZOVALOC.dat"; empty when all do. Both
// forms are restored from (the raw) and read by people (the text): one edited without the other is damage.
std::string Disagreeing(const FileSet& kept, const Snapshot& blocks, const Manifest& manifest) {
  std::string names;
  for (const auto& [name, content] : BackupFiles(blocks, manifest)) {
    if (name == kManifestFile || name.starts_with(std::string(kRawFolder) + "/")) continue;
    const auto it = kept.find(name);
    if (it == kept.end() || !SaysTheSame(name, it->second, content, manifest))
      names += (names.empty() ? "" : ", ") + name;
  }
  return names;
}

Outcome Damaged(Ui& ui, const std::string& dir, const std::string& why) {
  ui.messageBox(Tr("{1}: damaged or incomplete backup: {2}", {dir, why}));
  return Outcome::FileDamaged;
}

// Reads the files SHA256SUMS lists into `kept`, each checked against its digest.
Outcome ReadListedFiles(Ui& ui, const std::string& dir, FileSet& kept) {
  const std::string folder = dir + "/";
  std::string text;
  std::string error;
  if (!ReadPlainFile(folder + std::string(kSumsFile), kSumsMaxBytes, text, error)) {
    return Damaged(ui, dir, std::string(kSumsFile) + ": " + error);
  }
  std::map<std::string, std::string> digests;
  if (const TextFault fault = ParseSums(text, digests); fault.failed()) {
    ui.messageBox(FormatTextFault(folder + std::string(kSumsFile), fault));
    return Outcome::FileDamaged;
  }
  for (const auto& [name, digest] : digests) {
    const bool small = name == kManifestFile || name.starts_with(std::string(kRawFolder) + "/");
    std::string content;
    if (!ReadPlainFile(folder + name, small ? kRawMaxBytes : kFileMaxBytes, content, error)) {
      return Damaged(ui, dir, name + ": " + error);
    }
    const std::string made = Sha256Hex(content);
    if (made.empty()) {  // the digest library failed: the backup may be whole, so it is not called damaged
      ui.messageBox(Tr("{1}: its SHA-256 digest could not be made", {name}));
      return Outcome::FileFailed;
    }
    if (made != digest) return Damaged(ui, dir, Tr("{1}: its content does not match {2}", {name, kSumsFile}));
    kept[name] = std::move(content);
  }
  return Outcome::Ok;
}

// BACKUP.txt of the files read, and whether the system block's own AXES, which sizes the controller's
// tables once it is sent, is the backup's.
Outcome ReadManifest(Ui& ui, const std::string& dir, const FileSet& kept, Manifest& manifest) {
  const auto text = kept.find(std::string(kManifestFile));
  if (text == kept.end()) return Damaged(ui, dir, Tr("{1} is not in {2}", {kManifestFile, kSumsFile}));
  if (std::string error; !ParseManifest(text->second, manifest, error)) {
    return Damaged(ui, dir, std::string(kManifestFile) + ": " + error);
  }
  if (const auto sys = kept.find(RawFileName(Part::Sys)); sys != kept.end() && sys->second.size() >= 4) {
    const std::int32_t axes = AxesOf(Bytes(sys->second.begin(), sys->second.begin() + 4));
    if (axes != manifest.axes) {
      ui.messageBox(Tr("{1}: {2} holds AXES {3}, {4} says {5}",
                       {dir, sys->first, std::to_string(axes), kManifestFile, std::to_string(manifest.axes)}));
      return Outcome::Refused;
    }
  }
  return Outcome::Ok;
}

}  // namespace

fs::path BackupTarget(const std::string& dir) {
  const fs::path target = fs::path(dir).lexically_normal();
  return target.has_filename() ? target : target.parent_path();  // "DIR/" names DIR
}

bool BackupTargetFree(Ui& ui, const std::string& dir) {
  const fs::path target = BackupTarget(dir);
  std::error_code ec;
  // Not followed: the final rename would replace a link, not fill the folder it names.
  const fs::file_status status = fs::symlink_status(target, ec);
  if (target.filename().empty() || target.filename() == "." || target.filename() == ".." ||
      (fs::exists(status) && (!fs::is_directory(status) || !fs::is_empty(target, ec)))) {
    ui.messageBox(fs::is_symlink(status)
                      ? Tr("{1}: a symbolic link; the backup folder must be a new or empty folder", {dir})
                      : Tr("{1}: the backup folder must be new or empty", {dir}));
    return false;
  }
  return true;
}

bool PrepareBackupTarget(Ui& ui, const std::string& dir) {
  const fs::path target = BackupTarget(dir);
  const std::string name = target.filename().string();
  RemoveLeftovers(ParentOf(target), [&name](const std::string& entry) { return IsTemporaryFolderName(entry, name); });
  // The folder that is written is made once the controller has been read, which takes minutes: a run killed
  // meanwhile leaves nothing beside the target. This one, removed at once, finds a folder that cannot take it.
  TemporaryFolder probe;
  return MakeTemporary(ui, target, probe);
}

bool WriteBackupFolder(Ui& ui, const std::string& dir, FileSet& files) {
  const fs::path target = BackupTarget(dir);
  std::string sums;
  std::string error;
  if (!SumsText(files, sums, error)) {
    ui.messageBox(error);
    return false;
  }
  files[std::string(kSumsFile)] = std::move(sums);
  TemporaryFolder temp;
  if (!MakeTemporary(ui, target, temp)) return false;
  // A message names what failed as the target's file.
  auto fail = [&](const std::string& name) {
    ui.messageBox((target / name).string() + ": " + error);
    return false;
  };
  if (!MakeFolder(temp.path + "/" + std::string(kRawFolder), error)) return fail(std::string(kRawFolder));
  for (const auto& [name, content] : files) {
    if (!SaveFileAtomically(temp.path + "/" + name, content, error)) return fail(name);
  }
  if (!PublishFolder(temp.path, target.string(), error)) {
    ui.messageBox(target.string() + ": " + error);
    return false;
  }
  temp.keep = true;
  return true;
}

void RemoveLeftovers(const fs::path& folder, const std::function<bool(const std::string&)>& leftOver) {
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    if (leftOver(it->path().filename().string()) && IsOwnFolder(it->path().string())) {
      std::error_code ignored;
      fs::remove_all(it->path(), ignored);
    }
  }
}

bool IsBackupFolder(const std::string& dir) {
  std::error_code ec;
  return fs::is_regular_file(fs::symlink_status(fs::path(dir) / kSumsFile, ec)) &&
         fs::is_regular_file(fs::symlink_status(fs::path(dir) / kManifestFile, ec));
}

Outcome LoadBackup(Ui& ui, const std::string& dir, const Parts* only, LoadedBackup& out) {
  if (std::string why = NotABackup(dir); !why.empty()) {
    ui.messageBox(why);
    return Outcome::FileDamaged;
  }
  if (std::string wrong = PlainContent(dir); !wrong.empty()) return Damaged(ui, dir, wrong);
  FileSet kept;
  if (const Outcome read = ReadListedFiles(ui, dir, kept); read != Outcome::Ok) return read;
  if (const Outcome read = ReadManifest(ui, dir, kept, out.manifest); read != Outcome::Ok) return read;
  const Parts parts = only != nullptr ? *only : out.manifest.included;
  if (!out.manifest.included.covers(parts)) {
    ui.messageBox(Tr("{1}: the backup holds only {2}", {dir, out.manifest.included.text()}));
    return Outcome::Refused;
  }
  std::string error;
  if (!SnapshotFromFiles(kept, out.manifest.axes, out.manifest.included, out.snapshot, error)) {
    return Damaged(ui, dir, error);
  }
  if (const std::string names = Disagreeing(kept, out.snapshot, out.manifest); !names.empty()) {
    return Damaged(ui, dir, Tr("the text files do not say what their raw blocks hold: {1}", {names}));
  }
  out.snapshot.parts = parts;
  return Outcome::Ok;
}

}  // namespace zova::backup
