// The wire form of a program: the 2050-byte program block and the 31800-byte comment block.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "language/program_store.h"

namespace zova::programs {

inline constexpr std::size_t kProgramBlockBytes = 2050;  // presence flag, step count, 512 words
inline constexpr std::size_t kCommentBlockBytes =
    static_cast<std::size_t>(language::kCommentRows) * language::kCommentCells;  // 31800

using ProgramBlock = std::array<std::uint8_t, kProgramBlockBytes>;

// Presence flag and step count of `program`, then words 0..511 of the image, least significant byte first.
[[nodiscard]] ProgramBlock PackProgramBlock(const language::ProgramStore& store, int program);

// The comment table row by row, each cell's low 8 bits.
[[nodiscard]] std::vector<std::uint8_t> PackCommentBlock(const language::ProgramStore& store);

// Presence flag and step count of `program` from bytes 0 and 1; words 0..511 from bytes 2..2049.
void UnpackProgramBlock(std::span<const std::uint8_t, kProgramBlockBytes> block, language::ProgramStore& store,
                        int program);

}  // namespace zova::programs
