// The run lock on POSIX systems: flock, which the kernel releases with the last descriptor.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "backup/run_lock.h"

namespace zova::backup {

RunLock::RunLock(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) {
    error_ = std::strerror(errno);
    return;
  }
  handle_ = fd;
  int result = 0;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) {
    state_ = State::Held;
  } else {
    state_ = errno == EWOULDBLOCK ? State::Busy : State::Failed;
    error_ = std::strerror(errno);
  }
}

RunLock::~RunLock() {
  if (handle_ >= 0) ::close(static_cast<int>(handle_));
}

}  // namespace zova::backup
