// The program's version as the selection window shows it.
#pragma once

namespace zova::app {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 3;

}  // namespace zova::app
