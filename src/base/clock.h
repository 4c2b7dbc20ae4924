// Monotonic time and sleeping, injectable so that long time-outs test in microseconds.
#pragma once

#include <chrono>

namespace zova {

using Duration = std::chrono::steady_clock::duration;
using TimePoint = std::chrono::steady_clock::time_point;
using std::chrono::milliseconds;
using std::chrono::seconds;

class Clock {
 public:
  virtual ~Clock() = default;
  [[nodiscard]] virtual TimePoint now() const = 0;
  // Blocks the caller for d without processing events.
  virtual void sleepFor(Duration d) = 0;
};

class SteadyClock final : public Clock {
 public:
  [[nodiscard]] TimePoint now() const override;
  void sleepFor(Duration d) override;
};

// Time moves only when somebody sleeps or advances it.
class FakeClock final : public Clock {
 public:
  [[nodiscard]] TimePoint now() const override { return now_; }
  void sleepFor(Duration d) override { now_ += d; }
  void advance(Duration d) { now_ += d; }

 private:
  TimePoint now_{};
};

// The process-wide real clock.
Clock& systemClock();

}  // namespace zova
