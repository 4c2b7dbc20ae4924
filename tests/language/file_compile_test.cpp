// File compiling: the line loop, the comment table, the counters and the limits of one program.
#include <gtest/gtest.h>

#include "language/listing.h"
#include "language_fixture.h"

namespace zova::language::testing {
namespace {

const CommentRow& Row(const LanguageRig& rig, int row) { return rig.store.comments[static_cast<std::size_t>(row)]; }

TEST(FileCompile, OnlyEndOfProgramGivesOneEndRecordAndNoPresence) {
  LanguageRig rig;
  rig.store.presence[4] = 1;
  rig.store.stepCount[4] = 9;
  rig.store.image[7] = 0xDEADBEEF;
  ASSERT_TRUE(rig.compiler.compileSource(4, "[EOF]\r\n"));
  EXPECT_EQ(rig.store.record(0), kEndRecord);
  EXPECT_EQ(rig.store.image[7], 0u);  // the whole image starts cleared
  EXPECT_EQ(rig.compiler.wordCounter(), 2);
  EXPECT_EQ(rig.store.presence[4], 0);
  EXPECT_EQ(rig.store.stepCount[4], 0);
  EXPECT_TRUE(rig.ui.messages.empty());
}

TEST(FileCompile, PresenceAndStepCountOfAProgram) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(32, Source({"MVE P1", "", "L1", "GOTO L1", "[EOF]"})));
  EXPECT_EQ(rig.store.presence[32], 1);
  EXPECT_EQ(rig.store.stepCount[32], 3);
  EXPECT_EQ(rig.store.record(3), kEndRecord);
}

TEST(FileCompile, CommentLines) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({
                                                "012 MVE P0005 ;first point",
                                                ";whole line",
                                                "",
                                                "  123 ;--- 456",
                                                "STOP",
                                                "[EOF] ;end",
                                            })));
  EXPECT_EQ(rig.store.record(0), (Record{0x01100005, 0}));
  EXPECT_EQ(Row(rig, 0)[0], 0);
  EXPECT_EQ(Row(rig, 0)[1], 13);  // ";first point" is 12 characters in cells 2..13
  EXPECT_EQ(rig.store.commentText(0), ";first point");
  EXPECT_EQ(Row(rig, 1)[0], kCommentOnlyStep);
  EXPECT_EQ(rig.store.commentText(1), ";whole line");
  EXPECT_EQ(Row(rig, 1)[1], 12);
  EXPECT_EQ(Row(rig, 2)[0], kCommentOnlyStep);  // a blank line keeps its row, without text
  EXPECT_EQ(Row(rig, 2)[1], 0);
  EXPECT_EQ(Row(rig, 3)[0], kCommentOnlyStep);
  EXPECT_EQ(rig.store.commentText(3), ";--- 456");  // no letter: kept as a comment row
  EXPECT_EQ(Row(rig, 4)[0], 1);                     // STOP is step 1: comment lines take no step
  EXPECT_EQ(Row(rig, 4)[1], 0);
  EXPECT_EQ(Row(rig, 5)[0], 2);
  EXPECT_EQ(rig.store.commentText(5), ";end");
  EXPECT_EQ(Row(rig, 6)[1], 0);
}

TEST(FileCompile, RemarkAfterBlanksIsNoCommentLine) {
  LanguageRig rig;
  EXPECT_FALSE(rig.compiler.compileSource(0, Source({"MVE P1", "   ;remark", "[EOF]"})));
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"해당 명령어가 없습니다"});
  EXPECT_EQ(rig.compiler.wordCounter(), 2);  // compiling stopped at the remark
}

TEST(FileCompile, CommentTableIsClearedBeforeEachCompile) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P1 ;a", "MVE P2 ;b", "MVE P3 ;c", "[EOF]"})));
  ASSERT_TRUE(rig.compiler.compileSource(1, Source({"", "MVE P9", "[EOF]"})));
  EXPECT_EQ(Row(rig, 0)[0], kCommentOnlyStep);
  EXPECT_EQ(Row(rig, 0)[1], 0);
  EXPECT_EQ(rig.store.commentText(1), "");
  EXPECT_EQ(Row(rig, 3), CommentRow{});  // beyond the file: nothing left of the first program
}

TEST(FileCompile, CommentsKeepTheirBytesWhateverTheEncoding) {
  const std::string utf8 = ";첫 번째 점 \xEC\xB2\xAB";
  const std::string legacy = ";\xC3\xB9 \xB9\xF8\xC2\xB0";  // the same words in the legacy code page
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({utf8, "MVE P1 " + legacy, "[EOF]"})));
  EXPECT_EQ(rig.store.commentText(0), utf8);
  EXPECT_EQ(rig.store.commentText(1), legacy);
  EXPECT_EQ(Row(rig, 0)[2 + 1], 0xEC);  // one byte per cell, the first byte of 첫
}

TEST(FileCompile, LongCommentsAreCutAtOneHundredBytesOnACharacterBoundary) {
  LanguageRig rig;
  const std::string korean = "가나다라마바사아자차카타파하";  // 3 bytes each
  const std::string whole = ";" + korean + korean + korean;   // 127 bytes
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({whole, "STOP " + whole, "[EOF]"})));
  for (int row : {0, 1}) {
    EXPECT_EQ(rig.store.commentText(row), whole.substr(0, 100)) << row;  // 1 + 33 * 3 = 100
    EXPECT_EQ(Row(rig, row)[1], 101);
  }
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({";a" + korean + korean + korean, "[EOF]"})));
  EXPECT_EQ(rig.store.commentText(0).size(), 98u);  // 2 + 32 * 3; the 33rd character would split
}

TEST(FileCompile, LineEndsMakeNoDifference) {
  const std::string lf = "MVE P1 ;one\nSTOP\n;c\n[EOF]\n";
  const std::string crlf = "MVE P1 ;one\r\nSTOP\r\n;c\r\n[EOF]\r\n";
  const std::string mixed = "MVE P1 ;one\r\nSTOP\n;c\r\n[EOF]";
  LanguageRig reference;
  ASSERT_TRUE(reference.compiler.compileSource(0, crlf));
  for (const std::string& source : {lf, mixed}) {
    LanguageRig rig;
    ASSERT_TRUE(rig.compiler.compileSource(0, source));
    EXPECT_EQ(rig.store.image, reference.store.image);
    EXPECT_EQ(rig.store.comments, reference.store.comments);
  }
  EXPECT_EQ(reference.store.commentText(0), ";one");
}

TEST(FileCompile, FailedLinesAdvanceTheStepExceptFAndOff) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(2, Source({"MVE P9999", "F100 1", "OFF 9 1", "MVE P1", "[EOF]"})));
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{"LOC 번호 초과", "FSET COMM REG. 번호 초과", "MAX AXIS LIMIT"}));
  EXPECT_EQ(rig.store.record(0), (Record{0x01100001, 0}));
  EXPECT_EQ(rig.store.record(1), kEndRecord);
  EXPECT_EQ(rig.store.stepCount[2], 2);  // the failed MVE counted, the failed F and OFF did not
  EXPECT_EQ(Row(rig, 3)[0], 1);
}

TEST(FileCompile, FileCompileAllowsFRegistersUpTo99) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"F99 1", "F16 1", "[EOF]"})));
  EXPECT_TRUE(rig.ui.messages.empty());
  EXPECT_EQ(rig.store.record(0).a(), 99);
}

TEST(FileCompile, FailedLineKeepsItsCommentOffTheNextInstruction) {
  LanguageRig rig;
  ASSERT_TRUE(rig.compiler.compileSource(0, Source({"MVE P9999 ;bad", "MVE P1 ;good", "[EOF]"})));
  EXPECT_EQ(ListProgram(rig.store, 0), ";bad\r\n000 MVE P0001 ;good\r\n001 [EOF] \r\n");
}

TEST(FileCompile, UnknownMnemonicEndsCompiling) {
  LanguageRig rig;
  EXPECT_FALSE(rig.compiler.compileSource(0, Source({"MVE P1", "XYZ 1", "MVE P2", "[EOF]"})));
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"해당 명령어가 없습니다"});
  EXPECT_EQ(rig.compiler.wordCounter(), 2);
}

TEST(FileCompile, MissingEndOfProgramFails) {
  LanguageRig rig;
  EXPECT_FALSE(rig.compiler.compileSource(0, Source({"MVE P1", "STOP"})));
  EXPECT_TRUE(rig.ui.messages.empty());
  EXPECT_EQ(rig.compiler.wordCounter(), 4);
}

TEST(FileCompile, OnlyThreeHundredLinesAreRead) {
  std::vector<std::string> lines(299, "");
  lines.push_back("[EOF]");
  LanguageRig atLimit;
  EXPECT_TRUE(atLimit.compiler.compileSource(0, Source(lines)));

  lines.insert(lines.begin(), "");  // "[EOF]" becomes line 301
  LanguageRig beyond;
  EXPECT_FALSE(beyond.compiler.compileSource(0, Source(lines)));
  EXPECT_EQ(beyond.compiler.wordCounter(), 0);
}

TEST(FileCompile, ImageHoldsTwoHundredFiftyFiveRecordsAndTheEnd) {
  std::vector<std::string> lines(255, "MVE P7");
  lines.push_back("[EOF]");
  LanguageRig full;
  ASSERT_TRUE(full.compiler.compileSource(0, Source(lines)));
  EXPECT_EQ(full.compiler.wordCounter(), kImageWords);
  EXPECT_EQ(full.store.record(254), (Record{0x01100007, 0}));
  EXPECT_EQ(full.store.record(255), kEndRecord);
  EXPECT_EQ(full.store.stepCount[0], 255);

  lines.insert(lines.begin(), "MVE P7");  // 256 instructions leave no room for the end record
  LanguageRig over;
  EXPECT_FALSE(over.compiler.compileSource(0, Source(lines)));
  EXPECT_EQ(over.compiler.wordCounter(), kImageWords);
  EXPECT_EQ(over.store.record(255), (Record{0x01100007, 0}));
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
