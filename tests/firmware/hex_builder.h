// Builds Intel HEX files for tests as the program writes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "firmware/hex_file.h"

namespace zova::test {

// `count` data bytes (value i*7+3) from address 0, as WriteHex writes them.
inline std::string HexText(std::size_t count, std::vector<std::uint8_t>* bytes = nullptr) {
  firmware::HexImage image;
  for (std::size_t i = 0; i < count; ++i) image.data.push_back(static_cast<std::uint8_t>(i * 7 + 3));
  if (bytes != nullptr) *bytes = image.data;
  return firmware::WriteHex(image);
}

}  // namespace zova::test
