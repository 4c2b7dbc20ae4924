// Program and comment blocks.
#include "programs/program_wire.h"

namespace zova::programs {

ProgramBlock PackProgramBlock(const language::ProgramStore& store, int program) {
  ProgramBlock block{};
  const auto index = static_cast<std::size_t>(program);
  block[0] = static_cast<std::uint8_t>(store.presence.at(index) & 0xFF);
  block[1] = static_cast<std::uint8_t>(store.stepCount.at(index) & 0xFF);
  for (std::size_t w = 0; w < store.image.size(); ++w) {
    for (std::size_t i = 0; i < 4; ++i) block[2 + 4 * w + i] = static_cast<std::uint8_t>(store.image[w] >> (8 * i));
  }
  return block;
}

std::vector<std::uint8_t> PackCommentBlock(const language::ProgramStore& store) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(kCommentBlockBytes);
  for (const auto& row : store.comments) {
    for (std::uint16_t cell : row) bytes.push_back(static_cast<std::uint8_t>(cell & 0xFF));
  }
  return bytes;
}

void UnpackProgramBlock(std::span<const std::uint8_t, kProgramBlockBytes> block, language::ProgramStore& store,
                        int program) {
  const auto index = static_cast<std::size_t>(program);
  store.presence.at(index) = block[0];
  store.stepCount.at(index) = block[1];
  for (std::size_t w = 0; w < store.image.size(); ++w) {
    std::uint32_t word = 0;
    for (std::size_t i = 0; i < 4; ++i) word |= static_cast<std::uint32_t>(block[2 + 4 * w + i]) << (8 * i);
    store.image[w] = word;
  }
}

}  // namespace zova::programs
