// The system parameter table SysPara: 100 signed 32-bit values, 41 of them named.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zova::parameters {

inline constexpr int kSysParaSize = 100;
inline constexpr int kSysParaNamed = 41;
// Bytes of the controller block: all 100 entries, 4 bytes each.
inline constexpr int kSysParaBlockBytes = 4 * kSysParaSize;

// Indices of the named entries the program itself looks at.
namespace sys {
inline constexpr int kAxes = 0;
inline constexpr int kIo = 1;
inline constexpr int kSync = 3;
inline constexpr int kZrax = 7;
}  // namespace sys

struct SysParaEntry {
  int index;
  std::string_view prefix;  // opens the entry's line in the file: key, "-" fill, "= "
  std::string_view label;   // caption of the entry's frame on the screen
  std::int32_t defaultValue;
};

// The named entries in file order.
const std::array<SysParaEntry, kSysParaNamed>& SysParaEntries();

class SysPara {
 public:
  std::array<std::int32_t, kSysParaSize> values{};

  std::int32_t& operator[](int index) { return values[static_cast<std::size_t>(index)]; }
  std::int32_t operator[](int index) const { return values[static_cast<std::size_t>(index)]; }

  // Writes the defaults into the 41 named entries; the unnamed ones are left alone.
  void SetDefaults();
};

}  // namespace zova::parameters
