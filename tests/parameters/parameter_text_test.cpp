// The printed number form, whole decimal values and the editors' number reading.
#include <gtest/gtest.h>

#include <cmath>

#include "parameters/number_text.h"
#include "parameters/parameter_text.h"

namespace zova {
namespace {

TEST(PrintedNumber, BlankBeforeNonNegativeMinusBeforeNegativeBlankAfter) {
  EXPECT_EQ(FormatPrintedNumber(2), " 2 ");
  EXPECT_EQ(FormatPrintedNumber(0), " 0 ");
  EXPECT_EQ(FormatPrintedNumber(-100000), "-100000 ");
  EXPECT_EQ(FormatPrintedNumber(INT32_MIN), "-2147483648 ");
}

TEST(DecimalValue, AcceptsOnlyAWholeSignedIntegerWithin32Bits) {
  std::int32_t v = 0;
  EXPECT_TRUE(ParseDecimalValue("-5", v));
  EXPECT_EQ(v, -5);
  EXPECT_TRUE(ParseDecimalValue("2147483647", v));
  for (const char* bad : {"", "-", "+5", "1-2", "--5", "2147483648", "12 "}) {
    EXPECT_FALSE(ParseDecimalValue(bad, v)) << bad;
  }
}

TEST(NumericText, TellsNumbersFromNonNumbers) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"7", 7},
      {" -2.5 ", -2.5},
      {"+3", 3},
      {".5", 0.5},
      {"1.", 1},
      {"1e3", 1000},
      {"2D2", 200},
      {"&H1F", 31},
      {"&o17", 15},
      {"x", std::nullopt},
      {"1 2", std::nullopt},
      {"1e", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"1e999", std::nullopt},
      {"&H", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseNumericText(c.text), c.value) << c.text;
}

TEST(NumericText, LeadingNumberIgnoresBlanksAndStopsAtTheFirstForeignCharacter) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"abc", 0},         {"7x", 7},      {" 1 2", 12}, {"1e", 1},     {"-.5", -0.5},
      {"12.125", 12.125}, {"1.5.5", 1.5}, {"&H1F", 31}, {"3e2x", 300}, {"\t-4", -4},
  };
  for (const Case& c : cases) EXPECT_EQ(LeadingNumber(c.text), c.value) << c.text;
}

TEST(HexText, ReadsUpToEightDigitsAsTwosComplement) {
  EXPECT_EQ(ParseHexText("3F"), 63);
  EXPECT_EQ(ParseHexText(" af "), 175);
  EXPECT_EQ(ParseHexText("FFFFFFFF"), -1);
  EXPECT_EQ(ParseHexText("000000001"), 1);
  for (const char* bad : {"", "G", "3F-", "1 2", "100000000", "&H3F"})
    EXPECT_EQ(ParseHexText(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace zova
