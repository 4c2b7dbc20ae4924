// LOC and SFT files: the line form, whole saved files, loading, and the messages of failed saves and loads.
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

#include <csignal>
#include <cstring>

#include "link/recording_ui.h"
#include "positions/table_file.h"
#include "positions_fixture.h"

namespace zova::positions {
namespace {

using test::ScratchDir;
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
      {&kLocationLayout, 0, {}, "P000 = 0.00 0.00 0.00 0.00 0.00 0.00"},
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

// Splits on CR LF and checks that no bare LF hides in the text.
std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

// Location 2500 and shift 1000 never reach a file.
TEST_F(TableFile, SavedFilesHoldEveryRowButTheLast) {
  const struct {
    const TableLayout* layout;
    std::size_t lines;
    std::vector<std::string> firstThousandLast;
  } cases[] = {
      {&kLocationLayout,
       2500,
       {"P000 = 1.50 0.00 -0.75 0.00 0.00 0.00", "P1000 = 0.00 0.00 0.00 0.00 0.00 0.00",
        "P2499 = 0.00 0.00 0.00 0.00 0.00 0.00"}},
      {&kShiftLayout, 1000, {"S00 = 1.50 0.00 -0.75 0.00 0.00 0.00", "S999 = 0.00 0.00 0.00 0.00 0.00 0.00"}},
  };
  for (const auto& c : cases) {
    PositionTable table(*c.layout);
    table[0] = {150, 0, -75, 0, 0, 0};
    table[c.layout->lastNumber] = {1, 1, 1, 1, 1, 1};
    ASSERT_TRUE(SaveTableFile(table, ui, path("table.dat")));
    const auto lines = CrLfLines(read(path("table.dat")));
    ASSERT_EQ(lines.size(), c.lines);
    EXPECT_EQ(lines.front(), c.firstThousandLast.front());
    EXPECT_EQ(lines.back(), c.firstThousandLast.back());
    if (c.lines > 1000) {
      EXPECT_EQ(lines[1000], c.firstThousandLast[1]);
    }
  }
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(TableFile, SaveThatCannotCreateTheFileNamesTheFile) {
  PositionTable table(kLocationLayout);
  const std::string target = path("missing/ZOVALOC.dat");
  EXPECT_FALSE(SaveTableFile(table, ui, target));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{std::string(std::strerror(ENOENT)) + target});
  EXPECT_EQ(ui.messages[0].title, "");
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
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

TEST_F(TableFile, LoadingLinesWithTabsCommasAndStrayLetters) {
  // Line 3 holds a tab and a comma: the text after the comma is the next record, and every
  // later record moves down by one location.
  std::string text;
  for (int n = 0; n < 2500; ++n) {
    if (n == 3) {
      text += "P3 =1.5\t-2 , 7\r\n";
    } else if (n == 10) {
      text += "P010 = 1-2 .5.\r\n";
    } else if (n == 20) {
      text += "P020 = 1.005 0.125 0.135 x 4 5\r\n";
    } else {
      text += FormatTableLine(kLocationLayout, n, {n, -n, 0, 0, 0, 1}) + "\r\n";
    }
  }
  PositionTable table(kLocationLayout);
  table[2500] = {9, 9, 9, 9, 9, 9};
  ASSERT_TRUE(LoadTableText(table, ui, text));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(table[2], (PositionRow{2, -2, 0, 0, 0, 1}));
  EXPECT_EQ(table[3], (PositionRow{150, -200, 0, 0, 0, 0}));
  EXPECT_EQ(table[4], (PositionRow{700, 0, 0, 0, 0, 0}));
  EXPECT_EQ(table[5], (PositionRow{4, -4, 0, 0, 0, 1})) << "the line after the comma fills the next location";
  EXPECT_EQ(table[11], (PositionRow{100, 50, 0, 0, 0, 0}));
  EXPECT_EQ(table[21], (PositionRow{100, 12, 14, 0, 0, 0}));
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
  std::string text = "S00 = 1\r\nS01 = 2\r\nS02 = 1 2 3 4 5 6 7\r\nS03 = 4\r\n";
  for (int n = 4; n < 1000; ++n) text += "S = 1\r\n";
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
