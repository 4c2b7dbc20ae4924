// Record encoding.
#include "language/instruction_record.h"

#include <cstdio>

namespace zova::language {

namespace {
std::uint32_t Word1(int opcode, int mode, std::uint32_t low) {
  return (static_cast<std::uint32_t>(opcode & 0xFF) << 24) | (static_cast<std::uint32_t>(mode & 0xFF) << 16) | low;
}
}  // namespace

Record Encode(int opcode, int mode, std::uint32_t a, std::uint32_t b, std::uint32_t c) {
  return {Word1(opcode, mode, a & 0xFFFFu), ((b & 0xFFFFu) << 16) | (c & 0xFFFFu)};
}

Record EncodeValue24(int opcode, std::uint32_t value) {
  return {(static_cast<std::uint32_t>(opcode & 0xFF) << 24) | (value & 0xFFFFFFu), 0u};
}

Record EncodeWholeWord2(int opcode, int mode, std::uint32_t a, std::uint32_t word2) {
  return {Word1(opcode, mode, a & 0xFFFFu), word2};
}

std::string RecordWords(const Record& record) {
  char text[24];
  std::snprintf(text, sizeof text, "%08X %08X", static_cast<unsigned>(record.word1),
                static_cast<unsigned>(record.word2));
  return text;
}

}  // namespace zova::language
