// The simulated controller's own parameter blocks: 100 system values and 200 values per axis.
#pragma once

#include <array>
#include <cstdint>

namespace zova::sim {

struct ParameterStore {
  ParameterStore();

  std::array<std::int32_t, 100> system{};
  std::array<std::array<std::int32_t, 200>, 6> axis{};
};

}  // namespace zova::sim
