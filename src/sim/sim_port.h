// A Port that talks to a simulated controller in the same process, on any Clock.
#pragma once

#include "link/port.h"
#include "sim/controller.h"

namespace zova::sim {

class SimPort final : public Port {
 public:
  SimPort(Controller& controller, Clock& clock) : controller_(controller), clock_(clock) {}

  bool open(std::string& error) override;
  void close() override { open_ = false; }
  [[nodiscard]] bool isOpen() const override { return open_ && !controller_.disconnected(); }
  [[nodiscard]] std::string name() const override { return "sim"; }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;

  // Counts the write calls, for the "one call per byte" measurements.
  long writeCalls = 0;
  bool failOpen = false;

 private:
  Controller& controller_;
  Clock& clock_;
  bool open_ = false;
};

}  // namespace zova::sim
