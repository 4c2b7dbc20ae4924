// A Port that forwards to whichever device the operator chose last (a serial port or the
// built-in simulated controller), so the link keeps one Port for the whole run.
#pragma once

#include <memory>

#include "link/port.h"
#include "base/translation.h"

namespace zova {

class SwitchablePort final : public Port {
 public:
  // Replaces the device; the old one is closed first.
  void set(std::unique_ptr<Port> port) {
    if (port_) port_->close();
    port_ = std::move(port);
  }
  [[nodiscard]] Port* current() const { return port_.get(); }
  // Shows every byte to `tap` until it is unset; unset, the bytes pass untouched.
  void setTap(WireTap* tap) { tap_ = tap; }
  [[nodiscard]] WireTap* tap() const { return tap_; }

  bool open(std::string& error) override {
    if (!port_) {
      error = Tr("no port chosen");
      return false;
    }
    return port_->open(error);
  }
  void close() override {
    if (port_) port_->close();
  }
  [[nodiscard]] bool isOpen() const override { return port_ && port_->isOpen(); }
  [[nodiscard]] std::string name() const override { return port_ ? port_->name() : std::string(); }
  bool write(const std::uint8_t* data, std::size_t size) override {
    if (!port_) return false;
    if (tap_ != nullptr) tap_->sent(data, size);
    return port_->write(data, size);
  }
  std::size_t read(std::uint8_t* out, std::size_t max) override {
    if (!port_) return 0;
    const std::size_t n = port_->read(out, max);
    if (tap_ != nullptr && n > 0) tap_->received(out, n);
    return n;
  }
  void waitReadable(Duration max) override {
    if (port_) port_->waitReadable(max);
  }
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override {
    return port_ ? port_->transmitTime(bytes) : Duration::zero();
  }
  [[nodiscard]] std::string linkFault() const override { return port_ ? port_->linkFault() : std::string(); }

 private:
  std::unique_ptr<Port> port_;
  WireTap* tap_ = nullptr;
};

}  // namespace zova
