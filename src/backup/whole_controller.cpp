// Backup, restore and compare of a whole controller.
#include "backup/whole_controller.h"

#include <algorithm>
#include <filesystem>
#include <span>

#include "backup/backup_files.h"
#include "backup/progress.h"
#include "backup/sha256.h"
#include "backup/transfers.h"
#include "base/atomic_file.h"
#include "base/system.h"
#include "base/translation.h"
#include "parameters/wire_value.h"
#include "positions/table_file.h"

namespace zova::backup {

namespace fs = std::filesystem;

namespace {

// Bounds of what a backup's files may hold: SHA256SUMS has one short line per file, no file of a backup is
// larger than the largest table file, and no raw block file larger than 2500 rows of six axes.
constexpr std::size_t kSumsMaxBytes = 64 << 10;
constexpr std::size_t kFileMaxBytes = positions::kTableFileMaxBytes;
constexpr std::size_t kRawMaxBytes = 64 << 10;

// Parts in the order they travel: the system parameters first, as AXES decides the size of the rest.
constexpr Part kTravelOrder[] = {Part::Sys, Part::Axis, Part::Loc, Part::Sft, Part::Programs};

// A wait the operator's stop cut short fails its transfer like silence would; it was a stop. Whatever else
// ended a step midway, the controller no longer matches one copy: a failure of the transfer.
Outcome Stopped(const Link& link, const Outcome& step) {
  if (step == Outcome::Cancelled || link.StoppedByOperator) return Outcome::Cancelled;
  return step.linkFailed() || step == Outcome::BadChecksum ? step : Outcome(Outcome::Rejected, to_string(step));
}

std::int32_t AxesOf(const Bytes& sys) { return DecodeParameterValue(std::span<const std::uint8_t, 4>(sys.data(), 4)); }

// Fetches every part of `parts` into `s`; false at the first failure, which is then explained.
Outcome FetchAll(Link& link, OverallProgress& progress, Snapshot& s, bool checkAxes) {
  Ui& ui = link.ui();
  for (Part part : kTravelOrder) {
    if (!s.parts.has(part)) continue;
    const int count = part == Part::Programs ? kBackupPrograms : 1;
    for (int n = 0; n < count; ++n) {
      const Outcome step = FetchPart(link, progress, s, part, n);
      if (step == Outcome::BadChecksum) {
        // The transfers answer such a block with DLE and say nothing; a backup must not go on without it.
        ui.messageBox(Tr("a block of the {1} arrived with a wrong checksum", {Tr(PartTitle(part))}));
      }
      if (!step) return Stopped(link, step);
    }
    if (part == Part::Sys && checkAxes) {
      const std::int32_t axes = AxesOf(s.sys);
      if (axes != s.axes) {
        ui.messageBox(Tr("the controller reports AXES {1}, the configured axis count is {2}",
                         {std::to_string(axes), std::to_string(s.axes)}));
        return Outcome::Refused;
      }
    }
  }
  return Outcome::Ok;
}

// A folder being written, removed with everything in it unless kept.
struct TemporaryFolder {
  std::string path;
  bool keep = false;
  ~TemporaryFolder() {
    std::error_code ignored;
    if (!path.empty() && !keep) fs::remove_all(path, ignored);
  }
};

// Writes the files, then renames the folder into place; a message names what failed as the target's file.
bool WriteFolder(Ui& ui, TemporaryFolder& temp, const FileSet& files, const fs::path& target) {
  std::string error;
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

struct Loaded {
  Manifest manifest;
  Snapshot snapshot;
};

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

// Reads a backup folder, checks every file SHA256SUMS lists and every text file against its raw block, and
// takes the blocks of the parts asked for.
Outcome LoadBackup(Ui& ui, const std::string& dir, const Parts* only, Loaded& out) {
  auto damaged = [&](const std::string& why) {
    ui.messageBox(Tr("{1}: damaged or incomplete backup: {2}", {dir, why}));
    return Outcome::FileDamaged;
  };
  const std::string folder = dir + "/";
  std::string text;
  std::string error;
  std::map<std::string, std::string> digests;
  if (std::string why = NotABackup(dir); !why.empty()) {
    ui.messageBox(why);
    return Outcome::FileDamaged;
  }
  if (std::string wrong = PlainContent(dir); !wrong.empty()) return damaged(wrong);
  if (!ReadPlainFile(folder + std::string(kSumsFile), kSumsMaxBytes, text, error)) {
    return damaged(std::string(kSumsFile) + ": " + error);
  }
  if (const TextFault fault = ParseSums(text, digests); fault.failed()) {
    ui.messageBox(FormatTextFault(folder + std::string(kSumsFile), fault));
    return Outcome::FileDamaged;
  }
  FileSet kept;
  for (const auto& [name, digest] : digests) {
    const bool small = name == kManifestFile || name.starts_with(std::string(kRawFolder) + "/");
    std::string content;
    if (!ReadPlainFile(folder + name, small ? kRawMaxBytes : kFileMaxBytes, content, error)) {
      return damaged(name + ": " + error);
    }
    const std::string made = Sha256Hex(content);
    if (made.empty()) {  // the digest library failed: the backup may be whole, so it is not called damaged
      ui.messageBox(Tr("{1}: its SHA-256 digest could not be made", {name}));
      return Outcome::FileFailed;
    }
    if (made != digest) return damaged(Tr("{1}: its content does not match {2}", {name, kSumsFile}));
    kept[name] = std::move(content);
  }
  const auto manifest = kept.find(std::string(kManifestFile));
  if (manifest == kept.end()) return damaged(Tr("{1} is not in {2}", {kManifestFile, kSumsFile}));
  if (!ParseManifest(manifest->second, out.manifest, error)) return damaged(std::string(kManifestFile) + ": " + error);
  // The system block's own AXES sizes the controller's tables once it is sent: it must be the backup's.
  if (const auto sys = kept.find(RawFileName(Part::Sys)); sys != kept.end() && sys->second.size() >= 4) {
    const std::int32_t axes = AxesOf(Bytes(sys->second.begin(), sys->second.begin() + 4));
    if (axes != out.manifest.axes) {
      ui.messageBox(Tr("{1}: {2} holds AXES {3}, {4} says {5}",
                       {dir, sys->first, std::to_string(axes), kManifestFile, std::to_string(out.manifest.axes)}));
      return Outcome::Refused;
    }
  }
  const Parts parts = only != nullptr ? *only : out.manifest.included;
  if (!out.manifest.included.covers(parts)) {
    ui.messageBox(Tr("{1}: the backup holds only {2}", {dir, out.manifest.included.text()}));
    return Outcome::Refused;
  }
  if (!SnapshotFromFiles(kept, out.manifest.axes, out.manifest.included, out.snapshot, error)) return damaged(error);
  if (const std::string names = Disagreeing(kept, out.snapshot, out.manifest); !names.empty()) {
    return damaged(Tr("the text files do not say what their raw blocks hold: {1}", {names}));
  }
  out.snapshot.parts = parts;
  return Outcome::Ok;
}

std::string DifferenceCount(std::size_t count) {
  return count == 1 ? Tr("{1} difference", {std::to_string(count)}) : Tr("{1} differences", {std::to_string(count)});
}

fs::path BackupTarget(const std::string& dir) {
  const fs::path target = fs::path(dir).lexically_normal();
  return target.has_filename() ? target : target.parent_path();  // "DIR/" names DIR
}

}  // namespace

bool IsBackupFolder(const std::string& dir) {
  std::error_code ec;
  return fs::is_regular_file(fs::symlink_status(fs::path(dir) / kSumsFile, ec)) &&
         fs::is_regular_file(fs::symlink_status(fs::path(dir) / kManifestFile, ec));
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

Report Backup(Link& link, const Setup& setup, Parts parts, const std::string& dir) {
  Report report;
  Ui& ui = link.ui();
  if (!BackupTargetFree(ui, dir)) {
    report.result = Outcome::Refused;
    report.summary.push_back(Tr("no backup was written"));
    return report;
  }
  const fs::path target = BackupTarget(dir);
  std::error_code ec;
  const fs::path parent = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string name = target.filename().string();
  // What an earlier backup of this target left when it was killed outright. Only the user's own folders of
  // exactly the temporary name's form go; remove_all deletes links inside, never what they lead to.
  for (fs::directory_iterator it(parent, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string entry = it->path().filename().string();
    if (IsTemporaryFolderName(entry, name) && IsOwnFolder(it->path().string())) {
      std::error_code ignored;
      fs::remove_all(it->path(), ignored);
    }
  }
  // Beside the target, so the final rename stays on one file system. It is made once the controller has been
  // read, which takes minutes: a run killed meanwhile leaves nothing beside the target. A first one, removed
  // at once, finds a folder that cannot take it before the line is used.
  auto makeTemporary = [&](TemporaryFolder& temp) {
    temp.path = (parent / TemporaryFolderPrefix(name)).string();
    if (std::string error; !MakeTemporaryFolder(temp.path, error)) {
      temp.path.clear();
      ui.messageBox(parent.string() + ": " + error);
      report.result = Outcome::FileFailed;
      report.summary.push_back(Tr("no backup was written"));
      return false;
    }
    return true;
  };
  if (TemporaryFolder probe; !makeTemporary(probe)) return report;

  Snapshot snapshot;
  snapshot.axes = setup.axes;
  snapshot.parts = parts;
  {
    OverallProgress progress(ui, Job::Backup, FetchUnits(parts, setup.axes));
    report.result = FetchAll(link, progress, snapshot, true);
  }
  if (report.result != Outcome::Ok) {
    report.summary.push_back(Tr("no backup was written"));
    return report;
  }
  const Manifest manifest{LocalTimeStamp(),  setup.port,    setup.settings, setup.axes,
                          setup.machineType, setup.version, parts};
  FileSet files = BackupFiles(snapshot, manifest);
  std::string sums;
  std::string error;
  const bool summed = SumsText(files, sums, error);
  if (summed) {
    files[std::string(kSumsFile)] = std::move(sums);
  } else {
    ui.messageBox(error);
  }
  TemporaryFolder temp;
  if (summed && !makeTemporary(temp)) return report;
  if (!summed || !WriteFolder(ui, temp, files, target)) {
    report.result = Outcome::FileFailed;
    report.summary.push_back(Tr("no backup was written"));
    return report;
  }
  report.summary.push_back(
      Tr("{1} saved in {2} ({3} files)", {parts.text(), target.string(), std::to_string(files.size())}));
  return report;
}

std::string AxesChangeLine(const RestorePlan& plan) {
  if (!plan.parts.has(Part::Sys) || plan.controllerAxes == plan.backupAxes) return {};
  return Tr("AXES: controller {1}, now {2}", {std::to_string(plan.controllerAxes), std::to_string(plan.backupAxes)});
}

Report Restore(Link& link, const Setup& setup, const Parts* only, const std::string& dir,
               const std::function<bool(const RestorePlan&)>& confirm) {
  Report report;
  Ui& ui = link.ui();
  Loaded backup;
  report.result = LoadBackup(ui, dir, only, backup);
  const Snapshot& saved = backup.snapshot;
  if (report.result == Outcome::Ok && backup.manifest.axes != setup.axes) {
    ui.messageBox(Tr("{1}: the backup is of {2} axes, the configured axis count is {3}",
                     {dir, std::to_string(backup.manifest.axes), std::to_string(setup.axes)}));
    report.result = Outcome::Refused;
  }
  if (report.result != Outcome::Ok) {
    report.summary.push_back(Tr("nothing was sent"));
    return report;
  }

  Parts sysOnly;
  sysOnly.add(Part::Sys);
  OverallProgress progress(
      ui, Job::Restore,
      FetchUnits(sysOnly, saved.axes) + SendUnits(saved, saved.parts) + FetchUnits(saved.parts, saved.axes));
  // The controller's own AXES first: the restore changes it (said in the question and the summary), and
  // without the system parameters the backup's tables fit only a controller of the backup's axis count.
  Snapshot held;
  held.axes = saved.axes;
  held.parts = sysOnly;
  report.result = FetchAll(link, progress, held, false);
  const RestorePlan plan{saved.parts, report.result == Outcome::Ok ? AxesOf(held.sys) : 0, saved.axes};
  if (report.result == Outcome::Ok && !saved.parts.has(Part::Sys) && plan.controllerAxes != saved.axes) {
    ui.messageBox(
        Tr("the controller reports AXES {1}: the {2}-axis tables of the backup go only with its system "
           "parameters",
           {std::to_string(plan.controllerAxes), std::to_string(saved.axes)}));
    report.result = Outcome::Refused;
  }
  if (report.result == Outcome::Ok && confirm && !confirm(plan)) report.result = Outcome::Cancelled;
  if (report.result != Outcome::Ok) {
    report.summary.push_back(Tr("nothing was sent"));
    return report;
  }
  // A table is sent whole or the link failed in it: the operator's stop waits for its end.
  progress.holdStop(true);
  Outcome step;
  for (Part part : kTravelOrder) {
    if (!saved.parts.has(part)) continue;
    const std::string title = Tr(PartTitle(part));
    if (!step) {
      report.summary.push_back(Tr("{1}: not sent", {title}));
      continue;
    }
    int rows = 0;
    if (part == Part::Programs) {
      int n = 0;
      while (n < kBackupPrograms) {
        step = progress.stopRequested() ? Outcome::Cancelled : SendPart(link, progress, saved, part, n, rows);
        if (!step) break;
        ++n;
      }
      report.summary.push_back(
          Tr("{1}: {2} of {3} programs sent", {title, std::to_string(n), std::to_string(kBackupPrograms)}));
      continue;
    }
    step = progress.stopRequested() ? Outcome::Cancelled : SendPart(link, progress, saved, part, 0, rows);
    if (step) {
      report.summary.push_back(Tr("{1}: sent", {title}));
      if (const std::string change = AxesChangeLine(plan); part == Part::Sys && !change.empty()) {
        report.summary.push_back(change);
        report.notices.push_back(change);
      }
    } else if (step != Outcome::Cancelled && (part == Part::Loc || part == Part::Sft)) {
      report.summary.push_back(
          Tr("{1}: {2} of {3} rows sent",
             {title, std::to_string(rows), std::to_string(part == Part::Loc ? kLocRows : kSftRows)}));
    } else {
      report.summary.push_back(Tr("{1}: not sent", {title}));
    }
  }
  progress.holdStop(false);
  if (!step) {
    report.result = Stopped(link, step);
    report.summary.push_back(report.result == Outcome::Cancelled
                                 ? Tr("stopped at the operator's request; the rest was not sent")
                                 : Tr("ended by a failure; the rest was not sent"));
    return report;
  }

  Snapshot now;
  now.axes = saved.axes;
  now.parts = saved.parts;
  report.result = FetchAll(link, progress, now, false);
  if (report.result != Outcome::Ok) {
    report.summary.push_back(report.result == Outcome::Cancelled ? Tr("everything was sent; the read-back was stopped")
                                                                 : Tr("everything was sent; reading it back failed"));
    return report;
  }
  report.differences = FindDifferences(now, saved, saved.parts, setup.machineType);
  report.result = report.differences.empty() ? Outcome::Ok : Outcome::Different;
  report.summary.push_back(report.differences.empty()
                               ? Tr("read back: the controller holds the backup")
                               : Tr("read back: {1}", {DifferenceCount(report.differences.size())}));
  return report;
}

Report Compare(Link& link, const Setup& setup, const Parts* only, const std::string& dir) {
  Report report;
  Ui& ui = link.ui();
  Loaded backup;
  report.result = LoadBackup(ui, dir, only, backup);
  if (report.result != Outcome::Ok) {
    report.summary.push_back(Tr("nothing was compared"));
    return report;
  }
  Snapshot controller;
  controller.axes = setup.axes;
  controller.parts = backup.snapshot.parts;
  {
    OverallProgress progress(ui, Job::Compare, FetchUnits(controller.parts, controller.axes));
    report.result = FetchAll(link, progress, controller, true);
  }
  if (report.result != Outcome::Ok) return report;
  report.differences = FindDifferences(controller, backup.snapshot, controller.parts, setup.machineType);
  const bool axesShown = std::any_of(report.differences.begin(), report.differences.end(),
                                     [](const Difference& d) { return d.item == "AXES"; });
  if (setup.axes != backup.manifest.axes && !axesShown) {
    report.differences.insert(report.differences.begin(),
                              {"AXES", std::to_string(setup.axes), std::to_string(backup.manifest.axes)});
  }
  report.result = report.differences.empty() ? Outcome::Ok : Outcome::Different;
  report.summary.push_back(report.differences.empty() ? Tr("the controller holds what the backup holds")
                                                      : DifferenceCount(report.differences.size()));
  return report;
}

Report DiffBackups(Ui& ui, const std::string& oldDir, const std::string& newDir) {
  Report report;
  Loaded before;
  Loaded after;
  report.result = LoadBackup(ui, oldDir, nullptr, before);
  if (report.result == Outcome::Ok) report.result = LoadBackup(ui, newDir, nullptr, after);
  if (report.result != Outcome::Ok) {
    report.summary.push_back(Tr("nothing was compared"));
    return report;
  }
  const Parts oldParts = before.manifest.included;
  const Parts newParts = after.manifest.included;
  Parts common;
  for (Part part : kEveryPart) {
    if (oldParts.has(part) && newParts.has(part)) common.add(part);
  }
  std::vector<Difference>& out = report.differences;
  if (oldParts != newParts) out.push_back({"parts", oldParts.text(), newParts.text()});
  const bool axesDiffer = before.manifest.axes != after.manifest.axes;
  // The system blocks name their AXES themselves when both backups hold them.
  if (axesDiffer && !common.has(Part::Sys)) {
    out.push_back({"AXES", std::to_string(before.manifest.axes), std::to_string(after.manifest.axes)});
  }
  const std::vector<Difference> found =
      FindDifferences(before.snapshot, after.snapshot, common, after.manifest.machineType);
  out.insert(out.end(), found.begin(), found.end());
  report.result = out.empty() ? Outcome::Ok : Outcome::Different;
  report.summary.push_back(out.empty() ? Tr("the backups hold the same")
                                       : Tr("the backups differ: {1}", {DifferenceCount(out.size())}));
  return report;
}

}  // namespace zova::backup
