// The comment block's cells and the words of a received program block. The packed program and comment
// blocks of a compiled program are checked byte for byte in send_test.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "language/transfer/program_wire.h"
#include "programs_fixture.h"

namespace zova::programs {
namespace {

TEST(ProgramWire, CommentCellsTravelAsTheirLowByte) {
  language::ProgramStore store;
  store.comments[0][0] = language::kCommentOnlyStep;  // 65535 -> FF
  store.comments[0][1] = 0x0107;                      // only 07 survives
  store.comments[299][105] = 0xABCD;                  // the very last cell
  const auto bytes = PackCommentBlock(store);
  ASSERT_EQ(bytes.size(), 31800u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0x07);
  EXPECT_EQ(bytes[31799], 0xCD);
  EXPECT_EQ(bytes[106], 0x00) << "row 1 starts at byte 106";
}

// Bytes 2..5 of a received block and the word 0 they give, as a signed 32-bit value.
struct WordCase {
  std::uint8_t b0, b1, b2, b3;
  std::int32_t word;
};

class UnpackWord : public ::testing::TestWithParam<WordCase> {};

TEST_P(UnpackWord, LeastSignificantByteFirstAndSigned) {
  const WordCase& c = GetParam();
  test::TransferRig rig;
  Link& link = rig.sim.link;
  link.BlockBuffer.fill(0);
  link.BlockBuffer[0] = 1;
  link.BlockBuffer[1] = 200;
  link.BlockBuffer[2] = c.b0;
  link.BlockBuffer[3] = c.b1;
  link.BlockBuffer[4] = c.b2;
  link.BlockBuffer[5] = c.b3;
  link.BlockBuffer[2049] = 0x12;  // top byte of word 511
  rig.transfer.RxProgramNo = 7;
  rig.transfer.UnpackProgram(link);
  EXPECT_EQ(static_cast<std::int32_t>(rig.store.image[0]), c.word);
  EXPECT_EQ(rig.store.image[511], 0x12000000u);
  EXPECT_EQ(rig.store.presence[7], 1);
  EXPECT_EQ(rig.store.stepCount[7], 200);
  EXPECT_EQ(rig.store.presence[0], 0) << "only RxProgramNo's flag changes";
}

INSTANTIATE_TEST_SUITE_P(Words, UnpackWord,
                         ::testing::Values(WordCase{0x01, 0x00, 0x00, 0x80, -2147483647},
                                           WordCase{0x00, 0x00, 0x00, 0xFF, static_cast<std::int32_t>(0xFF000000u)},
                                           WordCase{0x05, 0x00, 0x10, 0x01, 0x01100005},
                                           WordCase{0xFF, 0xFF, 0xFF, 0xFF, -1},
                                           WordCase{0xFF, 0xFF, 0xFF, 0x7F, 2147483647},
                                           WordCase{0x00, 0x00, 0x00, 0x00, 0}));

}  // namespace
}  // namespace zova::programs
