// Bounded file reading and atomic file saving on Windows. Paths are turned into UTF-16 for the system's
// wide calls; errors become the nearest errno value, so messages read as they do elsewhere.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cwchar>

#include "base/atomic_file.h"

namespace zova {

namespace {

constexpr std::wstring_view kTemporaryPrefix = L".zova-";
// Names tried before a temporary file or folder gives up: another program would have to hold them all.
constexpr int kNameAttempts = 100;
// WriteFile and ReadFile take at most 4 GiB a call.
constexpr std::size_t kMaxChunk = 1u << 30;

int ErrnoOf(DWORD code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
      return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return EACCES;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE:
      return ENAMETOOLONG;
    case ERROR_DIR_NOT_EMPTY:
      return ENOTEMPTY;
    case ERROR_DIRECTORY:
      return ENOTDIR;
    case ERROR_NOT_SAME_DEVICE:
      return EXDEV;
    case ERROR_CANT_RESOLVE_FILENAME:
      return ELOOP;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return ENOMEM;
    case ERROR_INVALID_NAME:
      return EINVAL;
    default:
      return EIO;
  }
}

bool Fail(std::string& error, int code) {
  error = std::strerror(code);
  return false;
}

bool FailLast(std::string& error) { return Fail(error, ErrnoOf(::GetLastError())); }

// UTF-8 as the program keeps its paths; a name that is not valid UTF-8 came from the ANSI code page.
std::wstring Wide(const std::string& path) {
  UINT page = CP_UTF8;
  int n = ::MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0);
  if (n == 0 && !path.empty()) {
    page = CP_ACP;
    n = ::MultiByteToWideChar(page, 0, path.data(), static_cast<int>(path.size()), nullptr, 0);
  }
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(page, 0, path.data(), static_cast<int>(path.size()), wide.data(), n);
  return wide;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"/\\");
  if (slash != std::wstring::npos) return path.substr(0, slash + 1);
  return path.size() >= 2 && path[1] == L':' ? path.substr(0, 2) : std::wstring();  // "C:name"
}

// An ending that differs between processes and between calls; a clash is retried with the next one.
std::wstring UniqueEnding(int attempt) {
  static std::uint32_t counter = 0;
  const std::uint64_t mix = (std::uint64_t{::GetCurrentProcessId()} << 32) ^ ::GetTickCount64() ^
                            (std::uint64_t{++counter} * 0x9E3779B9u) ^ static_cast<std::uint64_t>(attempt);
  wchar_t text[9];
  std::swprintf(text, 9, L"%08x", static_cast<unsigned>(mix ^ (mix >> 32)));
  return text;
}

// Closes the handle on every way out.
class Handle {
 public:
  explicit Handle(HANDLE h) : h_(h) {}
  ~Handle() { close(); }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  [[nodiscard]] HANDLE get() const { return h_; }
  [[nodiscard]] bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE h) {
    if (valid()) ::CloseHandle(h_);
    h_ = h;
  }
  void close() { reset(INVALID_HANDLE_VALUE); }

 private:
  HANDLE h_;
};

// Opens what `path` names (a folder too, which needs backup semantics), without waiting and without
// keeping others from it.
HANDLE OpenExisting(const std::wstring& path, DWORD access, DWORD flags = 0) {
  return ::CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | flags, nullptr);
}

// 0 for a regular file on a disk, else the errno value that refuses it (EINVAL: neither file nor folder).
int KindError(HANDLE h, BY_HANDLE_FILE_INFORMATION& info) {
  if (::GetFileType(h) != FILE_TYPE_DISK) return EINVAL;
  if (::GetFileInformationByHandle(h, &info) == 0) return ErrnoOf(::GetLastError());
  if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return EISDIR;
  return 0;
}

bool FailKind(std::string& error, int code) {
  if (code != EINVAL) return Fail(error, code);
  error = Tr(kMsgNotRegularFile);
  return false;
}

// A symbolic link or a junction opened itself (FILE_FLAG_OPEN_REPARSE_POINT): other reparse points, such as a
// cloud service's files, hold the file's own data.
bool IsLink(HANDLE h) {
  FILE_ATTRIBUTE_TAG_INFO tag{};
  return ::GetFileInformationByHandleEx(h, FileAttributeTagInfo, &tag, sizeof tag) != 0 &&
         (tag.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0 && IsReparseTagNameSurrogate(tag.ReparseTag);
}

// FILE_FLAG_OPEN_REPARSE_POINT in `flags` opens a link itself, which is then refused.
bool ReadBounded(const std::string& path, DWORD flags, std::size_t maxBytes, std::string& content, std::string& error) {
  const Handle file(OpenExisting(Wide(path), GENERIC_READ, flags));
  if (!file.valid()) return FailLast(error);
  if (flags != 0 && IsLink(file.get())) return FailKind(error, EINVAL);
  BY_HANDLE_FILE_INFORMATION info{};
  if (const int code = KindError(file.get(), info); code != 0) return FailKind(error, code);
  const std::uint64_t size = (std::uint64_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
  if (size > maxBytes) return Fail(error, EFBIG);
  std::string data;
  data.reserve(static_cast<std::size_t>(size));
  char chunk[65536];
  for (;;) {
    DWORD n = 0;
    if (::ReadFile(file.get(), chunk, sizeof chunk, &n, nullptr) == 0) return FailLast(error);
    if (n == 0) break;
    // A file may grow while it is read: the bound holds for what is read, not only for the size seen.
    if (n > maxBytes - data.size()) return Fail(error, EFBIG);
    data.append(chunk, n);
  }
  content = std::move(data);
  return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadBounded(path, 0, maxBytes, content, error);
}

bool ReadPlainFile(const std::string& path, std::size_t maxBytes, std::string& content, std::string& error) {
  return ReadBounded(path, FILE_FLAG_OPEN_REPARSE_POINT, maxBytes, content, error);
}

bool ReadWholeStream(std::FILE* stream, std::size_t maxBytes, std::string& content, std::string& error) {
  // Text mode would turn CR LF into LF and stop at Ctrl-Z: the bytes are taken as they are.
  ::_setmode(::_fileno(stream), _O_BINARY);
  std::string data;
  char chunk[65536];
  for (;;) {
    const std::size_t n = std::fread(chunk, 1, sizeof chunk, stream);
    if (n > maxBytes - data.size()) return Fail(error, EFBIG);
    data.append(chunk, n);
    if (n < sizeof chunk) break;
  }
  if (std::ferror(stream) != 0) return Fail(error, errno != 0 ? errno : EIO);
  content = std::move(data);
  return true;
}

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where) {
  where = {};
  auto fail = [&](int code, std::string_view description = {}) {
    where.errorNumber = code;
    error = description.empty() ? std::strerror(code) : std::string(description);
    return false;
  };

  std::wstring target = Wide(path);
  bool exists = false;
  {
    const Handle old(OpenExisting(target, 0));
    if (old.valid()) {
      exists = true;
      BY_HANDLE_FILE_INFORMATION info{};
      if (const int code = KindError(old.get(), info); code != 0) {
        return code == EINVAL ? fail(code, Tr(kMsgNotRegularFile)) : fail(code);
      }
      // A read-only file stays as it is, as one the user may not write does elsewhere.
      if ((info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) return fail(EACCES);
      // The file a symbolic link leads to is the one replaced, as elsewhere.
      wchar_t final[32768];
      const DWORD n = ::GetFinalPathNameByHandleW(old.get(), final, 32768, FILE_NAME_NORMALIZED);
      if (n > 0 && n < 32768) target.assign(final, n);
    } else if (const DWORD code = ::GetLastError(); code != ERROR_FILE_NOT_FOUND) {
      return fail(ErrnoOf(code));
    }
  }
  if (exists) {
    // A file the user may not write (its access list, or another program holding it) is left alone.
    const Handle writable(OpenExisting(target, GENERIC_WRITE));
    if (!writable.valid()) return fail(ErrnoOf(::GetLastError()));
  }

  std::wstring temp;
  Handle file(INVALID_HANDLE_VALUE);
  const std::wstring folder = FolderOf(target);
  for (int attempt = 0; attempt < kNameAttempts && !file.valid(); ++attempt) {
    temp = folder + std::wstring(kTemporaryPrefix) + UniqueEnding(attempt);
    file.reset(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid() && ::GetLastError() != ERROR_FILE_EXISTS) break;
  }
  if (!file.valid()) return fail(ErrnoOf(::GetLastError()));
  auto discard = [&](DWORD code) {
    file.close();
    ::DeleteFileW(temp.c_str());
    return fail(ErrnoOf(code));
  };

  where.stage = SaveFailure::Stage::Write;
  for (std::string_view left = content; !left.empty();) {
    DWORD n = 0;
    const auto size = static_cast<DWORD>(left.size() < kMaxChunk ? left.size() : kMaxChunk);
    if (::WriteFile(file.get(), left.data(), size, &n, nullptr) == 0) return discard(::GetLastError());
    left.remove_prefix(n);
    where.offset += n;
  }
  if (::FlushFileBuffers(file.get()) == 0) return discard(::GetLastError());
  file.close();

  where.stage = SaveFailure::Stage::Replace;
  // ReplaceFileW keeps the old file's attributes and access list; a new file takes the folder's.
  const bool replaced =
      exists ? ::ReplaceFileW(target.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr,
                              nullptr) != 0
             : ::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
  if (!replaced) return discard(::GetLastError());
  return true;
}

std::FILE* OpenForWriting(const std::string& path) {
  // Text mode: the trace's lines end in CR LF, as Windows programs read them. Windows has no FIFOs to wait on.
  return ::_wfopen(Wide(path).c_str(), L"w");
}

bool MakeTemporaryFolder(std::string& path, std::string& error) {
  const std::wstring prefix = Wide(path);
  for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
    const std::wstring ending = UniqueEnding(attempt).substr(0, 6);  // six characters, as mkdtemp's
    if (::CreateDirectoryW((prefix + ending).c_str(), nullptr) != 0) {
      // Hidden until published, as the leading dot hides it elsewhere.
      ::SetFileAttributesW((prefix + ending).c_str(), FILE_ATTRIBUTE_HIDDEN);
      path += std::string(ending.begin(), ending.end());  // the ending is ASCII
      return true;
    }
    if (::GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  return FailLast(error);
}

bool IsOwnFolder(const std::string& path) {
  const std::wstring wide = Wide(path);
  const DWORD attributes = ::GetFileAttributesW(wide.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
      (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
    return false;
  }
  PSID owner = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (::GetNamedSecurityInfoW(wide.c_str(), SE_FILE_OBJECT, OWNER_SECURITY_INFORMATION, &owner, nullptr, nullptr,
                              nullptr, &descriptor) != ERROR_SUCCESS) {
    return false;
  }
  bool own = false;
  HANDLE token = nullptr;
  if (::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, &token) != 0) {
    alignas(TOKEN_USER) unsigned char buffer[256];
    DWORD size = 0;
    if (::GetTokenInformation(token, TokenUser, buffer, sizeof buffer, &size) != 0) {
      own = ::EqualSid(owner, reinterpret_cast<TOKEN_USER*>(buffer)->User.Sid) != 0;
    }
    ::CloseHandle(token);
  }
  ::LocalFree(descriptor);
  return own;
}

bool MakeFolder(const std::string& path, std::string& error) {
  return ::CreateDirectoryW(Wide(path).c_str(), nullptr) != 0 || FailLast(error);
}

bool PublishFolder(const std::string& folder, const std::string& target, std::string& error) {
  const std::wstring from = Wide(folder);
  const std::wstring to = Wide(target);
  ::SetFileAttributesW(from.c_str(), FILE_ATTRIBUTE_NORMAL);
  // A folder cannot be renamed over another, even an empty one: the empty one goes first.
  if (::RemoveDirectoryW(to.c_str()) == 0) {
    if (const DWORD code = ::GetLastError(); code != ERROR_FILE_NOT_FOUND && code != ERROR_PATH_NOT_FOUND) {
      return Fail(error, ErrnoOf(code));
    }
  }
  return ::MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0 || FailLast(error);
}

}  // namespace zova
