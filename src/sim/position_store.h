// The controller's own location and shift tables, as its memory holds them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace zova::sim {

using StoredPosition = std::array<std::int32_t, 6>;

struct PositionStore {
  std::vector<StoredPosition> locations = std::vector<StoredPosition>(2501);  // P0..P2500
  std::vector<StoredPosition> shifts = std::vector<StoredPosition>(1001);     // S0..S1000
};

}  // namespace zova::sim
