// Lines, words and fixed-decimal numbers of files a person edited.
#include <gtest/gtest.h>

#include <utility>

#include "base/text_lines.h"
#include "base/translation.h"

namespace zova {
namespace {

// The editor's habits that a reader forgives all come out as the one written form.
TEST(TextLines, EditorHabitsNormalizeToTheWrittenForm) {
  const std::string written = "P000 = 1.00 2.00\nP001 = 3.00 4.00\n";
  for (const char* edited :
       {"P000 = 1.00 2.00\r\nP001 = 3.00 4.00\r\n", "\xEF\xBB\xBFP000 = 1.00 2.00\nP001 = 3.00 4.00",
        "  P000\t=  1.00\t\t2.00 \nP001 = 3.00 4.00\r\n", "P000 = 1.00 2.00\nP001 = 3.00 4.00\n\r\n \t\n\x1A"}) {
    EXPECT_EQ(NormalizeEditorText(edited), written) << edited;
  }
  // A lone CR, a blank line, a byte order mark and an end-of-file mark inside the text stay visible.
  for (const char* other :
       {"P000 = 1.00\r2.00\nP001 = 3.00 4.00\n", "P000 = 1.00 2.00\n\nP001 = 3.00 4.00\n",
        "P000 = 1.00 2.00\n\xEF\xBB\xBFP001 = 3.00 4.00\n", "P000 = 1.00 2.00\n\x1A\nP001 = 3.00 4.00\n"}) {
    EXPECT_NE(NormalizeEditorText(other), written) << other;
  }
}

TEST(TextLines, LinesAreNumberedFromOne) {
  const auto lines = SplitTextLines("a\r\n\nb");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(std::tuple(lines[2].text, lines[2].number), std::tuple("b", 3));
  EXPECT_EQ(FormatTextFault("F.dat", {0, "bad"}), "F.dat: bad");
}

TEST(TextLines, FixedDecimalsAreTheWrittenFormOnly) {
  const std::pair<const char*, long long> accepted[] = {
      {"123.45", 12345},       {"-0.05", -5}, {"0.00", 0}, {"-167772.16", -16777216},
      {"167772.15", 16777215}, {"1.5", 150},  {"0", 0},    {"-12", -1200},
      {"12.3", 1230},          {"-0.5", -50}};
  for (const auto& [text, expected] : accepted) {
    long long value = 0;
    EXPECT_TRUE(ReadFixedDecimal(text, 2, -16777216, 16777215, value)) << text;
    EXPECT_EQ(value, expected) << text;
  }
  for (const char* text : {"167772.16", "-167772.17", "1.005", "1e3", "+7.00", "-", ".", ".50", "5.", "2,50", "-0.00",
                           "-0", "-0.0", "01.00", "00", "1 .00", "", "99999999999999999999.00"}) {
    long long value = 0;
    EXPECT_FALSE(ReadFixedDecimal(text, 2, -16777216, 16777215, value)) << text;
  }
  long long whole = 0;
  EXPECT_TRUE(ReadFixedDecimal("7", 0, 0, 9, whole));
  EXPECT_FALSE(ReadFixedDecimal("7.", 0, 0, 9, whole));
}

// UTF-16 (with or without its byte order mark) and CR-only line ends are named; the usual forms pass.
TEST(TextLines, TextFormsThatHaveNoLinesAreNamed) {
  for (const std::string& text :
       {std::string("\xFF\xFEP"), std::string("\xFE\xFF"), std::string("P\0=\0", 4), std::string("\0P\0=", 4)}) {
    EXPECT_EQ(TextFormProblem(text), Tr("UTF-16: save it as UTF-8")) << EscapeControls(text);
  }
  for (const char* text : {"a\rb\r", "a\rb"}) {
    EXPECT_EQ(TextFormProblem(text), Tr("line ends are CR only: save it with CR LF or LF line ends")) << text;
  }
  for (const char* text : {"a\r\nb\r", "a\nb", "",
                           "\xEF\xBB\xBF"
                           "a"})
    EXPECT_EQ(TextFormProblem(text), "") << text;
}

// A refusal echoes the file's bytes: control characters and what is not UTF-8 show as escapes.
TEST(TextLines, RefusalsShowControlCharactersEscaped) {
  EXPECT_EQ(FormatTextFault("F\n.dat", {2, std::string("x\ry\x1B]0;t\x07\0\t\x7F", 12)}),
            "F\\n.dat:2: x\\ry\\x1B]0;t\\x07\\x00\\t\\x7F");
  EXPECT_EQ(EscapeControls("가 é \xC2\x9B \xFF \xE0\x80\x80 \xED\xA0\x80 \xEA\xB0"),
            "가 é \\xC2\\x9B \\xFF \\xE0\\x80\\x80 \\xED\\xA0\\x80 \\xEA\\xB0");
}

}  // namespace
}  // namespace zova
