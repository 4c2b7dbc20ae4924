// Atomic file saving.
#include "link/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace zova {

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

bool ReadWholeFile(const std::string& path, std::string& content, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = std::strerror(errno);
    return false;
  }
  std::ostringstream buffer;
  buffer << in.rdbuf();
  if (in.bad()) {
    error = std::strerror(errno);
    return false;
  }
  content = buffer.str();
  return true;
}

}  // namespace zova
