// Built-in simulated controller for the desktop program.
#include "app/qt_sim_port.h"

#include <QEventLoop>
#include <QTimer>

namespace zova::app {

QtSimPort::QtSimPort() : controller_(std::make_unique<sim::Controller>()), inner_(*controller_, systemClock()) {}

void QtSimPort::waitReadable(Duration max) {
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
