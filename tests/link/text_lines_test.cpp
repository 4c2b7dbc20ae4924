// Lines, words and fixed-decimal numbers of files a person edited.
#include <gtest/gtest.h>

#include "link/text_lines.h"

namespace zova {
namespace {

// The editor's habits that a reader forgives all come out as the one written form.
TEST(TextLines, EditorHabitsNormalizeToTheWrittenForm) {
  const std::string written = "P000 = 1.00 2.00\nP001 = 3.00 4.00\n";
  for (const char* edited : {"P000 = 1.00 2.00\r\nP001 = 3.00 4.00\r\n", "\xEF\xBB\xBFP000 = 1.00 2.00\nP001 = 3.00 4.00",
                             "  P000\t=  1.00\t\t2.00 \nP001 = 3.00 4.00\r\n"}) {
    EXPECT_EQ(NormalizeEditorText(edited), written) << edited;
  }
  // A lone CR, a blank line and a byte order mark inside the text are not editor habits: they stay visible.
  for (const char* other : {"P000 = 1.00\r2.00\nP001 = 3.00 4.00\n", "P000 = 1.00 2.00\n\nP001 = 3.00 4.00\n",
                            "P000 = 1.00 2.00\n\xEF\xBB\xBFP001 = 3.00 4.00\n"}) {
    EXPECT_NE(NormalizeEditorText(other), written) << other;
  }
}

TEST(TextLines, LinesAreNumberedFromOne) {
  const auto lines = SplitTextLines("a\r\n\nb");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].text, "b");
  EXPECT_EQ(lines[2].number, 3);
  EXPECT_EQ(FormatTextFault("F.dat", {3, "bad"}), "F.dat:3: bad");
  EXPECT_EQ(FormatTextFault("F.dat", {0, "bad"}), "F.dat: bad");
}

TEST(TextLines, FixedDecimalsAreTheWrittenFormOnly) {
  struct Case {
    const char* text;
    int decimals;
    bool accepted;
    long long value;
  } cases[] = {
      {"123.45", 2, true, 12345}, {"-0.05", 2, true, -5},   {"0.00", 2, true, 0},    {"7", 0, true, 7},
      {"-167772.16", 2, true, -16777216},                   {"167772.15", 2, true, 16777215},
      {"167772.16", 2, false, 0}, {"1.005", 2, false, 0},   {"1.5", 2, false, 0},    {"1e3", 2, false, 0},
      {"+7.00", 2, false, 0},     {"-", 2, false, 0},       {".", 2, false, 0},      {".50", 2, false, 0},
      {"2,50", 2, false, 0},      {"-0.00", 2, false, 0},   {"01.00", 2, false, 0},  {"7.", 0, false, 0},
      {"1 .00", 2, false, 0},     {"", 0, false, 0},        {"99999999999999999999.00", 2, false, 0},
  };
  for (const Case& c : cases) {
    long long value = 0;
    EXPECT_EQ(ReadFixedDecimal(c.text, c.decimals, -16777216, 16777215, value), c.accepted) << c.text;
    if (c.accepted) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
}

}  // namespace
}  // namespace zova
