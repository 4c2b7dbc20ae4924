// libgit2 set up and read for the history.
#include "history/git.h"

#include <filesystem>
#include <fstream>
#include <mutex>
#include <sstream>

#if defined(__SANITIZE_ADDRESS__)
// Debian's libgit2 1.5 leaks inside two of its own steps, whatever the caller frees: the pcre2 match data
// of every config entry a remote's URL rewriting does not match (fixed upstream in 1.6), and the SSH
// transport's buffers and known-hosts list of each connection. A checked build must not fail on them. The
// first stack ends in libpcre2 without frame pointers, so only the module can name it.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libpcre2-8.so\nleak:git_remote_connect_ext\nleak:libssh2_knownhost_init\n";
}
#endif

namespace zova::history::git {

void Start() {
  static std::once_flag once;
  std::call_once(once, [] {
    // Held for the life of the process: a push left running at its time limit may still use it.
    git_libgit2_init();
    for (int level :
         {GIT_CONFIG_LEVEL_SYSTEM, GIT_CONFIG_LEVEL_XDG, GIT_CONFIG_LEVEL_GLOBAL, GIT_CONFIG_LEVEL_PROGRAMDATA}) {
      git_libgit2_opts(GIT_OPT_SET_SEARCH_PATH, level, "");
    }
    git_libgit2_opts(GIT_OPT_ENABLE_FSYNC_GITDIR, 1);
    git_libgit2_opts(GIT_OPT_ENABLE_STRICT_HASH_VERIFICATION, 1);
  });
}

std::string LastError(const std::string& fallback) {
  const git_error* e = git_error_last();
  return e != nullptr && e->message != nullptr ? std::string(e->message) : fallback;
}

Entries TopEntries(const git_tree* tree) {
  Entries out;
  if (tree == nullptr) return out;
  for (std::size_t i = 0; i < git_tree_entrycount(tree); ++i) {
    const git_tree_entry* e = git_tree_entry_byindex(tree, i);
    out[git_tree_entry_name(e)] = {*git_tree_entry_id(e), git_tree_entry_type(e) == GIT_OBJECT_TREE};
  }
  return out;
}

bool Tip(git_repository* repo, const std::string& ref, std::optional<git_oid>& tip, std::string& error) {
  git_oid id;
  const int found = git_reference_name_to_id(&id, repo, ref.c_str());
  if (found == GIT_ENOTFOUND) {
    tip.reset();
    return true;
  }
  if (found != 0) {
    error = LastError();
    return false;
  }
  tip = id;
  return true;
}

Tree TreeOf(git_repository* repo, const std::optional<git_oid>& id, std::string& error) {
  git_commit* commit = nullptr;
  git_tree* tree = nullptr;
  if (!id) return nullptr;
  if (git_commit_lookup(&commit, repo, &*id) != 0 || git_commit_tree(&tree, commit) != 0) error = LastError();
  git_commit_free(commit);
  return Tree(tree);
}

std::map<std::string, std::string> Hosts(git_repository* repo, const Entries& top) {
  std::map<std::string, std::string> hosts;
  const auto at = top.find("HOSTS");
  git_blob* blob = nullptr;
  if (at == top.end() || at->second.folder || git_blob_lookup(&blob, repo, &at->second.id) != 0) return hosts;
  std::istringstream lines(std::string(static_cast<const char*>(git_blob_rawcontent(blob)),
                                       static_cast<std::size_t>(git_blob_rawsize(blob))));
  git_blob_free(blob);
  std::string name;
  std::string host;
  while (lines >> name >> host) hosts[name] = host;
  return hosts;
}

std::string HostsText(const std::map<std::string, std::string>& hosts) {
  std::string text;
  for (const auto& [name, host] : hosts) text += name + " " + host + "\n";
  return text;
}

bool WriteOut(git_repository* repo, const git_oid& id, const std::string& dir, std::string& error) {
  git_tree* raw = nullptr;
  if (git_tree_lookup(&raw, repo, &id) != 0) {
    error = LastError();
    return false;
  }
  const Tree tree(raw);
  std::error_code ec;
  if (!std::filesystem::create_directory(dir, ec) || ec) {
    error = dir + ": " + ec.message();
    return false;
  }
  for (std::size_t i = 0; i < git_tree_entrycount(tree.get()); ++i) {
    const git_tree_entry* e = git_tree_entry_byindex(tree.get(), i);
    const std::string name = git_tree_entry_name(e);
    // A tree from elsewhere (a remote's) may name its entries so as to write outside `dir`.
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos) {
      error = name + ": not a plain file name";
      return false;
    }
    const std::string path = (std::filesystem::path(dir) / name).string();
    if (git_tree_entry_type(e) == GIT_OBJECT_TREE) {
      if (!WriteOut(repo, *git_tree_entry_id(e), path, error)) return false;
      continue;
    }
    git_blob* blob = nullptr;
    if (git_tree_entry_filemode(e) != GIT_FILEMODE_BLOB || git_blob_lookup(&blob, repo, git_tree_entry_id(e)) != 0) {
      error = name + ": not a plain file";
      return false;
    }
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(git_blob_rawcontent(blob)),
              static_cast<std::streamsize>(git_blob_rawsize(blob)));
    git_blob_free(blob);
    if (!out.flush()) {
      error = path + ": not written";
      return false;
    }
  }
  return true;
}

}  // namespace zova::history::git
