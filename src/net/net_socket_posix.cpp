// TCP on POSIX systems.
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include "base/bounded_call.h"
#include "net/net_socket.h"
#include "base/translation.h"

namespace zova::net {

namespace {

std::string reason(int code, Duration limit) {
  switch (code) {
    case ECONNREFUSED:
      return Tr("connection refused (nothing listens there)");
    case ENETUNREACH:
    case EHOSTUNREACH:
      return Tr("no route to host");
    case ETIMEDOUT:
      return TimedOut(limit);
    case ECONNRESET:
      return Tr("the connection was reset");
    case EPIPE:
      return Tr("the server closed the connection");
    case ECANCELED:
      return Stopped();
    default:
      return std::strerror(code);
  }
}

void setOptions(int fd) {
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &on, sizeof on);
#ifdef TCP_KEEPIDLE
  // A server that vanished without closing is noticed within a minute, not the system's two hours.
  const int idle = 30, interval = 5, count = 4;
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
  setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &count, sizeof count);
#endif
#ifdef SO_NOSIGPIPE
  setsockopt(fd, SOL_SOCKET, SO_NOSIGPIPE, &on, sizeof on);
#endif
}

// One address: 0 when connected, else the errno (ECANCELED: stopped).
int tryConnect(int fd, const addrinfo& a, TimePoint deadline, const StopCheck& stopped) {
  if (connect(fd, a.ai_addr, a.ai_addrlen) == 0) return 0;
  if (errno != EINPROGRESS) return errno;
  pollfd p{fd, POLLOUT, 0};
  int n = 0;
  do {
    if (stopped && stopped()) return ECANCELED;
    n = poll(&p, 1, SliceLeft(deadline));
  } while ((n < 0 && errno == EINTR) || (n == 0 && MillisecondsLeft(deadline) > 0));
  if (n == 0) return ETIMEDOUT;
  int code = 0;
  socklen_t len = sizeof code;
  if (n < 0 || getsockopt(fd, SOL_SOCKET, SO_ERROR, &code, &len) != 0) return errno;
  return code;
}

}  // namespace

Handle Connect(const std::string& host, int port, Duration limit, const StopCheck& stopped, std::string& error) {
  const TimePoint deadline = std::chrono::steady_clock::now() + limit;
  const auto lookup = LookUpWithin<addrinfo>(deadline, stopped, host, port, AF_UNSPEC, SOCK_STREAM);
  if (!lookup) {
    error = stopped && stopped() ? Stopped() : Tr("timed out looking up {1}", {host});
    return kNoSocket;
  }
  addrinfo* found = lookup->second;
  const int looked = lookup->first;
  if (looked != 0) {
    error = looked == EAI_NONAME || looked == EAI_FAIL
#ifdef EAI_NODATA
                    || looked == EAI_NODATA
#endif
                ? Tr("name not found")
                : gai_strerror(looked);
    return kNoSocket;
  }
  int code = ETIMEDOUT;
  int fd = -1;
  for (const addrinfo* a = found; a != nullptr && fd < 0 && code != ECANCELED; a = a->ai_next) {
    fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
    if (fd < 0) {
      code = errno;
      continue;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
    code = tryConnect(fd, *a, deadline, stopped);
    if (code != 0) {
      ::close(fd);
      fd = -1;
    }
  }
  freeaddrinfo(found);
  if (fd < 0) {
    error = reason(code, limit);
    return kNoSocket;
  }
  setOptions(fd);
  return fd;
}

bool SendAll(Handle socket, const std::uint8_t* data, std::size_t size, const StopCheck& stopped, std::string& error) {
  const int fd = static_cast<int>(socket);
#ifdef MSG_NOSIGNAL
  const int flags = MSG_NOSIGNAL;  // a closed connection is an error here, not the end of the program
#else
  const int flags = 0;
#endif
  constexpr auto kLimit = std::chrono::seconds(10);  // a server that takes no bytes for this long is gone
  const TimePoint deadline = std::chrono::steady_clock::now() + kLimit;
  while (size > 0) {
    const ssize_t n = send(fd, data, size, flags);
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
    } else if (n < 0 && errno == EINTR) {
      continue;
    } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK) && MillisecondsLeft(deadline) > 0 &&
               !(stopped && stopped())) {
      pollfd p{fd, POLLOUT, 0};
      poll(&p, 1, SliceLeft(deadline));
    } else {
      error = reason(n < 0 && errno != EAGAIN && errno != EWOULDBLOCK ? errno
                     : stopped && stopped()                           ? ECANCELED
                                                                      : ETIMEDOUT,
                     kLimit);
      return false;
    }
  }
  return true;
}

long Receive(Handle socket, std::uint8_t* out, std::size_t max, std::string& error) {
  ssize_t n = 0;
  do {
    n = recv(static_cast<int>(socket), out, max, 0);
  } while (n < 0 && errno == EINTR);
  if (n > 0) {
#ifdef TCP_QUICKACK
    // Acknowledges at once: a server with Nagle's algorithm on holds a reply block until the byte before it
    // is acknowledged, and this side, which sends nothing in between, would otherwise wait 40 ms to do so.
    const int on = 1;
    setsockopt(static_cast<int>(socket), IPPROTO_TCP, TCP_QUICKACK, &on, sizeof on);
#endif
    return static_cast<long>(n);
  }
  if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return 0;
  error = n == 0 || errno == EPIPE ? Tr("the server closed the connection")
          : errno == ETIMEDOUT     ? Tr("the connection broke (no answer to keep-alive probes)")
                                   : reason(errno, {});
  return -1;
}

bool WaitReadable(Handle socket, Duration max) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(max).count();
  pollfd p{static_cast<int>(socket), POLLIN, 0};
  return poll(&p, 1, static_cast<int>(std::clamp<long long>(ms, 1, 60'000))) > 0;
}

std::size_t Waiting(Handle socket) {
  int count = 0;
  return ioctl(static_cast<int>(socket), FIONREAD, &count) == 0 && count > 0 ? static_cast<std::size_t>(count) : 0;
}

void Close(Handle socket) {
  if (socket != kNoSocket) ::close(static_cast<int>(socket));
}

std::vector<std::string> Endpoints(const std::string& host, int port, Duration limit) {
  return EndpointsWithin<addrinfo, socklen_t>(std::chrono::steady_clock::now() + limit, host, port, AF_UNSPEC,
                                              SOCK_STREAM, NI_NUMERICHOST);
}

}  // namespace zova::net
