// What changed when: the diff engine between one backup of a controller and the next, from the commits of a
// history repository or from the dated folders of a fleet folder.
#include <algorithm>
#include <filesystem>

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

Outcome FromFolders(const fs::path& folder, const Filter& filter, std::vector<Change>& out) {
  std::vector<std::string> stamps;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code status;
    if (backup::IsFleetStamp(name) && fs::is_directory(it->symlink_status(status)) &&
        backup::IsBackupFolder(it->path().string())) {
      stamps.push_back(name);
    }
  }
  if (ec) return {Outcome::FileDamaged, folder.string() + ": " + ec.message()};
  if (stamps.empty()) return {Outcome::FileDamaged, Tr("{1}: no dated backups", {folder.string()})};
  std::sort(stamps.begin(), stamps.end());
  for (std::size_t i = 1; i < stamps.size(); ++i) {
    const Outcome read =
        Between((folder / stamps[i - 1]).string(), (folder / stamps[i]).string(), stamps[i], filter, out);
    if (!read) return {read.code, (folder / stamps[i]).string() + ": " + read.detail};
  }
  return Outcome::Ok;
}

Outcome FromRepository(git_repository* repo, const std::string& place, const std::string& name, const Filter& filter,
                       std::vector<Change>& out) {
  git_revwalk* raw = nullptr;
  if (git_revwalk_new(&raw, repo) != 0) return {Outcome::FileDamaged, git::LastError()};
  const git::Walk walk(raw);
  git_revwalk_sorting(raw, GIT_SORT_TOPOLOGICAL | GIT_SORT_REVERSE);
  git_revwalk_simplify_first_parent(raw);
  // HEAD's branch; a bare repository made by git elsewhere may name another while ours is main.
  if (git_revwalk_push_head(raw) != 0 && git_revwalk_push_ref(raw, "refs/heads/main") != 0) {
    return {Outcome::FileDamaged, Tr("{1}: no commits", {place})};
  }
  Scratch scratch;
  if (!scratch.made) return {Outcome::FileFailed, scratch.path};
  std::optional<git_oid> previous;
  std::string previousDir;
  int written = 0;
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
    const std::string dir = (fs::path(scratch.path) / std::to_string(written++)).string();
    if (!git::WriteOut(repo, folder, dir, error)) return {Outcome::FileDamaged, error};
    if (previous) {
      const Outcome read = Between(previousDir, dir, stamp, filter, out);
      if (!read) return {read.code, Tr("{1}: commit {2}: {3}", {place, git_oid_tostr_s(&id), read.detail})};
      std::error_code ignored;
      fs::remove_all(previousDir, ignored);
    }
    previous = folder;
    previousDir = dir;
  }
  if (!previous) return {Outcome::FileDamaged, Tr("{1}: no backups of {2}", {place, name})};
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

Outcome ReadChanges(const std::string& place, const std::string& name, const Filter& filter, std::vector<Change>& out) {
  out.clear();
  git::Start();
  git_repository* raw = nullptr;
  if (git_repository_open_ext(&raw, place.c_str(), GIT_REPOSITORY_OPEN_NO_SEARCH, nullptr) == 0) {
    const git::Repository repo(raw);
    return FromRepository(repo.get(), place, name, filter, out);
  }
  std::error_code ec;
  const fs::path folder = fs::path(place) / name;
  if (!fs::is_directory(place, ec)) return {Outcome::FileDamaged, Tr("{1}: not a folder", {place})};
  if (!fs::is_directory(folder, ec)) {
    return {Outcome::FileDamaged, Tr("{1}: neither a history repository nor a fleet folder with {2}", {place, name})};
  }
  return FromFolders(folder, filter, out);
}

}  // namespace zova::history
