// The shared pieces under every parser: the hexadecimal choice, tokeniser, line splitting and comment cutting.
// What the number readers take is proven through every instruction by the generated round trip.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "language/mnemonic_table.h"
#include "language/instruction_parsers.h"
#include "language/number_readers.h"
#include "language/scanner.h"

namespace zova::language {
namespace {

TEST(NumberReaders, HexChoiceLooksOnlyAtTheGivenColumns) {
  EXPECT_TRUE(IsHexOperand("7FFFH", 2, 5));
  EXPECT_FALSE(IsHexOperand("1FFFFH", 2, 5));  // H in column 6
  EXPECT_TRUE(IsHexOperand("3B9AC9FFH", 2, 9));
  EXPECT_FALSE(IsHexOperand("H1", 2, 5));  // column 1 never counts
  EXPECT_TRUE(IsHexOperand("FH", 2, 3));
  EXPECT_FALSE(IsHexOperand("FFFH", 2, 3));
  EXPECT_FALSE(IsHexOperand("5;HI", 2, 5));  // the H of a comment
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
  const std::string ascii100(100, 'a');
  EXPECT_EQ(CutText(ascii100, 100), ascii100);
  EXPECT_EQ(CutText(ascii100 + "b", 100), ascii100);
  const std::string utf8 = std::string(99, 'a') + "\xEC\xB2\xAB";  // 첫 straddles byte 100
  EXPECT_EQ(CutText(utf8, 100), std::string(99, 'a'));
  const std::string utf8Fits = std::string(97, 'a') + "\xEC\xB2\xAB" + "b";
  EXPECT_EQ(CutText(utf8Fits, 100), std::string(97, 'a') + "\xEC\xB2\xAB");
  // Code-page text (not UTF-8): "a" then 50 double-byte characters; the cut falls between two of them.
  std::string legacy = "a";
  for (int i = 0; i < 50; ++i) legacy += "\xB0\xA1";
  EXPECT_EQ(CutText(legacy, 100), legacy.substr(0, 99));
  const std::string legacyFits = std::string(98, 'a') + "\xB0\xA1" + "\xB0\xA1";
  EXPECT_EQ(CutText(legacyFits, 100), std::string(98, 'a') + "\xB0\xA1");
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
  EXPECT_EQ(ParserFor(op::INP), ParserFor(op::DLY));  // one family: single operand
  EXPECT_EQ(ParserFor(op::SAR), ParserFor(op::IF));
  EXPECT_NE(ParserFor(op::F), ParserFor(op::OFF));
}

}  // namespace
}  // namespace zova::language
