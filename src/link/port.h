// The serial line as the link sees it: raw bytes out, raw bytes in, and a wait that keeps the program alive.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/clock.h"

namespace zova {

class Port {
 public:
  virtual ~Port() = default;

  // Opens the device; on failure `error` holds the system's reason.
  [[nodiscard]] virtual bool open(std::string& error) = 0;
  virtual void close() = 0;
  [[nodiscard]] virtual bool isOpen() const = 0;
  [[nodiscard]] virtual std::string name() const = 0;

  // Writes the bytes at once (no buffering in the link); false when the device refused them.
  virtual bool write(const std::uint8_t* data, std::size_t size) = 0;
  // Moves up to `max` received bytes into `out` without blocking; returns the count.
  virtual std::size_t read(std::uint8_t* out, std::size_t max) = 0;
  // Blocks until bytes are waiting or `max` has passed, serving the user interface meanwhile.
  // Must not spin: an idle wait costs no processor time.
  virtual void waitReadable(Duration max) = 0;
  // How long the line takes to carry `bytes` at its speed; zero where bytes arrive at once. Writes
  // return before the bytes are on the wire, so an answer cannot come before they have gone out.
  [[nodiscard]] virtual Duration transmitTime(std::size_t /*bytes*/) const { return Duration::zero(); }
  // Why the open device stopped carrying bytes (a network server closed the connection), or empty.
  [[nodiscard]] virtual std::string linkFault() const { return {}; }
};

// Sees the bytes that cross a port, such as the line monitor.
class WireTap {
 public:
  virtual ~WireTap() = default;
  virtual void sent(const std::uint8_t* data, std::size_t size) = 0;
  virtual void received(const std::uint8_t* data, std::size_t size) = 0;
};

}  // namespace zova
