// Builds Intel HEX text for tests: data records of 16 bytes, optional extra records, the end record.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// `count` data bytes (value i*7+3) in records of 16, CR LF line ends, closed by the end record.
inline std::string HexText(std::size_t count, std::vector<std::uint8_t>* bytes = nullptr) {
  std::string text;
  std::vector<std::uint8_t> all;
  for (std::size_t i = 0; i < count; i += 16) {
    std::vector<std::uint8_t> chunk;
    for (std::size_t j = i; j < count && j < i + 16; ++j) chunk.push_back(static_cast<std::uint8_t>(j * 7 + 3));
    all.insert(all.end(), chunk.begin(), chunk.end());
    text += HexRecord(0, static_cast<std::uint16_t>(i), chunk) + "\r\n";
  }
  text += ":00000001FF\r\n";
  if (bytes != nullptr) *bytes = all;
  return text;
}

}  // namespace zova::test
