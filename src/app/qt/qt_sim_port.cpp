// Built-in simulated controller for the desktop program.
#include "app/qt/qt_sim_port.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace zova::app {

QtSimPort::QtSimPort() : controller_(std::make_unique<sim::Controller>()), inner_(*controller_, systemClock()) {}

void QtSimPort::pauseAt(std::uint8_t code, std::function<void()> during) {
  pauseCode_ = code;
  pauseFrom_ = controller_->commandLog.size();
  during_ = std::move(during);
}

bool QtSimPort::paused() const {
  const auto& log = controller_->commandLog;
  return during_ &&
         std::find(log.begin() + static_cast<std::ptrdiff_t>(pauseFrom_), log.end(), pauseCode_) != log.end();
}

bool QtSimPort::write(const std::uint8_t* data, std::size_t size) {
  const bool written = inner_.write(data, size);
  if (written) pacer_.wrote(transmitTime(size));
  return written;
}

Duration QtSimPort::transmitTime(std::size_t bytes) const {
  if (bytesPerSecond_ <= 0) return Duration::zero();
  return std::chrono::duration_cast<Duration>(
      std::chrono::duration<double>(static_cast<double>(bytes) / bytesPerSecond_));
}

std::size_t QtSimPort::read(std::uint8_t* out, std::size_t max) { return paused() ? 0 : inner_.read(out, max); }

void QtSimPort::waitReadable(Duration max) {
  if (paused()) {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [this, &loop] {
      std::exchange(during_, nullptr)();
      loop.quit();
    });
    loop.exec();
    return;
  }
  Clock& clock = systemClock();
  TimePoint until = clock.now() + max;
  if (auto next = controller_->nextEvent(); next && *next < until) until = *next;
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(until - clock.now()).count();
  if (ms > 0) {
    QEventLoop loop;
    QTimer::singleShot(static_cast<int>(std::min<long long>(ms, 1000)), &loop, &QEventLoop::quit);
    loop.exec();
  }
  controller_->advance(clock.now());
}

}  // namespace zova::app
