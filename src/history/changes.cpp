// What changed when: the diff engine between one backup of a controller and the next, from the commits of a
// history repository or from the dated folders of a fleet folder.
#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>

#include "backup/backup_folder.h"
#include "backup/fleet.h"
#include "backup/whole_controller.h"
#include "base/atomic_file.h"
#include "base/translation.h"
#include "history/git.h"
#include "history/history.h"
#include "history/scratch.h"

namespace zova::history {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSubject = "fleet backup ";

bool Wanted(const backup::Difference& d, const Filter& filter) {
  return filter.item.empty() || d.item == filter.item || d.item.starts_with(filter.item + " ");
}

// The changes from backup folder `before` to `after`, stamped `stamp`; FileDamaged when one cannot be read.
Outcome Between(const std::string& before, const std::string& after, const std::string& stamp, const Filter& filter,
                std::vector<Change>& out) {
  QuietUi ui;
  const backup::Report report = backup::DiffBackups(ui, before, after);
  if (report.result != Outcome::Ok && report.result != Outcome::Different) return {Outcome::FileDamaged, ui.text_};
  if (stamp < filter.since) return Outcome::Ok;
  for (const backup::Difference& d : report.differences) {
    if (Wanted(d, filter)) out.push_back({stamp, d});
  }
  return Outcome::Ok;
}

// The stamps of the dated backups in `folder`, oldest first.
std::vector<std::string> DatedBackups(const fs::path& folder, std::error_code& ec) {
  std::vector<std::string> stamps;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status;
    if (backup::IsFleetStamp(name) && fs::is_directory(it->symlink_status(status)) &&
        backup::IsBackupFolder(it->path().string())) {
      stamps.push_back(name);
    }
  }
  std::sort(stamps.begin(), stamps.end());
  return stamps;
}

Outcome FromFolders(const fs::path& folder, const Filter& filter, std::vector<Change>& out,
                    std::vector<std::string>* dated) {
  std::error_code ec;
  const std::vector<std::string> stamps = DatedBackups(folder, ec);
  if (ec) return {Outcome::FileDamaged, folder.string() + ": " + ec.message()};
  if (stamps.empty()) return {Outcome::FileDamaged, Tr("{1}: no dated backups", {folder.string()})};
  for (std::size_t i = 1; i < stamps.size(); ++i) {
    const Outcome read =
        Between((folder / stamps[i - 1]).string(), (folder / stamps[i]).string(), stamps[i], filter, out);
    if (!read) return {read.code, (folder / stamps[i]).string() + ": " + read.detail};
  }
  if (dated != nullptr) *dated = stamps;
  return Outcome::Ok;
}

// The commit the history's branch ends at: HEAD's, or main when HEAD names another (a bare repository made by
// git elsewhere); false when there is none.
bool Head(git_repository* repo, git_oid& tip) {
  return git_reference_name_to_id(&tip, repo, "HEAD") == 0 ||
         git_reference_name_to_id(&tip, repo, "refs/heads/main") == 0;
}

// Calls `each` with the stamp and the folder of controller `name` of every commit of the branch, oldest first,
// whose folder differs from the one before, until `each` fails or sets `stop`.
using EachBackup = std::function<Outcome(const std::string& stamp, const git_oid& folder, bool& stop)>;
Outcome Backups(git_repository* repo, const std::string& place, const std::string& name, const EachBackup& each) {
  git_oid tip;
  if (!Head(repo, tip)) return {Outcome::FileDamaged, Tr("{1}: no commits", {place})};
  git_revwalk* raw = nullptr;
  if (git_revwalk_new(&raw, repo) != 0) return {Outcome::FileDamaged, git::LastError()};
  const git::Walk walk(raw);
  git_revwalk_sorting(raw, GIT_SORT_TOPOLOGICAL | GIT_SORT_REVERSE);
  git_revwalk_simplify_first_parent(raw);
  if (git_revwalk_push(raw, &tip) != 0) return {Outcome::FileDamaged, git::LastError()};
  std::optional<git_oid> previous;
  std::string error;
  for (git_oid id; git_revwalk_next(&id, raw) == 0;) {
    git_commit* rawCommit = nullptr;
    if (git_commit_lookup(&rawCommit, repo, &id) != 0) return {Outcome::FileDamaged, git::LastError()};
    const git::Commit commit(rawCommit);
    const std::string subject = git_commit_summary(rawCommit) != nullptr ? git_commit_summary(rawCommit) : "";
    const std::string stamp = subject.substr(std::min(subject.size(), kSubject.size()), 18);
    if (!subject.starts_with(kSubject) || !backup::IsFleetStamp(stamp) ||
        subject.compare(kSubject.size() + 18, 2, ": ") != 0) {
      return {Outcome::FileDamaged,
              Tr("{1}: commit {2} is not a fleet run's (\"{3}\")", {place, git_oid_tostr_s(&id), subject})};
    }
    const git::Tree tree = git::TreeOf(repo, id, error);
    if (!tree) return {Outcome::FileDamaged, error};
    const git_tree_entry* entry = git_tree_entry_byname(tree.get(), name.c_str());
    if (entry == nullptr) continue;
    if (git_tree_entry_type(entry) != GIT_OBJECT_TREE) {
      return {Outcome::FileDamaged, Tr("{1}: {2} is not a backup folder", {place, name})};
    }
    const git_oid folder = *git_tree_entry_id(entry);
    if (previous && git_oid_equal(&*previous, &folder)) continue;
    bool stop = false;
    if (const Outcome done = each(stamp, folder, stop); !done) {
      return {done.code, Tr("{1}: commit {2}: {3}", {place, git_oid_tostr_s(&id), done.detail})};
    }
    if (stop) return Outcome::Ok;
    previous = folder;
  }
  if (!previous) return {Outcome::FileDamaged, Tr("{1}: no backups of {2}", {place, name})};
  return Outcome::Ok;
}

Outcome FromRepository(git_repository* repo, const std::string& place, const std::string& name, const Filter& filter,
                       std::vector<Change>& out, std::vector<std::string>* stamps) {
  Scratch scratch;
  if (!scratch.made) return {Outcome::FileFailed, scratch.path};
  std::string previousDir;
  int written = 0;
  return Backups(repo, place, name, [&](const std::string& stamp, const git_oid& folder, bool&) -> Outcome {
    const std::string dir = (fs::path(scratch.path) / std::to_string(written++)).string();
    std::string error;
    if (!git::WriteOut(repo, folder, dir, error)) return {Outcome::FileDamaged, error};
    if (!previousDir.empty()) {
      if (const Outcome read = Between(previousDir, dir, stamp, filter, out); !read) return read;
      std::error_code ignored;
      fs::remove_all(previousDir, ignored);
    }
    if (stamps != nullptr) stamps->push_back(stamp);
    previousDir = dir;
    return Outcome::Ok;
  });
}

// The repository at `place`, or none when it is not one.
git::Repository Open(const std::string& place) {
  git::Start();
  git_repository* raw = nullptr;
  if (git_repository_open_ext(&raw, place.c_str(), GIT_REPOSITORY_OPEN_NO_SEARCH, nullptr) != 0) return nullptr;
  return git::Repository(raw);
}

// The folder of controller `name`'s dated backups in the fleet folder `place`, or why there is none.
Outcome FleetFolder(const std::string& place, const std::string& name, fs::path& folder) {
  std::error_code ec;
  folder = fs::path(place) / name;
  if (!fs::is_directory(place, ec)) return {Outcome::FileDamaged, Tr("{1}: not a folder", {place})};
  // A link in the fleet folder may lead anywhere: only its own folders are its controllers'.
  if (!backup::IsFleetName(name) || !fs::is_directory(fs::symlink_status(folder, ec))) {
    return {Outcome::FileDamaged, Tr("{1}: neither a history repository nor a fleet folder with {2}", {place, name})};
  }
  return Outcome::Ok;
}

}  // namespace

std::string ChangeLine(const Change& c) {
  return c.stamp + " " + c.difference.item + ": " + c.difference.controller + " -> " + c.difference.backup;
}

bool IsSinceDate(std::string_view date) {
  if (backup::IsFleetStamp(date)) return true;
  return date.size() == 10 && backup::IsFleetStamp(std::string(date) + "T000000Z");
}

Outcome ReadChanges(const std::string& place, const std::string& name, const Filter& filter, std::vector<Change>& out,
                    std::vector<std::string>* stamps) {
  out.clear();
  if (stamps != nullptr) stamps->clear();
  if (const git::Repository repo = Open(place)) return FromRepository(repo.get(), place, name, filter, out, stamps);
  fs::path folder;
  if (const Outcome found = FleetFolder(place, name, folder); !found) return found;
  return FromFolders(folder, filter, out, stamps);
}

Outcome ReadNames(const std::string& place, std::vector<std::string>& out) {
  out.clear();
  if (const git::Repository repo = Open(place)) {
    git_oid tip;
    std::string error;
    if (!Head(repo.get(), tip)) return {Outcome::FileDamaged, Tr("{1}: no commits", {place})};
    const git::Tree tree = git::TreeOf(repo.get(), tip, error);
    if (!tree) return {Outcome::FileDamaged, error};
    for (const auto& [name, entry] : git::TopEntries(tree.get())) {
      if (entry.folder && backup::IsFleetName(name)) out.push_back(name);
    }
  } else {
    std::error_code ec;
    if (!fs::is_directory(place, ec)) return {Outcome::FileDamaged, Tr("{1}: not a folder", {place})};
    for (fs::directory_iterator it(place, ec), end; !ec && it != end; it.increment(ec)) {
      std::error_code status;
      std::error_code listed;
      if (fs::is_directory(it->symlink_status(status)) && !DatedBackups(it->path(), listed).empty()) {
        out.push_back(it->path().filename().string());
      }
    }
    if (ec) return {Outcome::FileDamaged, place + ": " + ec.message()};
    std::sort(out.begin(), out.end());
  }
  if (out.empty()) return {Outcome::FileDamaged, Tr("{1}: neither a history repository nor a fleet folder", {place})};
  return Outcome::Ok;
}

Outcome BackupFolder(const std::string& place, const std::string& name, const std::string& stamp,
                     const std::string& dir, std::string& folder) {
  if (const git::Repository repo = Open(place)) {
    folder.clear();
    const Outcome walked = Backups(repo.get(), place, name, [&](const std::string& at, const git_oid& id, bool& stop) {
      if (at != stamp) return Outcome(Outcome::Ok);
      stop = true;
      std::string error;
      if (!git::WriteOut(repo.get(), id, dir, error)) return Outcome(Outcome::FileFailed, error);
      folder = dir;
      return Outcome(Outcome::Ok);
    });
    if (!walked) return walked;
    if (folder.empty()) return {Outcome::FileDamaged, Tr("{1}: no backup of {2} at {3}", {place, name, stamp})};
    return Outcome::Ok;
  }
  fs::path dated;
  if (const Outcome found = FleetFolder(place, name, dated); !found) return found;
  std::error_code ec;
  if (!backup::IsFleetStamp(stamp) || !fs::is_directory(fs::symlink_status(dated / stamp, ec))) {
    return {Outcome::FileDamaged, Tr("{1}: no backup of {2} at {3}", {place, name, stamp})};
  }
  folder = (dated / stamp).string();
  return Outcome::Ok;
}

}  // namespace zova::history
