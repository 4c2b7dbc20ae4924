// Decoders of positions, sensor words, images and error reports, and the "#0.00" form.
#include <gtest/gtest.h>

#include <utility>

#include "link/decoders.h"

namespace zova {
namespace {

TEST(Decoders, PositionsAreSignedLittleEndian) {
  struct Case {
    std::array<std::uint8_t, 4> bytes;
    std::int32_t value;
    const char* shown;
  } cases[] = {
      {{0xFF, 0xFF, 0xFF, 0xFF}, -1, "-0.01"},   {{0x10, 0x27, 0x00, 0x00}, 10000, "100.00"},
      {{0x00, 0xFF, 0xFF, 0xFF}, -256, "-2.56"}, {{0x00, 0x00, 0x00, 0x80}, INT32_MIN, "-21474836.48"},
      {{0x00, 0x00, 0x00, 0x00}, 0, "0.00"},     {{0x05, 0x00, 0x00, 0x00}, 5, "0.05"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodePosition(c.bytes, 0), c.value);
    EXPECT_EQ(FormatHundredths(std::int64_t{DecodePosition(c.bytes, 0)}), c.shown);
  }
}

// Sensor words of the second axis come from bytes 4 to 7; image words pair bytes low first; an error report
// is its code, then its value.
TEST(Decoders, BlockWords) {
  std::array<std::uint8_t, 8> b = {0x34, 0x12, 0x78, 0x56, 0xBC, 0x9A, 0xF0, 0xDE};
  EXPECT_EQ(std::tuple(DecodeSensorWord(b, 1), DecodeSensorWord(b, 0)), std::tuple(0xDEF09ABCu, 0x56781234u));
  EXPECT_EQ(DecodeIoImage(b).W, (std::array<std::uint16_t, 4>{0x1234, 0x5678, 0x9ABC, 0xDEF0}));
  std::array<std::uint8_t, 4> e = {0x48, 0x00, 0x0C, 0x01};
  const ErrorReport r = DecodeErrorReport(e);
  EXPECT_EQ(std::tuple(r.code, r.value), std::tuple(72, 268));
}

TEST(Decoders, RoundHalfEven) {
  const std::pair<double, double> cases[] = {{12.5, 12}, {13.5, 14}, {-12.5, -12}, {-13.5, -14},
                                             {0.5, 0},   {1.5, 2},   {2.4999, 2},  {-0.6, -1}};
  for (const auto& [in, out] : cases) EXPECT_EQ(RoundHalfEven(in), out) << in;
}

}  // namespace
}  // namespace zova
