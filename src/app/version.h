// The program's version, as the selection window shows it and backups record it.
#pragma once

#include <string>

namespace zova::app {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 3;

// "1.0.3", as backups and fleet runs record it.
inline std::string VersionNumber() {
  return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

}  // namespace zova::app
