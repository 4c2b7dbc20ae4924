// Records of LOC and SFT files: splitting into records, and reading six values out of one record.
#include <gtest/gtest.h>

#include <vector>

#include "positions/record_reader.h"

namespace zova::positions {
namespace {

std::vector<std::string> Records(std::string_view text) {
  RecordReader reader(text);
  std::vector<std::string> out;
  for (std::string r; reader.next(r);) out.push_back(r);
  return out;
}

TEST(RecordReader, SplitsAtCommasAndLineEnds) {
  const struct {
    const char* text;
    std::vector<std::string> records;
  } cases[] = {
      {"P3 =1.5\t-2 , 7\r\nP4 = 1\r\n", {"P3 =1.5\t-2 ", "7", "P4 = 1"}},
      {"   P0 = 1\r\n", {"P0 = 1"}},
      {"a\n\nb\rc", {"a", "", "b", "c"}},
      {"\"P1 = 1,2\" junk, 3\r\n", {"P1 = 1,2", "3"}},
      {"\"open to the end, of all\r\nP2", {"open to the end, of all\r\nP2"}},
      {"\r\n\r\n", {"", ""}},
      {"1,,2", {"1", "", "2"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Records(c.text), c.records) << c.text;
}

TEST(RecordParse, ValuesAfterTheFirstEqualsSign) {
  const struct {
    const char* record;
    PositionRow values;
  } cases[] = {
      {"P3 =1.5\t-2 ", {150, -200, 0, 0, 0, 0}},
      {"P000 = 1.005 0.125 0.135 x 4 5", {100, 12, 14, 0, 0, 0}},  // x ends the record
      {"P010 = 1-2 .5.", {100, 50, 0, 0, 0, 0}},                   // leading-number rule
      {"7", {700, 0, 0, 0, 0, 0}},                                 // no "=": from the start
      {"", {0, 0, 0, 0, 0, 0}},
      {"P1 = 1 2 3 4 5 6", {100, 200, 300, 400, 500, 600}},
      {"P1 =\t\t-0.01\t \t0.01", {-1, 1, 0, 0, 0, 0}},
      {"P5 = - . -.5 1.", {0, 0, -50, 100, 0, 0}},
      {"P1 = 2.5e3 9", {250, 0, 0, 0, 0, 0}},  // "e" is not part of a run and ends the record
      {"P2 = 1=2", {100, 0, 0, 0, 0, 0}},      // only the first "=" opens the values
      {"P7 = +1 2", {0, 0, 0, 0, 0, 0}},
      {"P8 = 0.025 0.035 -0.025", {2, 4, -2, 0, 0, 0}},  // halves to even
      {"P9 = 21474836.47 -21474836.48", {2147483647, -2147483647 - 1, 0, 0, 0, 0}},
      {"Px = 12.3456", {1235, 0, 0, 0, 0, 0}},
      {"no equals 5", {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& c : cases) {
    const ParsedRecord parsed = ParseTableRecord(c.record);
    EXPECT_EQ(parsed.error, RecordError::None) << c.record;
    EXPECT_EQ(parsed.values, c.values) << c.record;
  }
}

TEST(RecordParse, SeventhValueAndOverflowAreErrors) {
  EXPECT_EQ(ParseTableRecord("P1 = 1 2 3 4 5 6 7").error, RecordError::TooManyFields);
  EXPECT_EQ(ParseTableRecord("P1 = 1 2 3 4 5 6 x 7").error, RecordError::None);
  EXPECT_EQ(ParseTableRecord("P1 = 21474836.48").error, RecordError::Overflow);
  EXPECT_EQ(ParseTableRecord("P1 = -99999999999999999999999999").error, RecordError::Overflow);
}

TEST(RecordParse, LeadingNumberRule) {
  const struct {
    const char* text;
    double value;
  } cases[] = {
      {"1-2", 1.0}, {".5.", 0.5},     {"-", 0.0},  {".", 0.0},   {"-.25", -0.25}, {"3.", 3.0},  {"--1", 0.0},
      {"", 0.0},    {"12.5.6", 12.5}, {"-0", 0.0}, {"007", 7.0}, {"2e3", 2.0},    {"inf", 0.0},
  };
  for (const auto& c : cases) EXPECT_DOUBLE_EQ(LeadingNumber(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace zova::positions
