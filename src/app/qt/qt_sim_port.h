// The built-in simulated controller as a Port for the desktop program: waits run the event loop,
// so windows stay alive while the simulated controller "thinks".
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "app/qt/line_pacer.h"
#include "link/port.h"
#include "sim/controller.h"
#include "sim/sim_port.h"

namespace zova::app {

class QtSimPort final : public Port {
 public:
  QtSimPort();
  bool open(std::string& error) override { return inner_.open(error); }
  void close() override { inner_.close(); }
  [[nodiscard]] bool isOpen() const override { return inner_.isOpen(); }
  [[nodiscard]] std::string name() const override { return "Simulator"; }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override;

  // A line that carries this many bytes a second, as a serial line would (0, the default: at once).
  void setLineSpeed(int bytesPerSecond) { bytesPerSecond_ = bytesPerSecond; }

  sim::Controller& controller() { return *controller_; }

  // For tests: once the controller has seen command `code`, its answers are held back while `during`
  // runs from the event loop, as an operator's click or close would come in the middle of a slow
  // exchange on any machine; then they flow again.
  void pauseAt(std::uint8_t code, std::function<void()> during);

 private:
  [[nodiscard]] bool paused() const;

  std::unique_ptr<sim::Controller> controller_;
  sim::SimPort inner_;
  std::uint8_t pauseCode_ = 0;
  std::size_t pauseFrom_ = 0;  // commands logged before the pause was asked
  std::function<void()> during_;
  int bytesPerSecond_ = 0;
  LinePacer pacer_;
};

}  // namespace zova::app
