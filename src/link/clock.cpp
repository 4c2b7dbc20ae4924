// Real monotonic clock.
#include "link/clock.h"

#include <thread>

namespace zova {

TimePoint SteadyClock::now() const { return std::chrono::steady_clock::now(); }

void SteadyClock::sleepFor(Duration d) {
  if (d > Duration::zero()) std::this_thread::sleep_for(d);
}

Clock& systemClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace zova
