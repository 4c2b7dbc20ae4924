// Sleeping on Windows. Sleep() rounds up to the scheduler's tick (15.6 ms by default), which would stretch
// every byte-time wait of a link at 115200 baud a hundredfold; a high-resolution waitable timer
// (Windows 10 1803 and later) sleeps as long as asked. Older systems get an ordinary timer.
#include <windows.h>

#include <algorithm>

#include "base/clock.h"

#ifndef CREATE_WAITABLE_TIMER_HIGH_RESOLUTION
#define CREATE_WAITABLE_TIMER_HIGH_RESOLUTION 0x00000002
#endif

namespace zova {

namespace {

// One timer per thread, made on its first sleep and kept for the thread's life.
class SleepTimer {
 public:
  SleepTimer() {
    handle_ = ::CreateWaitableTimerExW(nullptr, nullptr, CREATE_WAITABLE_TIMER_HIGH_RESOLUTION, TIMER_ALL_ACCESS);
    if (handle_ == nullptr) handle_ = ::CreateWaitableTimerExW(nullptr, nullptr, 0, TIMER_ALL_ACCESS);
  }
  ~SleepTimer() {
    if (handle_ != nullptr) ::CloseHandle(handle_);
  }
  SleepTimer(const SleepTimer&) = delete;
  SleepTimer& operator=(const SleepTimer&) = delete;

  void sleep(Duration d) {
    // Due times are in 100 ns units; negative means relative to now. At least one unit.
    const auto units = std::chrono::duration_cast<std::chrono::duration<LONGLONG, std::ratio<1, 10'000'000>>>(d);
    LARGE_INTEGER due;
    due.QuadPart = -std::max<LONGLONG>(units.count(), 1);
    if (handle_ != nullptr && ::SetWaitableTimer(handle_, &due, 0, nullptr, nullptr, FALSE) != 0) {
      ::WaitForSingleObject(handle_, INFINITE);
      return;
    }
    ::Sleep(static_cast<DWORD>(std::chrono::ceil<std::chrono::milliseconds>(d).count()));
  }

 private:
  HANDLE handle_ = nullptr;
};

}  // namespace

void SteadyClock::sleepFor(Duration d) {
  if (d <= Duration::zero()) return;
  thread_local SleepTimer timer;
  timer.sleep(d);
}

}  // namespace zova
