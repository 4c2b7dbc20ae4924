// Lines, words and fixed-decimal numbers of files a person edited.
#include <gtest/gtest.h>

#include <utility>

#include "link/text_lines.h"

namespace zova {
namespace {

// The editor's habits that a reader forgives all come out as the one written form.
TEST(TextLines, EditorHabitsNormalizeToTheWrittenForm) {
  const std::string written = "P000 = 1.00 2.00\nP001 = 3.00 4.00\n";
  for (const char* edited :
       {"P000 = 1.00 2.00\r\nP001 = 3.00 4.00\r\n", "\xEF\xBB\xBFP000 = 1.00 2.00\nP001 = 3.00 4.00",
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
  EXPECT_EQ(std::tuple(lines[2].text, lines[2].number), std::tuple("b", 3));
  EXPECT_EQ(FormatTextFault("F.dat", {3, "bad"}), "F.dat:3: bad");
  EXPECT_EQ(FormatTextFault("F.dat", {0, "bad"}), "F.dat: bad");
}

TEST(TextLines, FixedDecimalsAreTheWrittenFormOnly) {
  const std::pair<const char*, long long> accepted[] = {
      {"123.45", 12345}, {"-0.05", -5}, {"0.00", 0}, {"-167772.16", -16777216}, {"167772.15", 16777215}};
  for (const auto& [text, expected] : accepted) {
    long long value = 0;
    EXPECT_TRUE(ReadFixedDecimal(text, 2, -16777216, 16777215, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char* text : {"167772.16", "1.005", "1.5", "1e3", "+7.00", "-", ".", ".50", "2,50", "-0.00", "01.00",
                           "1 .00", "", "99999999999999999999.00"}) {
    long long value = 0;
    EXPECT_FALSE(ReadFixedDecimal(text, 2, -16777216, 16777215, value)) << text;
  }
  long long whole = 0;
  EXPECT_TRUE(ReadFixedDecimal("7", 0, 0, 9, whole));
  EXPECT_FALSE(ReadFixedDecimal("7.", 0, 0, 9, whole));
}

}  // namespace
}  // namespace zova
