// In-process port to the simulated controller.
#include "sim/sim_port.h"

#include "base/translation.h"

namespace zova::sim {

bool SimPort::open(std::string& error) {
  if (failOpen) {
    error = Tr("The simulated port refused to open.");
    return false;
  }
  open_ = true;
  return true;
}

bool SimPort::write(const std::uint8_t* data, std::size_t size) {
  if (!isOpen()) return false;
  ++writeCalls;
  for (std::size_t i = 0; i < size; ++i) controller_.input(data[i], clock_.now());
  return true;
}

std::size_t SimPort::read(std::uint8_t* out, std::size_t max) {
  if (!open_) return 0;
  return controller_.output(out, max, clock_.now());
}

void SimPort::waitReadable(Duration max) {
  const TimePoint now = clock_.now();
  TimePoint until = now + max;
  if (auto next = controller_.nextEvent(); next && *next < until) until = std::max(*next, now);
  clock_.sleepFor(until - now);
  controller_.advance(clock_.now());
}

}  // namespace zova::sim
