// Real monotonic clock. Its sleep is the system's own: clock_posix.cpp, clock_windows.cpp.
#include "base/clock.h"

namespace zova {

TimePoint SteadyClock::now() const { return std::chrono::steady_clock::now(); }

Clock& systemClock() {
  static SteadyClock clock;
  return clock;
}

}  // namespace zova
