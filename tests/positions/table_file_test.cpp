// LOC and SFT files: the line form, whole saved files, the messages of failed saves, and the screens'
// reading of a typed number.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstring>

#include "support/recording_ui.h"
#include "crlf_lines.h"
#include "positions/record_reader.h"
#include "positions/table_file.h"
#include "support/scratch_dir.h"

namespace zova::positions {
namespace {

// The screens' boxes read typed numbers by the leading-number rule.
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
    EXPECT_EQ(std::tuple(lines.front(), lines.back()), std::tuple(c.first, c.last));
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableFile, SaveThatCannotCreateTheFileNamesTheFile) {
  PositionTable table(kLocationLayout);
  const std::string target = path("missing/ZOVALOC.dat");
  EXPECT_FALSE(SaveTableFile(table, ui, target));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{target + ": " + std::strerror(ENOENT)});
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
  small.rlim_cur = 987;  // each fresh line is 38 bytes: the first byte refused ends line 26 (P025)
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved_ok = SaveTableFile(table, ui, target);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(std::tuple(saved_ok, ui.texts(), read(target), std::distance(fs::directory_iterator(dir), {})),
            std::tuple(false, std::vector<std::string>{target + ":26: " + std::strerror(EFBIG)}, "old\r\n", 1))
      << "the old file kept, no temporary file left";
#endif
}

}  // namespace
}  // namespace zova::positions
