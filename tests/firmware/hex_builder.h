// Builds Intel HEX text for tests: single records, and whole files as the program writes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "firmware/hex_file.h"

namespace zova::test {

// One record line with its checksum: ":LLAAAATT<data>CC".
inline std::string HexRecord(int type, std::uint16_t address, const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> bytes = {static_cast<std::uint8_t>(data.size()), static_cast<std::uint8_t>(address >> 8),
                                     static_cast<std::uint8_t>(address & 0xFF), static_cast<std::uint8_t>(type)};
  bytes.insert(bytes.end(), data.begin(), data.end());
  unsigned sum = 0;
  for (std::uint8_t b : bytes) sum += b;
  bytes.push_back(static_cast<std::uint8_t>((0u - sum) & 0xFFu));
  std::string line = ":";
  for (std::uint8_t b : bytes) line += {"0123456789ABCDEF"[b >> 4], "0123456789ABCDEF"[b & 0xF]};
  return line;
}

// `count` data bytes (value i*7+3) from address 0, as WriteHex writes them.
inline std::string HexText(std::size_t count, std::vector<std::uint8_t>* bytes = nullptr) {
  HexImage image;
  for (std::size_t i = 0; i < count; ++i) image.data.push_back(static_cast<std::uint8_t>(i * 7 + 3));
  if (bytes != nullptr) *bytes = image.data;
  return WriteHex(image);
}

}  // namespace zova::test
