// The fleet's history in git: each run one commit of the controllers' newest backups (folder NAME/ each),
// pushed where the plant keeps its records, and what changed when, read back from the commits or from the
// dated backups of a fleet folder. The repository is bare: the dated folders are the files to open, the
// repository is their history.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "backup/differences.h"
#include "backup/fleet_file.h"
#include "base/outcome.h"

namespace zova::history {

// The file at the top of the repository that says which host backs up which controller: "NAME HOST" lines.
inline constexpr std::string_view kHostsFile = "HOSTS";
// How many change lines of one controller a commit message lists before "and N more".
inline constexpr std::size_t kMessageChanges = 20;

// What the fleet run did with one controller.
struct ControllerRun {
  std::string name;
  std::string folder;   // its new backup; empty when it failed
  std::string failure;  // why it failed
};

struct Recorded {
  Outcome result;          // Ok, or why the history was not kept or not pushed (the backups stand either way)
  bool committed = false;  // this run made a commit
  bool pushed = false;     // with a remote: every commit reached it
  std::string commit;      // the branch's commit after the run
  std::string summary;     // the commit message's first line, or why there was no commit
  std::string reason;      // why it failed, for the summary file and the operator
};

struct Options {
  std::string host;                                               // names the author and the controllers' keeper
  std::chrono::milliseconds pushLimit{std::chrono::seconds(60)};  // the fetch and push together
  std::function<void(const std::string&)> step;                   // told before the commit and before the push
};

// Commits the run's changed backups as one commit on the branch (none when nothing changed), then, with a
// remote, fetches, puts the unpushed commits on top of what the remote holds and pushes them.
[[nodiscard]] Recorded RecordRun(const backup::FleetHistory& settings, const std::string& stamp,
                                 const std::vector<ControllerRun>& runs, const Options& options);

// The commit message of a run.
struct RunChanges {
  std::string name;
  bool first = false;
  std::vector<backup::Difference> differences;
};
[[nodiscard]] std::string CommitMessage(const std::string& stamp, std::size_t controllers,
                                        const std::vector<RunChanges>& changed,
                                        const std::vector<ControllerRun>& failed);

// One change of a controller: "2026-12-07T023000Z P100 axis 1: 0.00 -> -123.45".
struct Change {
  std::string stamp;
  backup::Difference difference;
};
[[nodiscard]] std::string ChangeLine(const Change& change);

struct Filter {
  std::string since;  // a date (YYYY-MM-DD) or a fleet stamp; changes from then on
  std::string item;   // "P100": that item alone (on every axis); empty: all
};
// Whether `date` may be a --since: YYYY-MM-DD or a fleet stamp.
[[nodiscard]] bool IsSinceDate(std::string_view date);

// The changes of controller `name`, oldest first, from a history repository or a fleet folder (which holds
// NAME/STAMP/ backups). Ok, or FileDamaged when the place is damaged or not a history, with the reason.
// `stamps`, when given, gets the stamp of every backup read, the first one included, oldest first.
[[nodiscard]] Outcome ReadChanges(const std::string& place, const std::string& name, const Filter& filter,
                                  std::vector<Change>& out, std::vector<std::string>* stamps = nullptr);

// The controllers a history repository (its branch's folders) or a fleet folder (its folders of dated backups)
// holds, by name; FileDamaged with the reason when it holds none.
[[nodiscard]] Outcome ReadNames(const std::string& place, std::vector<std::string>& out);

// The backup of `name` made at `stamp` as a folder: the fleet folder's own, or written out of the repository into
// the new folder `dir`.
[[nodiscard]] Outcome BackupFolder(const std::string& place, const std::string& name, const std::string& stamp,
                                   const std::string& dir, std::string& folder);

// The name of this machine, for the commits' author and the controllers' keeper.
[[nodiscard]] std::string HostName();

// The SSH keys tried for a remote, in order: the service's credential, then the user's own.
inline constexpr std::string_view kServiceKeyCredential = "zova-history-key";
[[nodiscard]] std::vector<std::string> KeyCandidates();

// The known_hosts files an SSH server's key is looked up in, in order: the service's credential, then the
// user's own.
inline constexpr std::string_view kServiceKnownHosts = "zova-history-known-hosts";
[[nodiscard]] std::vector<std::string> KnownHostsFiles();

// Ok when `key` (the server's key as SSH sends it) is one the first of `files` that lists `host` (at `port`:
// "[host]:port" unless 22, plain or hashed) holds for it; Refused with the host and the file otherwise.
// Wildcards are not read.
[[nodiscard]] Outcome CheckHostKey(const std::string& host, int port, std::string_view key,
                                   const std::vector<std::string>& files);

}  // namespace zova::history
