// A lock on a folder that one run at a time may write: two fleet runs into one folder would take the same
// dated names. The system drops the lock when the process ends, however it ends, so a killed run never
// leaves the folder locked.
#pragma once

#include <cstdint>
#include <string>

namespace zova::backup {

class RunLock {
 public:
  enum class State { Held, Busy, Failed };
  // Takes the lock file `path` (made when missing; it stays, as removing it would let a third run lock a
  // new file while the second still holds the old one).
  explicit RunLock(const std::string& path);
  ~RunLock();
  RunLock(const RunLock&) = delete;
  RunLock& operator=(const RunLock&) = delete;

  [[nodiscard]] State state() const { return state_; }
  // Why it failed, in the system's words.
  [[nodiscard]] const std::string& error() const { return error_; }

 private:
  std::intptr_t handle_ = -1;
  State state_ = State::Failed;
  std::string error_;
};

}  // namespace zova::backup
