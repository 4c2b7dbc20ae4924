// What the line monitor keeps: the last bytes that crossed the line, each with its time, direction and
// what it means (a control byte's name; for the echo that completes a handshake, the command's name).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "link/port.h"

namespace zova {

struct WireByte {
  TimePoint at;
  std::uint8_t value = 0;
  bool sent = false;
  bool first = false;        // first byte of one write or read: the trace form keeps those on one line
  std::uint8_t command = 0;  // non-zero on the controller's echo that completed a handshake for this code
};

// The name of a control byte of the link ("SOH", "STX", ... "CAN"); empty for any other value.
std::string_view ControlName(std::uint8_t value);

class LineRecord final : public WireTap {
 public:
  // Keeps the last `capacity` bytes, so a long session costs no more memory than a short one.
  LineRecord(Clock& clock, std::size_t capacity);

  void sent(const std::uint8_t* data, std::size_t size) override;
  void received(const std::uint8_t* data, std::size_t size) override;

  // While paused, bytes pass unrecorded.
  void setPaused(bool paused);
  [[nodiscard]] bool paused() const { return paused_; }
  // Forgets every byte; time stamps count from now.
  void clear();

  [[nodiscard]] std::size_t size() const { return count_; }
  [[nodiscard]] std::size_t capacity() const { return ring_.size(); }
  // Bytes recorded since the last clear, the dropped ones included: a view that shows the record
  // follows it by this count.
  [[nodiscard]] std::uint64_t recorded() const { return recorded_; }
  // Byte i of those kept, oldest first.
  [[nodiscard]] const WireByte& operator[](std::size_t i) const;

  // One line per byte: "  1.234567  >  17  23 servo on".
  [[nodiscard]] std::string displayLine(std::size_t i) const;
  // Every kept byte in the form of zovactl --trace: one line per write or read.
  [[nodiscard]] std::string traceText() const;

 private:
  void take(const std::uint8_t* data, std::size_t size, bool sent);
  // Follows SOH, any answer, the code, its echo: true when `b` is the echo of a handshake.
  bool completesHandshake(std::uint8_t value, bool sent);
  [[nodiscard]] double secondsAt(const WireByte& b) const;

  Clock& clock_;
  std::vector<WireByte> ring_;
  std::size_t head_ = 0;  // slot of the oldest byte
  std::size_t count_ = 0;
  std::uint64_t recorded_ = 0;
  TimePoint start_;
  bool paused_ = false;
  enum class Handshake { Idle, SawSoh, SawAnswer, SawCode } handshake_ = Handshake::Idle;
  std::uint8_t code_ = 0;
};

}  // namespace zova
