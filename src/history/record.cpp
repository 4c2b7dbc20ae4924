// A fleet run into the history repository: one commit, then the push, bounded in time.
#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>

#include "backup/backup_files.h"
#include "backup/run_lock.h"
#include "backup/whole_controller.h"
#include "base/atomic_file.h"
#include "base/translation.h"
#include "history/git.h"
#include "history/history.h"
#include "history/scratch.h"

namespace zova::history {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFileMaxBytes = 16 << 20;
constexpr int kPushAttempts = 3;  // fetch, put on top, push: again when another host pushed meanwhile
constexpr const char* kLockFile = "zova.lock";

std::string BranchRef(const std::string& branch) { return "refs/heads/" + branch; }
// Where the remote's branch is kept after a fetch: ours alone, so no configuration of a remote is needed.
std::string RemoteRef(const std::string& branch) { return "refs/zova/remote/" + branch; }

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

// --- The push, in a thread of its own so that a remote that hangs cannot hold the run. ---

struct PushState {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  std::atomic<bool> abandoned{false};
  Outcome result;
  bool pushed = false;
  std::string tip;
  // Worker's own.
  std::string rejected;
  std::size_t keyTried = 0;
  std::string offered;  // the keys offered on this connection
  int sshPort = 22;
  // The fetch and the push each open a connection of their own, which tries the keys from the first again.
  void newConnection() {
    keyTried = 0;
    offered.clear();
  }
};

// The port of an ssh:// remote ("ssh://user@host:2222/path"); 22 for the others and the scp-like form.
int SshPort(const std::string& remote) {
  constexpr std::string_view scheme = "ssh://";
  if (!remote.starts_with(scheme)) return 22;
  std::string authority = remote.substr(scheme.size(), remote.find('/', scheme.size()) - scheme.size());
  authority.erase(0, authority.rfind('@') + 1);
  const auto colon = authority.rfind(':');
  if (colon == std::string::npos || authority.ends_with(']')) return 22;
  return std::atoi(authority.c_str() + colon + 1);
}

// The server's key must be one known_hosts holds for it: libgit2 1.5 checks no SSH key itself.
int HostKey(git_cert* cert, int, const char* host, void* payload) {
  auto& state = *static_cast<PushState*>(payload);
  if (cert->cert_type != GIT_CERT_HOSTKEY_LIBSSH2) return GIT_PASSTHROUGH;  // TLS: checked by the library
  const auto* key = reinterpret_cast<const git_cert_hostkey*>(cert);
  const Outcome known =
      (key->type & GIT_CERT_SSH_RAW) == 0
          ? Outcome(Outcome::Refused, Tr("the SSH server {1} did not show its key", {host}))
          : CheckHostKey(host, state.sshPort, std::string_view(key->hostkey, key->hostkey_len), KnownHostsFiles());
  if (known) return 0;
  git_error_set_str(GIT_ERROR_SSH, known.detail.c_str());
  return GIT_ECERTIFICATE;
}

int Progress(void* payload) { return static_cast<PushState*>(payload)->abandoned ? -1 : 0; }

int Credentials(git_credential** out, const char*, const char* user, unsigned int allowed, void* payload) {
  auto& state = *static_cast<PushState*>(payload);
  if (state.abandoned) return -1;
  const char* name = user != nullptr ? user : "git";
  if ((allowed & GIT_CREDENTIAL_USERNAME) != 0) return git_credential_username_new(out, name);
  if ((allowed & GIT_CREDENTIAL_SSH_KEY) == 0) return GIT_PASSTHROUGH;
  const std::vector<std::string> keys = KeyCandidates();
  // The keys in order, then the agent: an index past the keys stands for it.
  while (state.keyTried <= keys.size()) {
    const std::size_t next = state.keyTried++;
    std::error_code ec;
    const bool agent = next == keys.size();
    if (agent ? std::getenv("SSH_AUTH_SOCK") == nullptr : !fs::is_regular_file(keys[next], ec)) continue;
    state.offered += (state.offered.empty() ? "" : ", ") + (agent ? Tr("the SSH agent's keys") : keys[next]);
    return agent ? git_credential_ssh_key_from_agent(out, name)
                 : git_credential_ssh_key_new(out, name, nullptr, keys[next].c_str(), nullptr);
  }
  std::string tried;
  for (const std::string& key : keys) tried += (tried.empty() ? "" : ", ") + key;
  git_error_set_str(
      GIT_ERROR_NET,
      (state.offered.empty() ? Tr("no SSH key to offer: none of {1} exists and no SSH agent runs",
                                  {tried.empty() ? std::string("-") : tried})
                             : Tr("the SSH server refused every key offered for {1}: {2}", {name, state.offered}))
          .c_str());
  return GIT_EAUTH;
}

int PushStatus(const char* ref, const char* status, void* payload) {
  if (status != nullptr) static_cast<PushState*>(payload)->rejected = std::string(ref) + ": " + status;
  return 0;
}

git_remote_callbacks Callbacks(PushState& state) {
  git_remote_callbacks callbacks = GIT_REMOTE_CALLBACKS_INIT;
  callbacks.sideband_progress = [](const char*, int, void* p) { return Progress(p); };
  callbacks.transfer_progress = [](const git_indexer_progress*, void* p) { return Progress(p); };
  callbacks.push_transfer_progress = [](unsigned int, unsigned int, std::size_t, void* p) { return Progress(p); };
  callbacks.pack_progress = [](int, std::uint32_t, std::uint32_t, void* p) { return Progress(p); };
  callbacks.credentials = Credentials;
  callbacks.certificate_check = HostKey;
  callbacks.push_update_reference = PushStatus;
  callbacks.payload = &state;
  return callbacks;
}

// Puts the local commits the remote does not hold on top of the remote's branch, each with its own
// folders and message: hosts keep different controllers, so their commits touch different folders. The
// new tip, or a refusal when one controller is kept by two hosts.
Outcome Replay(git_repository* repo, const git_oid& local, const git_oid& remote, git_oid& tip) {
  git_revwalk* rawWalk = nullptr;
  git_revwalk_new(&rawWalk, repo);
  const git::Walk walk(rawWalk);
  git_revwalk_sorting(rawWalk, GIT_SORT_TOPOLOGICAL | GIT_SORT_REVERSE);
  if (git_revwalk_push(rawWalk, &local) != 0 || git_revwalk_hide(rawWalk, &remote) != 0) {
    return {Outcome::FileFailed, git::LastError()};
  }
  tip = remote;
  std::string error;
  for (git_oid id; git_revwalk_next(&id, rawWalk) == 0;) {
    git_commit* rawCommit = nullptr;
    if (git_commit_lookup(&rawCommit, repo, &id) != 0) return {Outcome::FileFailed, git::LastError()};
    const git::Commit commit(rawCommit);
    std::optional<git_oid> parent;
    if (git_commit_parentcount(rawCommit) > 0) parent = *git_commit_parent_id(rawCommit, 0);
    const git::Tree before = git::TreeOf(repo, parent, error);
    const git::Tree after = git::TreeOf(repo, id, error);
    const git::Tree base = git::TreeOf(repo, tip, error);
    if (!error.empty()) return {Outcome::FileFailed, error};
    const git::Entries was = git::TopEntries(before.get());
    const git::Entries is = git::TopEntries(after.get());
    git::Entries onto = git::TopEntries(base.get());
    std::map<std::string, std::string> hosts = git::Hosts(repo, onto);
    for (const auto& [name, host] : git::Hosts(repo, is)) {
      if (const auto [at, added] = hosts.emplace(name, host); !added && at->second != host) {
        return {Outcome::Refused,
                Tr("{1} is backed up by {2} and by {3}: each controller has one keeper", {name, at->second, host})};
      }
    }
    std::vector<std::string> names;
    for (const auto* side : {&was, &is}) {
      for (const auto& [name, entry] : *side) names.push_back(name);
    }
    for (const std::string& name : names) {
      const auto w = was.find(name);
      const auto n = is.find(name);
      const bool same = w != was.end() && n != is.end() && git_oid_equal(&w->second.id, &n->second.id);
      if (same || name == kHostsFile) continue;
      if (n == is.end()) {
        onto.erase(name);
      } else {
        onto[name] = n->second;
      }
    }
    const std::string text = git::HostsText(hosts);
    git_oid hostsId;
    git_treebuilder* rawBuilder = nullptr;
    if (git_blob_create_from_buffer(&hostsId, repo, text.data(), text.size()) != 0 ||
        git_treebuilder_new(&rawBuilder, repo, nullptr) != 0) {
      return {Outcome::FileFailed, git::LastError()};
    }
    const git::Builder builder(rawBuilder);
    onto[std::string(kHostsFile)] = {hostsId, false};
    for (const auto& [name, entry] : onto) {
      git_treebuilder_insert(nullptr, rawBuilder, name.c_str(), &entry.id,
                             entry.folder ? GIT_FILEMODE_TREE : GIT_FILEMODE_BLOB);
    }
    git_oid treeId;
    git_tree* rawTree = nullptr;
    git_commit* rawBase = nullptr;
    if (git_treebuilder_write(&treeId, rawBuilder) != 0 || git_tree_lookup(&rawTree, repo, &treeId) != 0 ||
        git_commit_lookup(&rawBase, repo, &tip) != 0) {
      return {Outcome::FileFailed, git::LastError()};
    }
    const git::Tree tree(rawTree);
    const git::Commit baseCommit(rawBase);
    const git_commit* parents[] = {rawBase};
    if (git_commit_create(&tip, repo, nullptr, git_commit_author(rawCommit), git_commit_committer(rawCommit), nullptr,
                          git_commit_message(rawCommit), rawTree, 1, parents) != 0) {
      return {Outcome::FileFailed, git::LastError()};
    }
  }
  return Outcome::Ok;
}

// Fetches the remote's branch, puts what is only here on top of it and pushes: what the push thread does.
void Sync(const std::string& path, const backup::FleetHistory& settings, PushState& state) {
  git_repository* raw = nullptr;
  if (git_repository_open_ext(&raw, path.c_str(), GIT_REPOSITORY_OPEN_NO_SEARCH, nullptr) != 0) {
    state.result = {Outcome::FileFailed, git::LastError()};
    return;
  }
  const git::Repository repo(raw);
  git_remote* rawRemote = nullptr;
  if (git_remote_create_anonymous(&rawRemote, raw, settings.remote.c_str()) != 0) {
    state.result = {Outcome::Refused, git::LastError()};
    return;
  }
  const git::Remote remote(rawRemote);
  state.sshPort = SshPort(settings.remote);
  const std::string local = BranchRef(settings.branch);
  const std::string fetchSpec = "+" + local + ":" + RemoteRef(settings.branch);
  const std::string pushSpec = local + ":" + local;
  std::string error;
  for (int attempt = 0; attempt < kPushAttempts; ++attempt) {
    git_fetch_options fetch = GIT_FETCH_OPTIONS_INIT;
    fetch.callbacks = Callbacks(state);
    state.newConnection();
    char* fetchSpecs[] = {const_cast<char*>(fetchSpec.c_str())};
    const git_strarray fetchList{fetchSpecs, 1};
    if (git_remote_fetch(rawRemote, &fetchList, &fetch, "zova: fetch") != 0) {
      state.result = {Outcome::LineDead, git::LastError()};
      return;
    }
    std::optional<git_oid> mine;
    std::optional<git_oid> theirs;
    if (!git::Tip(raw, local, mine, error) || !git::Tip(raw, RemoteRef(settings.branch), theirs, error)) {
      state.result = {Outcome::FileFailed, error};
      return;
    }
    if (!mine || (theirs && git_oid_equal(&*mine, &*theirs))) {
      state.pushed = true;
      return;
    }
    if (theirs && git_graph_descendant_of(raw, &*mine, &*theirs) != 1) {
      git_oid tip;
      if (git_graph_descendant_of(raw, &*theirs, &*mine) == 1) {
        tip = *theirs;  // the remote holds all of ours already
      } else if (const Outcome replayed = Replay(raw, *mine, *theirs, tip); !replayed) {
        state.result = replayed;
        return;
      }
      git_reference* moved = nullptr;
      if (git_reference_create_matching(&moved, raw, local.c_str(), &tip, 1, &*mine, "zova: on top of the remote") !=
          0) {
        state.result = {Outcome::FileFailed, git::LastError()};
        return;
      }
      git_reference_free(moved);
      mine = tip;
      if (git_oid_equal(&tip, &*theirs)) {
        state.pushed = true;
        return;
      }
    }
    char* pushSpecs[] = {const_cast<char*>(pushSpec.c_str())};
    const git_strarray pushList{pushSpecs, 1};
    git_push_options push = GIT_PUSH_OPTIONS_INIT;
    push.callbacks = Callbacks(state);
    state.newConnection();
    state.rejected.clear();
    if (git_remote_push(rawRemote, &pushList, &push) != 0) {
      state.result = {Outcome::LineDead, git::LastError()};
      return;
    }
    if (state.rejected.empty()) {
      git_reference* pushedRef = nullptr;
      git_reference_create(&pushedRef, raw, RemoteRef(settings.branch).c_str(), &*mine, 1, "zova: pushed");
      git_reference_free(pushedRef);
      state.pushed = true;
      return;
    }
  }
  state.result = {Outcome::Rejected, Tr("the remote refused the push: {1}", {state.rejected})};
}

}  // namespace

Recorded RecordRun(const backup::FleetHistory& settings, const std::string& stamp,
                   const std::vector<ControllerRun>& runs, const Options& options) {
  git::Start();
  Recorded r;
  std::string error;
  git::Repository repo = OpenHistory(settings.git, settings.branch, error);
  if (!repo) return Failed(r, Outcome::FileFailed, error);
  const backup::RunLock lock((fs::path(settings.git) / kLockFile).string());
  if (lock.state() != backup::RunLock::State::Held) {
    return Failed(r, Outcome::Busy,
                  lock.state() == backup::RunLock::State::Busy
                      ? Tr("{1}: another fleet backup is writing into this repository", {settings.git})
                      : settings.git + ": " + lock.error());
  }
  ClearStaleLocks(settings.git, settings.branch);
  const std::string ref = BranchRef(settings.branch);
  std::optional<git_oid> tip;
  if (!git::Tip(repo.get(), ref, tip, error)) return Failed(r, Outcome::FileFailed, settings.git + ": " + error);
  const git::Tree tipTree = git::TreeOf(repo.get(), tip, error);
  if (!error.empty()) return Failed(r, Outcome::FileFailed, settings.git + ": " + error);
  const git::Entries top = git::TopEntries(tipTree.get());
  if (const std::string foreign = ForeignEntry(repo.get(), top); !foreign.empty()) {
    return Failed(r, Outcome::Refused,
                  Tr("{1}: {2} is not a controller's backup folder: not a fleet history", {settings.git, foreign}));
  }
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
  auto state = std::make_shared<PushState>();
  std::thread([state, path = settings.git, settings] {
    Sync(path, settings, *state);
    const std::lock_guard hold(state->mutex);
    state->done = true;
    state->ended.notify_all();
  }).detach();
  std::unique_lock wait(state->mutex);
  if (!state->ended.wait_for(wait, options.pushLimit, [&state] { return state->done; })) {
    state->abandoned = true;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(options.pushLimit).count();
    return Failed(r, Outcome::TimedOut,
                  Tr("the push to {1} did not end within {2} s", {settings.remote, std::to_string(seconds)}));
  }
  if (!state->result) {
    return Failed(r, state->result.code, Tr("not pushed to {1}: {2}", {settings.remote, state->result.detail}));
  }
  r.pushed = state->pushed;
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

std::vector<std::string> KeyCandidates() {
  std::vector<std::string> keys;
  if (const char* credentials = std::getenv("CREDENTIALS_DIRECTORY"); credentials != nullptr && *credentials != '\0') {
    keys.push_back((fs::path(credentials) / kServiceKeyCredential).string());
  }
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    for (const char* key : {"id_ed25519", "id_ecdsa", "id_rsa"})
      keys.push_back((fs::path(home) / ".ssh" / key).string());
  }
  return keys;
}

}  // namespace zova::history
