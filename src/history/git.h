// libgit2 in the history's terms: owners of its objects, the library set up once without the user's git
// configuration, and the repository's trees read and written whole.
#pragma once

#include <git2.h>

#include <map>
#include <memory>
#include <optional>
#include <string>

namespace zova::history::git {

template <typename T, void (*Free)(T*)>
struct Freer {
  void operator()(T* p) const { Free(p); }
};
using Repository = std::unique_ptr<git_repository, Freer<git_repository, git_repository_free>>;
using Commit = std::unique_ptr<git_commit, Freer<git_commit, git_commit_free>>;
using Tree = std::unique_ptr<git_tree, Freer<git_tree, git_tree_free>>;
using Blob = std::unique_ptr<git_blob, Freer<git_blob, git_blob_free>>;
using Reference = std::unique_ptr<git_reference, Freer<git_reference, git_reference_free>>;
using Remote = std::unique_ptr<git_remote, Freer<git_remote, git_remote_free>>;
using Walk = std::unique_ptr<git_revwalk, Freer<git_revwalk, git_revwalk_free>>;
using Signature = std::unique_ptr<git_signature, Freer<git_signature, git_signature_free>>;
using Builder = std::unique_ptr<git_treebuilder, Freer<git_treebuilder, git_treebuilder_free>>;

// Sets the library up once per process: no system or user configuration is read (the plant PC's git
// settings must not change what a run writes), and what is written is synced to the disk.
void Start();

// libgit2's reason for the last failure, or `fallback`.
[[nodiscard]] std::string LastError(const std::string& fallback = "git");

// The top entries of a tree by name: each with its object id and whether it is a folder.
struct Entry {
  git_oid id;
  bool folder = false;
};
using Entries = std::map<std::string, Entry>;
[[nodiscard]] Entries TopEntries(const git_tree* tree);

// The commit the branch `ref` names, or none (an unborn branch); false after `error` when it cannot be read.
[[nodiscard]] bool Tip(git_repository* repo, const std::string& ref, std::optional<git_oid>& tip, std::string& error);

// The tree of commit `id` (null for none), or null after `error`.
[[nodiscard]] Tree TreeOf(git_repository* repo, const std::optional<git_oid>& id, std::string& error);

// The "NAME HOST" lines of the HOSTS blob, or of none.
[[nodiscard]] std::map<std::string, std::string> Hosts(git_repository* repo, const Entries& top);
[[nodiscard]] std::string HostsText(const std::map<std::string, std::string>& hosts);

// Writes the folder `id` of the repository into the new folder `dir`: plain files and folders only.
[[nodiscard]] bool WriteOut(git_repository* repo, const git_oid& id, const std::string& dir, std::string& error);

}  // namespace zova::history::git
