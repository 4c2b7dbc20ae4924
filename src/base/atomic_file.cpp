// What both systems' file code shares.
#include "base/atomic_file.h"

#include <algorithm>

namespace zova {

bool SaveFileAtomically(const std::string& path, std::string_view content, std::string& error) {
  SaveFailure where;
  return SaveFileAtomically(path, content, error, where);
}

namespace {

constexpr std::string_view kTemporaryFolderMark = ".zova-";
constexpr std::size_t kTemporaryEnding = 6;
constexpr std::size_t kNameMax = 255;  // bytes of one name on the usual file systems

}  // namespace

std::string TemporaryFolderPrefix(std::string_view target) {
  std::size_t keep = std::min(target.size(), kNameMax - 1 - kTemporaryFolderMark.size() - kTemporaryEnding);
  // Never half a UTF-8 character: Windows could not turn the name into its own form.
  while (keep > 0 && keep < target.size() && (static_cast<unsigned char>(target[keep]) & 0xC0) == 0x80) --keep;
  return "." + std::string(target.substr(0, keep)) + std::string(kTemporaryFolderMark);
}

bool IsTemporaryFolderName(std::string_view name, std::string_view target) {
  const std::string prefix = TemporaryFolderPrefix(target);
  if (name.size() != prefix.size() + kTemporaryEnding || !name.starts_with(prefix)) return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

}  // namespace zova
