// The axis parameter table AxPara: 200 signed 32-bit values for each of six axes, 36 named.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "parameters/axis_count.h"

namespace zova::parameters {

inline constexpr int kAxParaEntries = 200;
inline constexpr int kAxParaNamed = 36;
// Bytes of one axis in the controller block.
inline constexpr int kAxParaAxisBytes = 4 * kAxParaEntries;

struct AxParaEntry {
  int entry;
  std::string_view prefix;  // opens the entry's line in the file: key, "-" fill, " = "
  std::string_view label;   // caption of the entry's frame on the screen
  std::int32_t defaultValue;
};

// The named entries in file order.
const std::array<AxParaEntry, kAxParaNamed>& AxParaEntries();

// Entries 100 to 106 are held in hundredths of what the screen shows.
[[nodiscard]] constexpr bool IsHundredthsEntry(int entry) { return entry >= 100 && entry <= 106; }

class AxPara {
 public:
  using Axis = std::array<std::int32_t, kAxParaEntries>;
  std::array<Axis, kMaxAxes> values{};

  Axis& operator[](int axis) { return values[static_cast<std::size_t>(axis)]; }
  const Axis& operator[](int axis) const { return values[static_cast<std::size_t>(axis)]; }

  // Writes the defaults into the 36 named entries of all six axes; the unnamed ones are left alone.
  void SetDefaults();
};

}  // namespace zova::parameters
