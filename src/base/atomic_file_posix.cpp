// Bounded file reading and atomic file saving on POSIX systems.
#include "base/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdint>
#include <cstring>

namespace zova {

namespace {

// Links followed before a save gives up with ELOOP, as the system itself does.
constexpr int kMaxLinkDepth = 40;
// The temporary file's name in the target's folder: short, so a name at the system's limit still saves.
constexpr std::string_view kTemporaryName = ".zova-XXXXXX";

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

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A new name reaches the disk with the folder that holds it. The entry is already in place: a folder that
// cannot be flushed (some file systems refuse) does not make the rename a failure.
void FlushFolderOf(const std::string& path) {
  const std::string folder = FolderOf(path);
  const Descriptor dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (dir.get() >= 0) (void)::fsync(dir.get());
}

// The file a save must replace: `path` followed through its symbolic links. 0, or the errno that stopped it.
int FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno;  // a new file is fine
    if (!S_ISLNK(st.st_mode)) return 0;
    char link[PATH_MAX];
    const ssize_t n = ::readlink(target.c_str(), link, sizeof link);
    if (n < 0) return errno;
    if (static_cast<std::size_t>(n) == sizeof link) return ENAMETOOLONG;
    const std::string next(link, static_cast<std::size_t>(n));
    // A relative link is relative to the folder that holds the link.
    target = next.front() == '/' ? next : FolderOf(target) + next;
  }
  return ELOOP;
}

}  // namespace

bool ReadWholeStream(std::FILE* stream, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadToEnd(::fileno(stream), maxBytes, 0, content, error);
}

namespace {

bool ReadBounded(const std::string& path, int flags, std::size_t maxBytes, std::string& content, std::string& error) {
  // O_NONBLOCK: opening a FIFO without a writer must not wait; the kind is checked on what was opened.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC | flags));
  if (file.get() < 0 && errno == ELOOP && (flags & O_NOFOLLOW) != 0) {
    error = Tr(kMsgNotRegularFile);
    return false;
  }
  if (file.get() < 0) return Fail(error, errno);
  struct stat st {};
  if (::fstat(file.get(), &st) != 0) return Fail(error, errno);
  if (S_ISDIR(st.st_mode)) return Fail(error, EISDIR);
  if (!S_ISREG(st.st_mode)) {
    error = Tr(kMsgNotRegularFile);
    return false;
  }
  if (static_cast<std::uint64_t>(st.st_size) > maxBytes) return Fail(error, EFBIG);
  return ReadToEnd(file.get(), maxBytes, static_cast<std::size_t>(st.st_size), content, error);
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadBounded(path, 0, maxBytes, content, error);
}

bool ReadPlainFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadBounded(path, O_NOFOLLOW, maxBytes, content, error);
}

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where) {
  where = {};
  auto fail = [&](int code, std::string_view description = {}) {
    where.errorNumber = code;
    error = description.empty() ? std::strerror(code) : std::string(description);
    return false;
  };

  std::string target;
  if (const int code = FollowLinks(path, target); code != 0) return fail(code);
  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (S_ISDIR(old.st_mode)) return fail(EISDIR);
    // Renaming over a device or a FIFO would replace the node itself.
    if (!S_ISREG(old.st_mode)) return fail(EINVAL, Tr(kMsgNotRegularFile));
    // The rename needs only the folder's permission: a file the user could not write stays as it is.
    if (::access(target.c_str(), W_OK) != 0) return fail(errno);
  }

  std::string temp = FolderOf(target) + std::string(kTemporaryName);
  Descriptor file(::mkstemp(temp.data()));
  if (file.get() < 0) return fail(errno);
  auto discard = [&](int code) {
    ::unlink(temp.c_str());
    return fail(code);
  };

  // The group first: changing it may clear the set-group-ID bit that the mode then restores.
  if (exists && ::fchown(file.get(), static_cast<uid_t>(-1), old.st_gid) != 0) {
    // Not permitted (a group the user is not in): the file takes the user's group, as a new file would.
  }
  mode_t mode = 0;
  if (exists) {
    mode = old.st_mode & 07777;
  } else {
    // mkstemp makes the file private; a new file gets the usual permissions.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(file.get(), mode) != 0) return discard(errno);

  where.stage = SaveFailure::Stage::Write;
  const char* p = content.data();
  std::size_t left = content.size();
  while (left > 0) {
    const ssize_t n = ::write(file.get(), p, left);
    if (n < 0) {
      if (errno == EINTR) continue;
      return discard(errno);
    }
    p += n;
    left -= static_cast<std::size_t>(n);
    where.offset += static_cast<std::size_t>(n);
  }
  if (::fsync(file.get()) != 0) return discard(errno);
  if (file.close() != 0) return discard(errno);

  where.stage = SaveFailure::Stage::Replace;
  if (::rename(temp.c_str(), target.c_str()) != 0) return discard(errno);
  FlushFolderOf(target);
  return true;
}

std::FILE* OpenForWriting(const std::string& path) {
  // O_NONBLOCK: a FIFO nobody reads is refused (ENXIO) instead of hanging the caller.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
  if (fd < 0) return nullptr;
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  std::FILE* file = ::fdopen(fd, "w");
  if (file == nullptr) {
    const int code = errno;
    ::close(fd);
    errno = code;
  }
  return file;
}

bool MakeTemporaryFolder(std::string& path, std::string& error) {
  std::string name = path + "XXXXXX";
  if (::mkdtemp(name.data()) == nullptr) return Fail(error, errno);
  path = std::move(name);
  return true;
}

bool IsOwnFolder(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::geteuid();
}

bool MakeFolder(const std::string& path, std::string& error) {
  return ::mkdir(path.c_str(), 0777) == 0 || Fail(error, errno);
}

bool PublishFolder(const std::string& folder, const std::string& target, std::string& error) {
  // mkdtemp makes the folder private; the published one gets the permissions of any new folder.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  (void)::chmod(folder.c_str(), 0777 & ~mask);
  if (::rename(folder.c_str(), target.c_str()) != 0) return Fail(error, errno);
  FlushFolderOf(target);
  return true;
}

}  // namespace zova
