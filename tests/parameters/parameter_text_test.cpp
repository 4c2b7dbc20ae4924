// Wire values, the printed number form, the record reader and the editors' number reading.
#include <gtest/gtest.h>

#include <cmath>

#include "parameters/number_text.h"
#include "parameters/parameter_text.h"
#include "parameters/wire_value.h"
#include "support/test_support.h"

namespace zova {
namespace {

TEST(WireValue, EncodesTwosComplementAndDecodesWithTheControllersSignRule) {
  struct Case {
    std::int32_t sent;
    const char* bytes;
    std::int32_t received;
  } cases[] = {
      {0, "00 00 00 00", 0},
      {400, "90 01 00 00", 400},
      {-1, "FF FF FF FF", -1},
      {-100000, "60 79 FE FF", -100000},
      {16777215, "FF FF FF 00", 16777215},
      {16777216, "00 00 00 01", 0},             // bits 0..6 of the last byte are not used
      {0x7F123456, "56 34 12 7F", 0x00123456},  // the same rule for a larger value
      {-16777216, "00 00 00 FF", -16777216},
      {INT32_MIN, "00 00 00 80", -16777216},  // bit 7 alone sets bits 24..31
  };
  for (const Case& c : cases) {
    auto bytes = EncodeParameterValue(c.sent);
    EXPECT_EQ(test::Hex({bytes.begin(), bytes.end()}), c.bytes) << c.sent;
    EXPECT_EQ(DecodeParameterValue(bytes), c.received) << c.sent;
  }
}

TEST(PrintedNumber, BlankBeforeNonNegativeMinusBeforeNegativeBlankAfter) {
  EXPECT_EQ(FormatPrintedNumber(2), " 2 ");
  EXPECT_EQ(FormatPrintedNumber(0), " 0 ");
  EXPECT_EQ(FormatPrintedNumber(-100000), "-100000 ");
  EXPECT_EQ(FormatPrintedNumber(INT32_MIN), "-2147483648 ");
}

TEST(RecordReader, SplitsAtCommasAndLineEndsAndReadsQuotedRecords) {
  RecordReader reader("  A = 1,2\r\nB\n\"C, D\" tail,E\rF");
  std::vector<std::string> records;
  for (std::string r; reader.next(r);) records.push_back(r);
  EXPECT_EQ(records, (std::vector<std::string>{"A = 1", "2", "B", "C, D", "E", "F"}));
}

TEST(RecordReader, EndsAtTheEndOfTheTextNotAtAFinalLineEnd) {
  RecordReader reader("X= 1 \r\n");
  std::string r;
  EXPECT_TRUE(reader.next(r));
  EXPECT_FALSE(reader.next(r));
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
  EXPECT_EQ(ParseHexText(" ff "), 255);
  EXPECT_EQ(ParseHexText("FFFFFFFF"), -1);
  EXPECT_EQ(ParseHexText("000000001"), 1);
  for (const char* bad : {"", "G", "3F-", "1 2", "100000000", "&H3F"})
    EXPECT_EQ(ParseHexText(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace zova
