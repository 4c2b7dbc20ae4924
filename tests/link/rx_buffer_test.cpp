// Receive ring buffer: wrap-around, empty reads and overflow refusal. Byte transparency: frame_test's flood.
#include <gtest/gtest.h>

#include "link/rx_buffer.h"

namespace zova {
namespace {

// Reading an empty ring gives 0 and moves nothing.
TEST(RxBuffer, WrapsFromSlot4999ToSlot0) {
  RxBuffer rx;
  rx.RxWrite = rx.RxRead = 4999;
  ASSERT_TRUE(rx.write(0xAB));
  EXPECT_EQ(rx.RxWrite, 0);
  ASSERT_TRUE(rx.write(0xCD));
  const std::vector<int> bytes{rx.ReadByte(), rx.ReadByte(), rx.ReadByte()};  // braces read in order
  EXPECT_EQ(std::tuple(bytes, rx.RxRead, rx.RxWrite), std::tuple(std::vector<int>{0xAB, 0xCD, 0}, 1, 1));
}

TEST(RxBuffer, RefusesTheByteThatWouldOvertakeTheReader) {
  RxBuffer rx;
  for (int i = 0; i < RxBuffer::kCapacity; ++i) ASSERT_TRUE(rx.write(static_cast<std::uint8_t>(i)));
  EXPECT_FALSE(rx.write(0xEE));
  EXPECT_EQ(std::tuple(rx.overflowed(), rx.count()), std::tuple(true, RxBuffer::kCapacity));
  // The unread bytes are intact: the first one is still the oldest.
  EXPECT_EQ(rx.ReadByte(), 0);
  EXPECT_TRUE(rx.takeOverflow());
  EXPECT_FALSE(rx.overflowed());
}

}  // namespace
}  // namespace zova
