// The controller's program memory: for each program 0..32 its program block and comment block as the host sent them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zova::sim {

inline constexpr int kStoredPrograms = 33;                // programs 0..32
inline constexpr std::size_t kProgramBlockBytes = 2050;   // presence flag, step count, 512 words
inline constexpr std::size_t kCommentBlockBytes = 31800;  // 300 rows of 106 cells

struct StoredProgram {
  // Empty: the program is absent and travels as the single byte 0x00.
  std::vector<std::uint8_t> block;
  std::vector<std::uint8_t> comments;
  [[nodiscard]] bool present() const { return !block.empty() && block[0] != 0; }
};

struct ProgramMemory {
  std::array<StoredProgram, kStoredPrograms> programs{};
};

}  // namespace zova::sim
