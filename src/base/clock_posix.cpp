// Sleeping on POSIX systems, where a sleep is as fine as asked.
#include <thread>

#include "base/clock.h"

namespace zova {

void SteadyClock::sleepFor(Duration d) {
  if (d > Duration::zero()) std::this_thread::sleep_for(d);
}

}  // namespace zova
