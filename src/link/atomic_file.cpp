// Bounded file reading and atomic file saving.
#include "link/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace zova {

namespace {

bool Fail(std::string& error, int code) {
  error = std::strerror(code);
  return false;
}

// Closes the descriptor on every way out.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  [[nodiscard]] int get() const { return fd_; }
  // Closes now, for callers that must see the close's own error.
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result;
  }

 private:
  int fd_;
};

bool ReadToEnd(int fd, std::size_t maxBytes, std::size_t expected, std::string& content, std::string& error) {
  std::string data;
  data.reserve(expected);
  char chunk[65536];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0) {
      if (errno == EINTR) continue;
      return Fail(error, errno);
    }
    if (n == 0) break;
    // A file may grow while it is read: the bound holds for what is read, not only for what fstat said.
    if (static_cast<std::size_t>(n) > maxBytes - data.size()) return Fail(error, EFBIG);
    data.append(chunk, static_cast<std::size_t>(n));
  }
  content = std::move(data);
  return true;
}

}  // namespace

bool ReadWholeStream(int fd, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadToEnd(fd, maxBytes, 0, content, error);
}

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait; the kind is checked on what was opened.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (file.get() < 0) return Fail(error, errno);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return Fail(error, errno);
  if (S_ISDIR(st.st_mode)) return Fail(error, EISDIR);
  if (!S_ISREG(st.st_mode)) {
    error = kMsgNotRegularFile;
    return false;
  }
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return Fail(error, EFBIG);
  return ReadToEnd(file.get(), maxBytes, static_cast<std::size_t>(st.st_size), content, error);
}

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  SaveFailure where;
  return SaveFileAtomically(path, content, error, where);
}

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where) {
  where = {};
  std::string temp = path + ".tmpXXXXXX";
  int fd = ::mkstemp(temp.data());
  if (fd < 0) {
    where.errorNumber = errno;
    error = std::strerror(errno);
    return false;
  }
  where.stage = SaveFailure::Stage::Write;
  auto fail = [&](int code) {
    where.errorNumber = code;
    error = std::strerror(code);
    ::close(fd);
    ::unlink(temp.c_str());
    return false;
  };
  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
    where.offset += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(errno);
  // mkstemp makes the file private; a saved file gets the usual permissions.
  mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd, 0666 & ~mask);
  if (::close(fd) != 0) {
    where.errorNumber = errno;
    error = std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  where.stage = SaveFailure::Stage::Replace;
  if (::rename(temp.c_str(), path.c_str()) != 0) {
    where.errorNumber = errno;
    error = std::strerror(errno);
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace zova
