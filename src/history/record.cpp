// A fleet run into the history repository: one commit, then the push.
#include <algorithm>
#include <filesystem>

#include "backup/backup_files.h"
#include "backup/run_lock.h"
#include "backup/whole_controller.h"
#include "base/atomic_file.h"
#include "base/translation.h"
#include "history/git.h"
#include "history/history.h"
#include "history/push.h"
#include "history/scratch.h"

namespace zova::history {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileMaxBytes = 16 << 20;
constexpr const char* kLockFile = "zova.lock";

// A failure of the history, with the reason shown and kept.
Recorded Failed(Recorded r, Outcome::Code code, const std::string& reason) {
  r.result = {code, reason};
  r.reason = reason;
  return r;
}

// The folder `dir` as a tree: plain files and folders only, nothing followed through a link.
bool WriteFolder(git_repository* repo, const fs::path& dir, git_oid& id, std::string& error) {
  git_treebuilder* raw = nullptr;
  if (git_treebuilder_new(&raw, repo, nullptr) != 0) {
    error = git::LastError();
    return false;
  }
  const git::Builder builder(raw);
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const fs::file_status status = it->symlink_status(ec);
    const std::string name = it->path().filename().string();
    git_oid entry;
    if (fs::is_directory(status)) {
      if (!WriteFolder(repo, it->path(), entry, error)) return false;
    } else if (std::string content;
               fs::is_regular_file(status) && ReadPlainFile(it->path().string(), kFileMaxBytes, content, error)) {
      if (git_blob_create_from_buffer(&entry, repo, content.data(), content.size()) != 0) {
        error = git::LastError();
        return false;
      }
    } else {
      if (error.empty()) error = Tr("{1}: not a plain file or folder", {it->path().string()});
      return false;
    }
    if (git_treebuilder_insert(nullptr, builder.get(), name.c_str(), &entry,
                               fs::is_directory(status) ? GIT_FILEMODE_TREE : GIT_FILEMODE_BLOB) != 0) {
      error = git::LastError();
      return false;
    }
  }
  if (ec) {
    error = dir.string() + ": " + ec.message();
    return false;
  }
  if (git_treebuilder_write(&id, builder.get()) != 0) {
    error = git::LastError();
    return false;
  }
  return true;
}

// Whether two backup folders hold the same files, BACKUP.txt (whose time line changes every run) and the
// SHA256SUMS that covers it apart.
bool SameBlocks(git_repository* repo, const git_oid& a, const git_oid& b) {
  std::string error;
  git_tree* ta = nullptr;
  git_tree* tb = nullptr;
  git_tree_lookup(&ta, repo, &a);
  git_tree_lookup(&tb, repo, &b);
  const git::Tree holdA(ta);
  const git::Tree holdB(tb);
  git::Entries ea = git::TopEntries(ta);
  git::Entries eb = git::TopEntries(tb);
  for (git::Entries* e : {&ea, &eb}) {
    e->erase(std::string(backup::kManifestFile));
    e->erase(std::string(backup::kSumsFile));
  }
  return ta != nullptr && tb != nullptr &&
         std::equal(ea.begin(), ea.end(), eb.begin(), eb.end(), [](const auto& x, const auto& y) {
           return x.first == y.first && git_oid_equal(&x.second.id, &y.second.id);
         });
}

// What differs from the repository's folder `old` to the new backup `folder`: the diff engine's lines.
// False when the old folder could not be read (it is then replaced whole, with `note` saying why).
bool Differences(git_repository* repo, const git_oid& old, const std::string& folder,
                 std::vector<backup::Difference>& out, std::string& note) {
  Scratch scratch;
  const std::string before = (fs::path(scratch.path) / "old").string();
  if (!scratch.made || !git::WriteOut(repo, old, before, note)) return false;
  QuietUi ui;
  const backup::Report report = backup::DiffBackups(ui, before, folder);
  if (report.result != Outcome::Ok && report.result != Outcome::Different) {
    note = ui.text_;
    return false;
  }
  out = report.differences;
  return true;
}

// Why the tree of the branch is not a fleet history: an entry that is neither HOSTS nor a controller's
// backup folder. Empty when it is one.
std::string ForeignEntry(git_repository* repo, const git::Entries& top) {
  for (const auto& [name, entry] : top) {
    if (name == kHostsFile && !entry.folder) continue;
    git_tree* tree = nullptr;
    const bool backupFolder = entry.folder && backup::IsFleetName(name) &&
                              git_tree_lookup(&tree, repo, &entry.id) == 0 &&
                              git_tree_entry_byname(tree, std::string(backup::kManifestFile).c_str()) != nullptr &&
                              git_tree_entry_byname(tree, std::string(backup::kSumsFile).c_str()) != nullptr;
    git_tree_free(tree);
    if (!backupFolder) return name;
  }
  return {};
}

// Opens the repository at `path`, made bare when missing or an empty folder; null after `error`. A
// repository with a working tree or a detached head is someone else's.
git::Repository OpenHistory(const std::string& path, const std::string& branch, std::string& error) {
  git_repository* raw = nullptr;
  std::error_code ec;
  if (!fs::exists(path, ec) || (fs::is_directory(path, ec) && fs::is_empty(path, ec))) {
    git_repository_init_options init = GIT_REPOSITORY_INIT_OPTIONS_INIT;
    init.flags = GIT_REPOSITORY_INIT_BARE | GIT_REPOSITORY_INIT_MKPATH;
    const std::string head = BranchRef(branch);
    init.initial_head = head.c_str();
    if (git_repository_init_ext(&raw, path.c_str(), &init) != 0) error = path + ": " + git::LastError();
    return git::Repository(raw);
  }
  if (git_repository_open_ext(&raw, path.c_str(), GIT_REPOSITORY_OPEN_NO_SEARCH, nullptr) != 0) {
    error = Tr("{1}: not a git repository ({2})", {path, git::LastError()});
    return nullptr;
  }
  git::Repository repo(raw);
  if (!git_repository_is_bare(repo.get())) {
    error = Tr("{1}: a repository with a working tree; the history is kept in a bare repository of its own", {path});
    return nullptr;
  }
  if (git_repository_head_detached(repo.get()) == 1) {
    error = Tr("{1}: its HEAD is detached from every branch", {path});
    return nullptr;
  }
  return repo;
}

// A run killed outright may leave git's lock files behind; with the history's own lock held, no run of
// ours writes there, and they would stop every run after.
void ClearStaleLocks(const std::string& path, const std::string& branch) {
  std::error_code ignored;
  for (const std::string& ref :
       {std::string("HEAD"), std::string("packed-refs"), BranchRef(branch), RemoteRef(branch)}) {
    fs::remove(fs::path(path) / (ref + ".lock"), ignored);
  }
}

// The commit of the run on top of `tip`, or none when nothing changed.
struct Built {
  std::vector<RunChanges> changed;
  std::vector<ControllerRun> failed;
  git_oid tree{};
};

Outcome BuildTree(git_repository* repo, const git::Entries& top, const std::vector<ControllerRun>& runs,
                  const std::string& host, Built& built) {
  std::map<std::string, std::string> hosts = git::Hosts(repo, top);
  git_treebuilder* raw = nullptr;
  std::string error;
  // The builder starts from the tip's entries.
  if (git_treebuilder_new(&raw, repo, nullptr) != 0) return {Outcome::FileFailed, git::LastError()};
  const git::Builder builder(raw);
  for (const auto& [name, entry] : top) {
    git_treebuilder_insert(nullptr, raw, name.c_str(), &entry.id, entry.folder ? GIT_FILEMODE_TREE : GIT_FILEMODE_BLOB);
  }
  for (const ControllerRun& run : runs) {
    if (run.folder.empty()) {
      built.failed.push_back(run);
      continue;
    }
    if (const auto keeper = hosts.find(run.name); keeper != hosts.end() && keeper->second != host) {
      return {Outcome::Refused, Tr("{1} is backed up by {2} and by {3}: each controller has one keeper",
                                   {run.name, keeper->second, host})};
    }
    git_oid id;
    if (!WriteFolder(repo, run.folder, id, error)) return {Outcome::FileFailed, error};
    RunChanges change{run.name, false, {}};
    const auto old = top.find(run.name);
    if (old == top.end()) {
      change.first = true;
    } else if (SameBlocks(repo, old->second.id, id)) {
      continue;
    } else if (std::string note; !Differences(repo, old->second.id, run.folder, change.differences, note)) {
      change.differences.push_back({"previous folder", note, Tr("replaced")});
    } else if (change.differences.empty()) {
      continue;
    }
    if (git_treebuilder_insert(nullptr, raw, run.name.c_str(), &id, GIT_FILEMODE_TREE) != 0) {
      return {Outcome::FileFailed, git::LastError()};
    }
    hosts[run.name] = host;
    built.changed.push_back(std::move(change));
  }
  if (built.changed.empty()) return Outcome::Ok;
  const std::string text = git::HostsText(hosts);
  git_oid hostsId;
  if (git_blob_create_from_buffer(&hostsId, repo, text.data(), text.size()) != 0 ||
      git_treebuilder_insert(nullptr, raw, std::string(kHostsFile).c_str(), &hostsId, GIT_FILEMODE_BLOB) != 0 ||
      git_treebuilder_write(&built.tree, raw) != 0) {
    return {Outcome::FileFailed, git::LastError()};
  }
  return Outcome::Ok;
}

}  // namespace

Recorded RecordRun(const backup::FleetHistory& settings, const std::string& stamp,
                   const std::vector<ControllerRun>& runs, const Options& options) {
  git::Start();
  Recorded r;
  std::string error;
  git::Repository repo = OpenHistory(settings.git, settings.branch, error);
  if (!repo) return Failed(r, Outcome::FileFailed, error);
  const std::string ref = BranchRef(settings.branch);
  std::optional<git_oid> tip;
  git::Tree tipTree;
  git::Entries top;
  // The branch's tip and its top folder, which must be a fleet history's.
  const auto readTip = [&]() -> Outcome {
    if (!git::Tip(repo.get(), ref, tip, error)) return {Outcome::FileFailed, settings.git + ": " + error};
    tipTree = git::TreeOf(repo.get(), tip, error);
    if (!error.empty()) return {Outcome::FileFailed, settings.git + ": " + error};
    top = git::TopEntries(tipTree.get());
    const std::string foreign = ForeignEntry(repo.get(), top);
    if (foreign.empty()) return Outcome::Ok;
    return {Outcome::Refused,
            Tr("{1}: {2} is not a controller's backup folder: not a fleet history", {settings.git, foreign})};
  };
  // Someone else's repository is refused before anything, the run's lock file included, is written into it.
  if (const Outcome read = readTip(); !read) return Failed(r, read.code, read.detail);
  const backup::RunLock lock((fs::path(settings.git) / kLockFile).string());
  if (lock.state() != backup::RunLock::State::Held) {
    return Failed(r, Outcome::Busy,
                  lock.state() == backup::RunLock::State::Busy
                      ? Tr("{1}: another fleet backup is writing into this repository", {settings.git})
                      : settings.git + ": " + lock.error());
  }
  ClearStaleLocks(settings.git, settings.branch);
  // Read again under the lock: another run may have committed since.
  if (const Outcome read = readTip(); !read) return Failed(r, read.code, read.detail);
  if (options.step) options.step(Tr("history: writing the commit of {1} into {2}", {stamp, settings.git}));
  Built built;
  if (const Outcome made = BuildTree(repo.get(), top, runs, options.host, built); !made) {
    // A write that failed (a full disk) names the repository; a refusal names the controller already.
    return Failed(r, made.code, made.code == Outcome::FileFailed ? settings.git + ": " + made.detail : made.detail);
  }
  if (built.changed.empty()) {
    r.summary = Tr("nothing changed: no commit");
  } else {
    const std::string message = CommitMessage(stamp, runs.size(), built.changed, built.failed);
    git_signature* rawSignature = nullptr;
    git_tree* rawTree = nullptr;
    git_commit* rawParent = nullptr;
    git_oid id;
    if (git_signature_now(&rawSignature, "zova fleet", ("zova@" + options.host).c_str()) != 0 ||
        git_tree_lookup(&rawTree, repo.get(), &built.tree) != 0 ||
        (tip && git_commit_lookup(&rawParent, repo.get(), &*tip) != 0)) {
      return Failed(r, Outcome::FileFailed, git::LastError());
    }
    const git::Signature signature(rawSignature);
    const git::Tree tree(rawTree);
    const git::Commit parent(rawParent);
    const git_commit* parents[] = {rawParent};
    git_reference* moved = nullptr;
    if (git_commit_create(&id, repo.get(), nullptr, rawSignature, rawSignature, nullptr, message.c_str(), rawTree,
                          tip ? 1 : 0, parents) != 0 ||
        git_reference_create_matching(&moved, repo.get(), ref.c_str(), &id, 1, tip ? &*tip : nullptr,
                                      ("zova: " + message.substr(0, message.find('\n'))).c_str()) != 0) {
      return Failed(r, Outcome::FileFailed, settings.git + ": " + git::LastError());
    }
    git_reference_free(moved);
    r.committed = true;
    r.summary = message.substr(0, message.find('\n'));
  }
  if (!git::Tip(repo.get(), ref, tip, error)) return Failed(r, Outcome::FileFailed, error);
  if (tip) r.commit = git_oid_tostr_s(&*tip);
  if (settings.remote.empty()) return r;

  if (options.step) options.step(Tr("history: pushing {1} to {2}", {settings.branch, settings.remote}));
  repo.reset();
  const Pushed pushed = PushBounded(settings, options.pushLimit);
  if (!pushed.result) return Failed(r, pushed.result.code, pushed.result.detail);
  r.pushed = pushed.pushed;
  repo = OpenHistory(settings.git, settings.branch, error);
  if (repo && git::Tip(repo.get(), ref, tip, error) && tip) r.commit = git_oid_tostr_s(&*tip);
  return r;
}

std::string CommitMessage(const std::string& stamp, std::size_t controllers, const std::vector<RunChanges>& changed,
                          const std::vector<ControllerRun>& failed) {
  std::string text = "fleet backup " + stamp + ": " + std::to_string(changed.size()) + " of " +
                     std::to_string(controllers) + " changed, " + std::to_string(failed.size()) + " failed\n";
  std::string body;
  for (const RunChanges& c : changed) {
    if (c.first) body += c.name + ": first backup\n";
    const std::size_t shown = std::min(c.differences.size(), kMessageChanges);
    for (std::size_t i = 0; i < shown; ++i)
      body += c.name + ": " + DifferenceLine(c.differences[i], "old", "new") + "\n";
    if (shown < c.differences.size()) {
      body += c.name + ": and " + std::to_string(c.differences.size() - shown) + " more\n";
    }
  }
  for (const ControllerRun& f : failed) body += f.name + ": failed: " + f.failure + "\n";
  return body.empty() ? text : text + "\n" + body;
}

}  // namespace zova::history
