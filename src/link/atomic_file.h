// Saving a text file so that a failure leaves the old file whole: the text goes to a temporary
// file in the same folder, which then replaces the target in one rename.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zova {

// Writes `content` to `path`. On failure returns false with `error` set to the system's
// description of the failure; the target is then unchanged and no temporary file is left.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error);

// Where a save failed, for messages that name the line being written.
struct SaveFailure {
  enum class Stage { Create, Write, Replace } stage = Stage::Create;  // temporary file, its data, the rename
  std::size_t offset = 0;  // Write: bytes of `content` that reached the disk before the failure
  int errorNumber = 0;     // the system's error number (errno) of the failure
};
// As above, and tells where it failed.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error, SaveFailure& where);

// Reads a whole file; false with `error` set to the system's description when it cannot.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error);

}  // namespace zova
