// LOC and SFT files: records and the values read out of one, the line form, whole saved files, loading, and
// the messages of failed saves and loads.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstring>

#include "link/recording_ui.h"
#include "crlf_lines.h"
#include "positions/record_reader.h"
#include "positions/table_file.h"
#include "support/scratch_dir.h"

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

using zova::test::CrLfLines;
using zova::test::ScratchDir;
namespace fs = std::filesystem;

// The prefix is padded to the pattern only: numbers past it keep all their digits.
TEST(TableLine, LinesCarryPrefixPaddedNumberAndSixValues) {
  const struct {
    const TableLayout* layout;
    int number;
    PositionRow row;
    std::string_view line;
  } cases[] = {
      {&kLocationLayout, 7, {12345, -5, 0, 100000, 1, -250}, "P007 = 123.45 -0.05 0.00 1000.00 0.01 -2.50"},
      {&kShiftLayout, 3, {150, 0, -75, 0, 0, 0}, "S03 = 1.50 0.00 -0.75 0.00 0.00 0.00"},
      {&kLocationLayout, 999, {}, "P999 = 0.00 0.00 0.00 0.00 0.00 0.00"},
      {&kLocationLayout, 1000, {}, "P1000 = 0.00 0.00 0.00 0.00 0.00 0.00"},
      {&kLocationLayout, 2499, {-100, 99, -99, 1, -1, 10}, "P2499 = -1.00 0.99 -0.99 0.01 -0.01 0.10"},
      {&kShiftLayout, 99, {}, "S99 = 0.00 0.00 0.00 0.00 0.00 0.00"},
      {&kShiftLayout, 100, {}, "S100 = 0.00 0.00 0.00 0.00 0.00 0.00"},
      {&kShiftLayout, 999, {2147483647, INT32_MIN, 0, 0, 0, 0}, "S999 = 21474836.47 -21474836.48 0.00 0.00 0.00 0.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FormatTableLine(*c.layout, c.number, c.row), c.line);
    EXPECT_EQ(FormatLinePrefix(*c.layout, c.number), c.line.substr(0, c.line.find('=') + 2));
  }
}

struct TableFile : ScratchDir {
  RecordingUi ui;
};

// Location 2500 and shift 1000 never reach a file.
TEST_F(TableFile, SavedFilesHoldEveryRowButTheLast) {
  const struct {
    const TableLayout* layout;
    std::size_t lines;
    const char* first;
    const char* last;
  } cases[] = {
      {&kLocationLayout, 2500, "P000 = 1.50 0.00 -0.75 0.00 0.00 0.00", "P2499 = 0.00 0.00 0.00 0.00 0.00 0.00"},
      {&kShiftLayout, 1000, "S00 = 1.50 0.00 -0.75 0.00 0.00 0.00", "S999 = 0.00 0.00 0.00 0.00 0.00 0.00"},
  };
  for (const auto& c : cases) {
    PositionTable table(*c.layout);
    table[0] = {150, 0, -75, 0, 0, 0};
    table[c.layout->lastNumber] = {1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(SaveTableFile(table, ui, path("table.dat")));
    const auto lines = CrLfLines(read(path("table.dat")));
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.first);
    EXPECT_EQ(lines.back(), c.last);
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableFile, SaveThatCannotCreateTheFileNamesTheFile) {
  PositionTable table(kLocationLayout);
  const std::string target = path("missing/ZOVALOC.dat");
  EXPECT_FALSE(SaveTableFile(table, ui, target));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{std::string(std::strerror(ENOENT)) + target});
}

// A file size limit makes the write itself fail part way: the message names the line being written,
// and the old file stays whole.
TEST_F(TableFile, WriteFailureNamesTheLineAndKeepsTheOldFile) {
#ifdef _WIN32
  GTEST_SKIP() << "needs a file size limit (POSIX setrlimit) to make a write fail part way";
#else
  const std::string target = path("ZOVALOC.dat");
  write(target, "old\r\n");
  PositionTable table(kLocationLayout);
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* previous = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 1000;  // each fresh line is 38 bytes: byte 1000 lies in line 26
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = SaveTableFile(table, ui, target);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_FALSE(saved_ok);
  EXPECT_EQ(ui.texts(), std::vector<std::string>{std::string(std::strerror(EFBIG)) + "P026 = "});
  EXPECT_EQ(read(target), "old\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << "no temporary file left";
#endif
}

TEST(TableFileOffsets, OffsetsMapToTheirLines) {
  const std::string text = "P000 = a\r\nP001 = bb\r\nP002 = c\r\n";
  const struct {
    std::size_t offset;
    int row;
  } cases[] = {{0, 0}, {9, 0}, {10, 1}, {20, 1}, {21, 2}, {text.size(), 2}, {text.size() + 50, 2}};
  for (const auto& c : cases) EXPECT_EQ(RowAtOffset(text, c.offset, 3), c.row) << c.offset;
}

TEST_F(TableFile, ACommaMovesEveryLaterRecordDown) {
  // Line 3 holds a tab and a comma: the text after the comma is the next record, and every
  // later record moves down by one location. How one record reads is proven with the record reader.
  std::string text;
  for (int n = 0; n < 2500; ++n) {
    text += n == 3 ? "P3 =1.5\t-2 , 7" : FormatTableLine(kLocationLayout, n, {n, -n, 0, 0, 0, 1});
    text += "\r\n";
  }
  PositionTable table(kLocationLayout);
  table[2500] = {9, 9, 9, 9, 9, 9};
  ASSERT_TRUE(LoadTableText(table, ui, text));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(table[3], (PositionRow{150, -200, 0, 0, 0, 0}));
  EXPECT_EQ(table[4], (PositionRow{700, 0, 0, 0, 0, 0}));
  EXPECT_EQ(table[5], (PositionRow{4, -4, 0, 0, 0, 1})) << "the line after the comma fills the next location";
  EXPECT_EQ(table[2499], (PositionRow{2498, -2498, 0, 0, 0, 1}));
  EXPECT_EQ(table[2500], (PositionRow{9, 9, 9, 9, 9, 9})) << "location 2500 is never loaded";
}

// A short or empty file loads what is there, then reports the end after the last record read.
TEST_F(TableFile, ShortFilesLoadWhatIsThereThenReportTheEnd) {
  std::string text;
  for (int n = 0; n < 10; ++n) text += FormatTableLine(kShiftLayout, n, {n * 100 + 1, 0, 0, 0, 0, 0}) + "\r\n";
  for (const std::string& file : {text, std::string()}) {
    PositionTable table(kShiftLayout);
    table[9] = table[10] = {5, 5, 5, 5, 5, 5};
    ui.clear();
    EXPECT_FALSE(LoadTableText(table, ui, file));
    const std::string last = file.empty() ? "" : "S09 = 9.01 0.00 0.00 0.00 0.00 0.00";
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"Input past end of file" + last});
    EXPECT_EQ(table[9][0], file.empty() ? 5 : 901);
    EXPECT_EQ(table[10], (PositionRow{5, 5, 5, 5, 5, 5}));
  }
}

TEST_F(TableFile, SeventhValueStopsReadingAtThatRecord) {
  const std::string text = "S00 = 1\r\nS01 = 2\r\nS02 = 1 2 3 4 5 6 7\r\nS03 = 4\r\n";
  PositionTable table(kShiftLayout);
  table[2] = {-1, -1, -1, -1, -1, -1};
  table[3] = {-3, -3, -3, -3, -3, -3};
  EXPECT_FALSE(LoadTableText(table, ui, text));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{"Subscript out of range"
                                                 "S02 = 1 2 3 4 5 6 7"});
  EXPECT_EQ(table[1][0], 200);
  EXPECT_EQ(table[2], (PositionRow{-1, -1, -1, -1, -1, -1}));
  EXPECT_EQ(table[3], (PositionRow{-3, -3, -3, -3, -3, -3}));
}

}  // namespace
}  // namespace zova::positions
