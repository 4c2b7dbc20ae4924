// Receive ring buffer.
#include "link/rx_buffer.h"

namespace zova {

bool RxBuffer::write(std::uint8_t byte) {
  if (count() >= kCapacity) {
    overflow_ = true;
    return false;
  }
  RxBuffer[RxWrite] = byte;
  RxWrite = RxWrite == kSlots - 1 ? 0 : RxWrite + 1;
  return true;
}

std::uint8_t RxBuffer::ReadByte() {
  if (RxRead == RxWrite) return 0;
  std::uint8_t byte = RxBuffer[RxRead];
  RxRead = RxRead == kSlots - 1 ? 0 : RxRead + 1;
  return byte;
}

void RxBuffer::clear() {
  RxRead = 0;
  RxWrite = 0;
  overflow_ = false;
}

}  // namespace zova
