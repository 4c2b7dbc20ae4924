// The shared pieces under every parser: the hexadecimal choice, tokeniser, line splitting and comment cutting.
// What the number readers take is proven through every instruction by the generated round trip.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "language/mnemonic_table.h"
#include "language/instruction_parsers.h"
#include "language/number_readers.h"
#include "language/scanner.h"

namespace zova::language {
namespace {

TEST(NumberReaders, HexChoiceLooksOnlyAtTheGivenColumns) {
  const struct {
    const char* token;
    std::size_t last;
    bool hex;
  } cases[] = {{"7FFFH", 5, true},     {"1FFFFH", 5, false},                       // H in column 6
               {"3B9AC9FFH", 9, true}, {"H1", 5, false},                           // column 1 never counts
               {"FH", 3, true},        {"FFFH", 3, false},   {"5;HI", 5, false}};  // the H of a comment
  for (const auto& c : cases) EXPECT_EQ(IsHexOperand(c.token, 2, c.last), c.hex) << c.token;
}

TEST(Tokeniser, SplitsAtBlanksTabsAndCommas) {
  struct Case {
    const char* line;
    std::vector<std::string> tokens;
  };
  const std::vector<Case> cases = {
      {"012 MVE P0005 ;first point", {"MVE", "P0005", "", "", ""}},
      {"mve p12", {"MVE", "P12", "", "", ""}},
      {"MVE,P5", {"MVE", "", "P5", "", ""}},  // a comma right after the mnemonic empties token 2
      {"IF R1,=\t5", {"IF", "R1", "=", "5", ""}},
      {"MVE P5;c", {"MVE", "P5;C", "", "", ""}},  // a ";" inside a token belongs to it
      {"RER D*  R1 R2 R3 R4", {"RER", "D*", "R1", "R2", "R3"}},
      {"SETL R1 12345678901", {"SETL", "R1", "12345678901", "", ""}},  // a word stays whole, however long
      {"STOP\rX", {"STOP", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    const std::string_view line = c.line;
    const auto first = FindFirstLetter(line);
    ASSERT_TRUE(first) << c.line;
    const Tokens tokens = Tokenise(line, *first);
    EXPECT_EQ(std::vector<std::string>(tokens.begin(), tokens.end()), c.tokens) << c.line;
  }
}

TEST(Tokeniser, LooksAtColumnsOneToEightyOnly) {
  const std::string fits = std::string(74, ' ') + "MVE P5";  // the 5 in column 80
  const std::string cut = std::string(75, ' ') + "MVE P5";   // the 5 in column 81
  EXPECT_EQ(Tokenise(fits, *FindFirstLetter(fits))[1], "P5");
  EXPECT_EQ(Tokenise(cut, *FindFirstLetter(cut))[1], "P");
  EXPECT_FALSE(FindFirstLetter(std::string(80, ' ') + "MVE P5"));
  EXPECT_EQ(FindFirstLetter("  [EOF]"), 2u);
  EXPECT_FALSE(FindFirstLetter("012 345 ;--- "));
}

TEST(SourceLinesTest, AcceptsCrLfAndLfAndDropsAByteOrderMark) {
  struct Case {
    std::string source;
    std::vector<std::string> lines;
  };
  const std::vector<Case> cases = {
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB", {"A", "B"}},
      {"A\r\n\r\nB\n", {"A", "", "B"}},
      {"\xEF\xBB\xBF;x\r\n", {";x"}},
      {"", {}},
      {"\n", {""}},
      {"A\rB\n", {"A\rB"}},  // a lone CR is no line end
  };
  for (const Case& c : cases) {
    SourceLines lines(c.source);
    std::vector<std::string> got;
    while (const auto line = lines.next()) got.emplace_back(*line);
    EXPECT_EQ(got, c.lines);
  }
}

TEST(CutTextTest, NeverSplitsACharacter) {
  const std::string a97(97, 'a');
  const std::string legacy50 = [] {  // code-page text (not UTF-8): "a" then 50 double-byte characters
    std::string text = "a";
    for (int i = 0; i < 50; ++i) text += "\xB0\xA1";
    return text;
  }();
  const std::pair<std::string, std::string> cases[] = {
      {a97 + "aaa", a97 + "aaa"},
      {a97 + "aaab", a97 + "aaa"},
      {a97 + "aa\xEC\xB2\xAB", a97 + "aa"},  // 첫 straddles byte 100
      {a97 + "\xEC\xB2\xAB" + "b", a97 + "\xEC\xB2\xAB"},
      {legacy50, legacy50.substr(0, 99)},  // the cut falls between two characters
      {a97 + "a\xB0\xA1\xB0\xA1", a97 + "a\xB0\xA1"},
      {a97 + "a\xFE\xA1\xFE\xA1", a97 + "a\xFE\xA1"},  // 0xFE is still a lead byte
      {a97 + "aa\x81\xA1", a97 + "aa"},                // and so is 0x81
  };
  for (const auto& [text, cut] : cases) EXPECT_EQ(CutText(text, 100), cut) << text.size();
}

TEST(MnemonicTableTest, LookUpIsExactAndCaseSensitive) {
  EXPECT_EQ(LookUpMnemonic("SETL"), 191);  // not SET, which is a prefix of it
  EXPECT_EQ(LookUpMnemonic("SET"), 177);
  EXPECT_EQ(LookUpMnemonic("set"), kNoMnemonic);
  EXPECT_EQ(LookUpMnemonic(""), kNoMnemonic);      // the empty last entry is never matched
  EXPECT_EQ(LookUpMnemonic(kFillerMnemonic), 22);  // the first filler entry
}

TEST(MnemonicTableTest, EveryNamedEntryHasAParserAndNoFillerHasOne) {
  const auto& table = MnemonicTable();
  for (int i = 0; i < kMnemonicCount; ++i) {
    const bool named = i != kNoMnemonic && table[static_cast<std::size_t>(i)] != kFillerMnemonic;
    EXPECT_EQ(ParserFor(i) != nullptr, named) << i << " " << table[static_cast<std::size_t>(i)];
  }
  // Opcodes side by side that belong to one family or to two.
  const struct {
    int a, b;
    bool same;
  } families[] = {{op::INP, op::DLY, true}, {op::SPLS, op::INP, true}, {op::VEL, op::INP, false},
                  {op::SAR, op::IF, true},  {op::F, op::OFF, false},   {op::PLC, op::INP, true},
                  {op::SPD, op::ACC, true}, {op::WRR, op::PLC, false}};
  for (const auto& f : families) EXPECT_EQ(ParserFor(f.a) == ParserFor(f.b), f.same) << f.a << " " << f.b;
}

}  // namespace
}  // namespace zova::language
