// File compiling: the line loop, the comment table and the counters of one program, seen through the listing
// of what was stored. The limits of a program and the steps of failing lines are in source_check_test.
#include <gtest/gtest.h>

#include <algorithm>

#include "language/listing.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

TEST(FileCompile, StoredProgramListsBack) {
  const std::string utf8 = ";첫 번째 점 \xEC\xB2\xAB";
  const std::string legacy = ";\xC3\xB9 \xB9\xF8\xC2\xB0";    // the same words in the legacy code page
  const std::string korean = "가나다라마바사아자차카타파하";  // 3 bytes each
  const std::string whole = ";" + korean + korean + korean;   // 127 bytes: cut to 1 + 33 * 3 = 100
  const std::string odd = ";a" + korean + korean + korean;    // cut to 2 + 32 * 3: the 33rd would split
  struct Case {
    int words, presence, steps;
    std::string source, listing;
    const char* message = nullptr;
  } cases[] = {
      {2, 0, 0, "[EOF]\r\n", "000 [EOF] \r\n"},
      {8, 1, 3, Source({"MVE P1", "", "L1", "GOTO L1", "[EOF]"}),
       "000 MVE P0001 \r\n\r\n001 L01 \r\n002 GOTO L01 \r\n003 [EOF] \r\n"},
      // A line with no letter is a comment row; comment lines take no step.
      {6, 1, 2, Source({"012 MVE P0005 ;first point", ";whole line", "", "  123 ;--- 456", "STOP", "[EOF] ;end"}),
       "000 MVE P0005 ;first point\r\n;whole line\r\n\r\n;--- 456\r\n001 STOP \r\n002 [EOF] ;end\r\n"},
      {4, 1, 1, Source({utf8, "MVE P1 " + legacy, "[EOF]"}),
       utf8 + "\r\n000 MVE P0001 " + legacy + "\r\n001 [EOF] \r\n"},
      {4, 1, 1, Source({whole, "STOP " + whole, odd, "[EOF]"}),
       whole.substr(0, 100) + "\r\n000 STOP " + whole.substr(0, 100) + "\r\n" + odd.substr(0, 98) +
           "\r\n001 [EOF] \r\n"},
      {6, 1, 2, "MVE P1 ;one\r\nSTOP\n;c\r\n[EOF]", "000 MVE P0001 ;one\r\n001 STOP \r\n;c\r\n002 [EOF] \r\n"},
      // A failing line keeps its step and its comment, which stays off the next instruction.
      {4, 1, 2, Source({"MVE P9999 ;bad", "MVE P1 ;good", "[EOF]"}), ";bad\r\n000 MVE P0001 ;good\r\n001 [EOF] \r\n",
       "LOC 번호 초과"},
  };
  for (const Case& c : cases) {
    LanguageRig rig;
    rig.store.presence[32] = 1;
    rig.store.stepCount[32] = 9;
    rig.store.image.fill(0xDEADBEEF);
    ASSERT_TRUE(rig.compiler.compileSource(32, c.source)) << c.source;
    EXPECT_EQ(rig.ui.texts(), c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.source;
    EXPECT_EQ(rig.compiler.wordCounter(), c.words) << c.source;
    EXPECT_EQ(rig.store.presence[32], c.presence) << c.source;
    EXPECT_EQ(rig.store.stepCount[32], c.steps) << c.source;
    EXPECT_EQ(ListProgram(rig.store, 0), c.listing) << c.source;
    EXPECT_EQ(std::count(rig.store.image.begin() + c.words, rig.store.image.end(), 0u), kImageWords - c.words)
        << "the whole image starts cleared";
  }
}

TEST(FileCompile, RemarkAfterBlanksIsNoCommentLine) {
  LanguageRig rig;
  EXPECT_FALSE(rig.compiler.compileSource(0, Source({"MVE P1", "   ;remark", "[EOF]"})));
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"해당 명령어가 없습니다"});
}

TEST(FileCompile, CommentTableIsClearedBeforeEachCompile) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;a", "MVE P2 ;b", "MVE P3 ;c", "[EOF]"})));
  ASSERT_TRUE(rig.compiler.compileSource(1, Source({"", "MVE P9", "[EOF]"})));
  EXPECT_EQ(rig.store.comments[0][0], kCommentOnlyStep);
  EXPECT_EQ(rig.store.comments[0][1], 0);
  EXPECT_EQ(rig.store.commentText(1), "");
  EXPECT_EQ(rig.store.comments[3], CommentRow{});  // beyond the file: nothing left of the first program
}

TEST(SingleLineCompile, LeavesTheCommentTableAndCountersOfTheFileAlone) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;kept", "[EOF]"})));
  const auto comments = rig.store.comments;
  ASSERT_TRUE(rig.compiler.compileLine("STOP ;typed"));
  EXPECT_EQ(rig.store.comments, comments);
  EXPECT_EQ(rig.store.record(0), (Record{0x36000000, 0}));
  EXPECT_EQ(rig.store.presence[0], 1);
}

}  // namespace
}  // namespace zova::language::testing
