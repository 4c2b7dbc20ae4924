// The push of the history's branch: a fetch, our commits put on top of what another host pushed, the push,
// with the server's key checked and the service's key offered.
#include "history/push.h"

#include <atomic>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "base/translation.h"
#include "history/git.h"
#include "history/history.h"

namespace zova::history {

namespace fs = std::filesystem;

namespace {

constexpr int kPushAttempts = 3;  // fetch, put on top, push: again when another host pushed meanwhile

struct PushState {
  std::mutex mutex;
  std::condition_variable ended;
  bool done = false;
  std::atomic<bool> abandoned{false};
  Outcome result;
  bool pushed = false;
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

Pushed PushBounded(const backup::FleetHistory& settings, std::chrono::milliseconds limit) {
  auto state = std::make_shared<PushState>();
  std::thread([state, settings] {
    Sync(settings.git, settings, *state);
    const std::lock_guard hold(state->mutex);
    state->done = true;
    state->ended.notify_all();
  }).detach();
  std::unique_lock wait(state->mutex);
  if (!state->ended.wait_for(wait, limit, [&state] { return state->done; })) {
    state->abandoned = true;
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(limit).count();
    return {{Outcome::TimedOut,
             Tr("the push to {1} did not end within {2} s", {settings.remote, std::to_string(seconds)})}};
  }
  if (!state->result) {
    return {{state->result.code, Tr("not pushed to {1}: {2}", {settings.remote, state->result.detail})}};
  }
  return {Outcome::Ok, state->pushed};
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
