// One compiled instruction: two 32-bit words, with the field layout the controller expects.
#pragma once

#include <cstdint>
#include <string>

namespace zova::language {

// word 1 = opcode(31..24) | M(23..16) | a(15..0); word 2 = b(31..16) | c(15..0),
// except where an instruction keeps a wider value (see the Encode* helpers).
struct Record {
  std::uint32_t word1 = 0;
  std::uint32_t word2 = 0;

  [[nodiscard]] int opcode() const { return static_cast<int>(word1 >> 24); }
  [[nodiscard]] int mode() const { return static_cast<int>((word1 >> 16) & 0xFFu); }
  [[nodiscard]] int a() const { return static_cast<int>(word1 & 0xFFFFu); }
  [[nodiscard]] int b() const { return static_cast<int>(word2 >> 16); }
  [[nodiscard]] int c() const { return static_cast<int>(word2 & 0xFFFFu); }
  // "DLY" and "INP" keep a 24-bit value in word 1.
  [[nodiscard]] std::uint32_t value24() const { return word1 & 0xFFFFFFu; }

  friend bool operator==(const Record&, const Record&) = default;
};

// The record that closes every program image; the table number of "[EOF]" (208) is not used on the wire.
inline constexpr Record kEndRecord{0xFF000000u, 0u};
inline constexpr int kEndOpcode = 0xFF;

// The common layout; a, b and c are cut to 16 bits, mode to 8.
[[nodiscard]] Record Encode(int opcode, int mode, std::uint32_t a, std::uint32_t b = 0, std::uint32_t c = 0);

// "DLY" and "INP": a 24-bit value in word 1, word 2 zero.
[[nodiscard]] Record EncodeValue24(int opcode, std::uint32_t value);

// "SETL", "F" and "OFF": word 2 is one 32-bit value.
[[nodiscard]] Record EncodeWholeWord2(int opcode, int mode, std::uint32_t a, std::uint32_t word2);

// The record as `zovactl compile` prints it and `list` reads it: word 1 and word 2 as 8 upper-case
// hexadecimal digits each, one blank between ("01100005 00000000").
[[nodiscard]] std::string RecordWords(const Record& record);

}  // namespace zova::language
