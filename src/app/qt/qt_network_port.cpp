// Waiting on a socket inside the event loop.
#include "app/qt/qt_network_port.h"

#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <algorithm>

namespace zova::app {

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
