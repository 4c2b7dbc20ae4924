// The program's one door to its text files. Reading takes only a regular file of a bounded size, so a
// folder, a device or a FIFO named by mistake is refused at once instead of hanging the program or
// exhausting its memory. Saving writes a temporary file beside the target and renames it over the
// target, so a failed save leaves the old file whole.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zova {

// The description of a path that names neither a regular file nor a folder (a device, a FIFO, a socket).
inline constexpr std::string_view kMsgNotRegularFile = "Not a regular file";

// Reads the whole of `path`, a regular file of at most `maxBytes` bytes, without ever waiting on a FIFO.
// On failure returns false with `error` set to the system's description ("No such file or directory",
// "Is a directory", "File too large", ...) and leaves `content` as it was.
[[nodiscard]] bool ReadWholeFile(const std::string& path, std::size_t maxBytes, std::string& content,
                                 std::string& error);

// Reads an open descriptor (standard input: a pipe, a terminal or a file) to its end, at most `maxBytes`.
[[nodiscard]] bool ReadWholeStream(int fd, std::size_t maxBytes, std::string& content, std::string& error);

// Where a save failed, for messages that name the line being written.
struct SaveFailure {
  enum class Stage { Create, Write, Replace } stage = Stage::Create;  // temporary file, its data, the rename
  std::size_t offset = 0;  // Write: bytes of `content` that reached the disk before the failure
  int errorNumber = 0;     // the system's error number (errno) of the failure
};

// Writes `content` to `path`. A symbolic link is followed (chains and relative links too) and the file it
// names is replaced; an existing file keeps its mode and, where permitted, its group. A target that the
// user may not write, a folder or anything else that is not a regular file is refused. On failure
// returns false with `error` set to the system's description; the target is then unchanged and no
// temporary file is left.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error);
// As above, and tells where it failed.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where);

}  // namespace zova
