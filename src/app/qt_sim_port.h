// The built-in simulated controller as a Port for the desktop program: waits run the event loop,
// so windows stay alive while the simulated controller "thinks".
#pragma once

#include <memory>

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
  bool write(const std::uint8_t* data, std::size_t size) override { return inner_.write(data, size); }
  std::size_t read(std::uint8_t* out, std::size_t max) override { return inner_.read(out, max); }
  void waitReadable(Duration max) override;

  sim::Controller& controller() { return *controller_; }

 private:
  std::unique_ptr<sim::Controller> controller_;
  sim::SimPort inner_;
};

}  // namespace zova::app
