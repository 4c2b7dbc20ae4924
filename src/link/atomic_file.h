// Saving a text file so that a failure leaves the old file whole: the text goes to a temporary
// file in the same folder, which then replaces the target in one rename.
#pragma once

#include <string>
#include <string_view>

namespace zova {

// Writes `content` to `path`. On failure returns false with `error` set to the system's
// description of the failure; the target is then unchanged and no temporary file is left.
bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error);

// Reads a whole file; false with `error` set to the system's description when it cannot.
bool ReadWholeFile(const std::string& path, std::string& content, std::string& error);

}  // namespace zova
