// The program's one door to its files and folders. Reading takes only a regular file of a bounded size, so
// a folder, a device or a FIFO named by mistake is refused at once instead of hanging the program or
// exhausting its memory. Saving writes a temporary file beside the target and renames it over the
// target, so a failed save leaves the old file whole. Paths are UTF-8. The system's own calls live in
// atomic_file_posix.cpp and atomic_file_windows.cpp; error texts are those of the C library's strerror.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace zova {

// The description of a path that names neither a regular file nor a folder (a device, a FIFO, a socket);
// looked up with Tr where an error is set to it.
inline constexpr std::string_view kMsgNotRegularFile = TrMark("Not a regular file");

// Reads the whole of `path`, a regular file of at most `maxBytes` bytes, without ever waiting on a FIFO.
// On failure returns false with `error` set to the system's description ("No such file or directory",
// "Is a directory", "File too large", ...) and leaves `content` as it was.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content,
                                 std::string& error);

// As ReadWholeFile, but a symbolic link (on Windows any reparse point) named as `path` is refused as not a
// regular file instead of followed: for folders whose content must not lead elsewhere.
[[nodiscard]] bool ReadPlainFile(const std::string& path, std::size_t maxBytes, std::string& content,
                                 std::string& error);

// Reads an open stream (standard input: a pipe, a terminal or a file) to its end, at most `maxBytes`, as bytes.
[[nodiscard]] bool ReadWholeStream(std::FILE* stream, std::size_t maxBytes, std::string& content, std::string& error);

// Where a save failed, for messages that name the line being written.
struct SaveFailure {
  enum class Stage { Create, Write, Replace } stage = Stage::Create;  // temporary file, its data, the rename
  std::size_t offset = 0;  // Write: bytes of `content` that reached the disk before the failure
  int errorNumber = 0;     // the failure as an errno value (on Windows: the nearest one)
};

// Writes `content` to `path`. A symbolic link is followed (chains and relative links too) and the file it
// names is replaced; an existing file keeps its mode and, where permitted, its group. A target that the
// user may not write, a folder or anything else that is not a regular file is refused. On failure
// returns false with `error` set to the system's description; the target is then unchanged and no
// temporary file is left.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error);
// As above, and tells where it failed.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where);

// Opens `path` for writing text from the start, without ever waiting for a reader (a FIFO nobody reads is
// refused). Null with errno set on failure.
[[nodiscard]] std::FILE* OpenForWriting(const std::string& path);

// The temporary folder of a folder named `target` (a name, not a path) is named ".TARGET.zova-" and six
// letters or digits, the target's name cut (at a character's end) so the whole fits in 255 bytes.
[[nodiscard]] std::string TemporaryFolderPrefix(std::string_view target);
[[nodiscard]] bool IsTemporaryFolderName(std::string_view name, std::string_view target);
// Makes a new folder only the user can reach, named `path` and a unique ending; `path` becomes its name.
[[nodiscard]] bool MakeTemporaryFolder(std::string& path, std::string& error);
// True for a folder itself (not a link to one) that belongs to the user running the program.
[[nodiscard]] bool IsOwnFolder(const std::string& path);
[[nodiscard]] bool MakeFolder(const std::string& path, std::string& error);
// Puts a folder made by MakeTemporaryFolder in place as `target` (absent, or an empty folder), with the
// permissions of any new folder, so a reader never sees it half written.
[[nodiscard]] bool PublishFolder(const std::string& folder, const std::string& target, std::string& error);

}  // namespace zova
