// Waiting on a socket inside the event loop.
#include "app/qt/qt_network_port.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace zova::app {

// The last bytes of an operation (the EOT after a block) are followed by no wait that would send them:
// they go when the event loop next runs, before the operator can start anything else.
bool QtNetworkPort::write(const std::uint8_t* data, std::size_t size) {
  const bool written = net::NetworkPort::write(data, size);
  if (!std::exchange(flushQueued_, true)) {
    QTimer::singleShot(0, &flushTimers_, [this] {
      flushQueued_ = false;
      flush();
    });
  }
  return written;
}

void QtNetworkPort::waitSocket(net::Handle socket, Duration max) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(max).count();
  QEventLoop loop;
  QSocketNotifier readable(static_cast<qintptr>(socket), QSocketNotifier::Read);
  QTimer timer;
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  QObject::connect(&readable, &QSocketNotifier::activated, &loop, &QEventLoop::quit);
  timer.start(static_cast<int>(std::clamp<long long>(ms, 1, 1000)));
  loop.exec();
}

}  // namespace zova::app
