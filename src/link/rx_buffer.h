// Receive ring buffer: bytes from the port wait here until the frame primitives read them.
#pragma once

#include <array>
#include <cstdint>

namespace zova {

class RxBuffer {
 public:
  static constexpr int kSlots = 5000;  // slots 0..4999; holds at most 4999 unread bytes
  static constexpr int kCapacity = kSlots - 1;

  // Stores one byte; refuses it (and remembers the overflow) when 4999 bytes are unread,
  // so the write index never overtakes the read index.
  bool write(std::uint8_t byte);
  // Takes the oldest byte, or returns 0 and changes nothing when empty.
  std::uint8_t ReadByte();
  [[nodiscard]] bool DataAvailable() const { return RxRead != RxWrite; }
  [[nodiscard]] int count() const { return (RxWrite - RxRead + kSlots) % kSlots; }
  [[nodiscard]] int freeSpace() const { return kCapacity - count(); }
  void clear();

  // True once a byte was refused; cleared by takeOverflow() or clear().
  [[nodiscard]] bool overflowed() const { return overflow_; }
  bool takeOverflow() {
    bool was = overflow_;
    overflow_ = false;
    return was;
  }

  std::array<std::uint8_t, kSlots + 1> RxBuffer{};
  int RxWrite = 0;
  int RxRead = 0;

 private:
  bool overflow_ = false;
};

}  // namespace zova
