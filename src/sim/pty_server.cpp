// Pseudo-terminal front of the simulated controller.
#include "sim/pty_server.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>

#include "base/translation.h"

namespace zova::sim {

PtyServer::~PtyServer() {
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
}

bool PtyServer::create(std::string& error) {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    error = Tr("cannot create a pseudo-terminal: {1}", {std::strerror(errno)});
    return false;
  }
  const char* name = ptsname(master_);
  if (name == nullptr) {
    error = Tr("cannot name the pseudo-terminal");
    return false;
  }
  path_ = name;
  slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY);
  if (slave_ >= 0) {
    termios t{};
    if (tcgetattr(slave_, &t) == 0) {
      cfmakeraw(&t);
      tcsetattr(slave_, TCSANOW, &t);
    }
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  return true;
}

void PtyServer::deliverDue(TimePoint now) {
  while (!incoming_.empty() && incoming_.front().first <= now) {
    controller_.input(incoming_.front().second, now);
    incoming_.pop_front();
  }
}

void PtyServer::serve(const volatile bool& stop) {
  Clock& clock = systemClock();
  std::uint8_t buffer[4096];
  while (!stop && !controller_.disconnected()) {
    // Take in the host's bytes that have crossed the line, send what is due, then sleep until the next
    // byte falls due either way or the host writes.
    deliverDue(clock.now());
    if (onWake) onWake();
    std::size_t n = controller_.output(buffer, sizeof buffer, clock.now());
    std::size_t off = 0;
    while (off < n) {
      ssize_t w = ::write(master_, buffer + off, n - off);
      if (w > 0) {
        off += static_cast<std::size_t>(w);
      } else if (w < 0 && errno == EAGAIN) {
        pollfd out{master_, POLLOUT, 0};
        ::poll(&out, 1, 100);
      } else if (w < 0 && errno != EINTR) {
        return;
      }
    }
    // Wake now and then to notice `stop`; otherwise exactly when the next byte falls due, to the
    // microsecond, so pacing at high baud rates does not round every turn of the line up to a millisecond.
    Duration timeout = milliseconds(200);
    std::optional<TimePoint> next = controller_.nextEvent();
    if (!incoming_.empty() && (!next || incoming_.front().first < *next)) next = incoming_.front().first;
    if (next) timeout = std::clamp<Duration>(*next - clock.now(), Duration::zero(), timeout);
    const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(timeout).count();
    const timespec wait{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
    pollfd in{master_, POLLIN, 0};
    int ready = ::ppoll(&in, 1, &wait, nullptr);
    if (ready > 0 && (in.revents & POLLIN)) {
      ssize_t r = ::read(master_, buffer, sizeof buffer);
      const TimePoint now = clock.now();
      const Duration byteTime = controller_.byteTime();
      for (ssize_t i = 0; i < r; ++i) {
        if (byteTime == Duration::zero()) {
          controller_.input(buffer[i], now);
        } else {
          lastIn_ = std::max(now, lastIn_) + byteTime;
          incoming_.emplace_back(lastIn_, buffer[i]);
        }
      }
    } else if (ready > 0 && (in.revents & (POLLHUP | POLLERR))) {
      // No host on the line right now; keep waiting without spinning.
      ::poll(nullptr, 0, 20);
    }
  }
}

}  // namespace zova::sim
