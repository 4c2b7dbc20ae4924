// Pushing the history's branch to its remote: fetch, put our commits on top, push, bounded in time.
#pragma once

#include <chrono>
#include <string>

#include "backup/fleet_file.h"
#include "base/outcome.h"

namespace zova::history {

inline std::string BranchRef(const std::string& branch) { return "refs/heads/" + branch; }
// Where the remote's branch is kept after a fetch: ours alone, so no configuration of a remote is needed.
inline std::string RemoteRef(const std::string& branch) { return "refs/zova/remote/" + branch; }

struct Pushed {
  Outcome result;  // its detail is the operator's reason, naming the remote
  bool pushed = false;
};

// Runs in a thread of its own, so that a remote that hangs cannot hold the run: after `limit` the push is
// left to end by itself and the result says so.
[[nodiscard]] Pushed PushBounded(const backup::FleetHistory& settings, std::chrono::milliseconds limit);

}  // namespace zova::history
