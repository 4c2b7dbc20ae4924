// TCP on Windows (Winsock).
#include <winsock2.h>
#include <ws2tcpip.h>
#include <mstcpip.h>
// winsock2.h first: windows.h would otherwise bring the older winsock.h

#include <algorithm>
#include <optional>
#include <utility>

#include "base/bounded_call.h"
#include "net/net_socket.h"
#include "base/translation.h"

namespace zova::net {

namespace {

void startWinsock() {
  static const bool started = [] {
    WSADATA data;
    return WSAStartup(MAKEWORD(2, 2), &data) == 0;
  }();
  (void)started;
}

std::string reason(int code, Duration limit) {
  switch (code) {
    case WSAECONNREFUSED:
      return Tr("connection refused (nothing listens there)");
    case WSAENETUNREACH:
    case WSAEHOSTUNREACH:
      return Tr("no route to host");
    case WSAETIMEDOUT:
      return TimedOut(limit);
    case WSAECONNRESET:
    case WSAECONNABORTED:
      return Tr("the connection was reset");
    case WSAECANCELLED:
      return Stopped();
    default:
      return Tr("network error {1}", {std::to_string(code)});
  }
}

void setOptions(SOCKET s) {
  const BOOL on = TRUE;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&on), sizeof on);
  setsockopt(s, SOL_SOCKET, SO_KEEPALIVE, reinterpret_cast<const char*>(&on), sizeof on);
  // A server that vanished without closing is noticed within a minute, not the system's two hours.
  tcp_keepalive alive{1, 30'000, 5'000};
  DWORD returned = 0;
  WSAIoctl(s, SIO_KEEPALIVE_VALS, &alive, sizeof alive, nullptr, 0, &returned, nullptr, nullptr);
#ifdef SIO_TCP_SET_ACK_FREQUENCY
  // Acknowledges every segment: a server with Nagle's algorithm on holds a reply block until the byte before
  // it is acknowledged, and this side, which sends nothing in between, would otherwise wait to do so.
  DWORD everySegment = 1;
  WSAIoctl(s, SIO_TCP_SET_ACK_FREQUENCY, &everySegment, sizeof everySegment, nullptr, 0, &returned, nullptr, nullptr);
#endif
}

// One address: 0 when connected, else the Winsock error (WSAECANCELLED: stopped). select(), not WSAPoll:
// only select reports a refused connection (in the exception set) on every version of Windows.
int tryConnect(SOCKET s, const addrinfo& a, TimePoint deadline, const StopCheck& stopped) {
  if (connect(s, a.ai_addr, static_cast<int>(a.ai_addrlen)) == 0) return 0;
  if (WSAGetLastError() != WSAEWOULDBLOCK) return WSAGetLastError();
  fd_set writable, failed;
  int n = 0;
  do {
    if (stopped && stopped()) return WSAECANCELLED;
    FD_ZERO(&writable);
    FD_ZERO(&failed);
    FD_SET(s, &writable);
    FD_SET(s, &failed);
    const int ms = SliceLeft(deadline);
    timeval wait{ms / 1000, (ms % 1000) * 1000};
    n = select(0, nullptr, &writable, &failed, &wait);
  } while (n == 0 && MillisecondsLeft(deadline) > 0);
  if (n == 0) return WSAETIMEDOUT;
  int code = 0;
  int len = sizeof code;
  if (n < 0 || getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&code), &len) != 0) {
    return WSAGetLastError();
  }
  return code == 0 && FD_ISSET(s, &failed) ? WSAECONNREFUSED : code;
}

}  // namespace

Handle Connect(const std::string& host, int port, Duration limit, const StopCheck& stopped, std::string& error) {
  startWinsock();
  const TimePoint deadline = std::chrono::steady_clock::now() + limit;
  const auto lookup = LookUpWithin<addrinfo>(deadline, stopped, host, port, AF_UNSPEC, SOCK_STREAM);
  if (!lookup) {
    error = stopped && stopped() ? Stopped() : Tr("timed out looking up {1}", {host});
    return kNoSocket;
  }
  addrinfo* found = lookup->second;
  const int looked = lookup->first;
  if (looked != 0) {
    error = looked == WSAHOST_NOT_FOUND || looked == WSANO_DATA ? Tr("name not found") : reason(looked, limit);
    return kNoSocket;
  }
  int code = WSAETIMEDOUT;
  SOCKET s = INVALID_SOCKET;
  for (const addrinfo* a = found; a != nullptr && s == INVALID_SOCKET && code != WSAECANCELLED; a = a->ai_next) {
    s = WSASocketW(a->ai_family, a->ai_socktype, a->ai_protocol, nullptr, 0, WSA_FLAG_NO_HANDLE_INHERIT);
    if (s == INVALID_SOCKET) {
      code = WSAGetLastError();
      continue;
    }
    u_long nonBlocking = 1;
    ioctlsocket(s, FIONBIO, &nonBlocking);
    code = tryConnect(s, *a, deadline, stopped);
    if (code != 0) {
      closesocket(s);
      s = INVALID_SOCKET;
    }
  }
  freeaddrinfo(found);
  if (s == INVALID_SOCKET) {
    error = reason(code, limit);
    return kNoSocket;
  }
  setOptions(s);
  return static_cast<Handle>(s);
}

bool SendAll(Handle socket, const std::uint8_t* data, std::size_t size, const StopCheck& stopped, std::string& error) {
  const auto s = static_cast<SOCKET>(socket);
  constexpr auto kLimit = std::chrono::seconds(10);  // a server that takes no bytes for this long is gone
  const TimePoint deadline = std::chrono::steady_clock::now() + kLimit;
  while (size > 0) {
    const int n = send(s, reinterpret_cast<const char*>(data), static_cast<int>(std::min<std::size_t>(size, 65536)), 0);
    if (n > 0) {
      data += n;
      size -= static_cast<std::size_t>(n);
    } else if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK && MillisecondsLeft(deadline) > 0 &&
               !(stopped && stopped())) {
      WSAPOLLFD p{s, POLLWRNORM, 0};
      WSAPoll(&p, 1, SliceLeft(deadline));
    } else {
      const int code = n == SOCKET_ERROR ? WSAGetLastError() : 0;
      error = reason(code != 0 && code != WSAEWOULDBLOCK ? code
                     : stopped && stopped()              ? WSAECANCELLED
                                                         : WSAETIMEDOUT,
                     kLimit);
      return false;
    }
  }
  return true;
}

long Receive(Handle socket, std::uint8_t* out, std::size_t max, std::string& error) {
  const int n = recv(static_cast<SOCKET>(socket), reinterpret_cast<char*>(out),
                     static_cast<int>(std::min<std::size_t>(max, 65536)), 0);
  if (n > 0) return n;
  if (n == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK) return 0;
  error = n == 0 ? Tr("the server closed the connection") : reason(WSAGetLastError(), {});
  return -1;
}

bool WaitReadable(Handle socket, Duration max) {
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(max).count();
  WSAPOLLFD p{static_cast<SOCKET>(socket), POLLRDNORM, 0};
  return WSAPoll(&p, 1, static_cast<int>(std::clamp<long long>(ms, 1, 60'000))) > 0;
}

std::size_t Waiting(Handle socket) {
  u_long count = 0;
  return ioctlsocket(static_cast<SOCKET>(socket), FIONREAD, &count) == 0 ? static_cast<std::size_t>(count) : 0;
}

void Close(Handle socket) {
  if (socket != kNoSocket) closesocket(static_cast<SOCKET>(socket));
}

std::vector<std::string> Endpoints(const std::string& host, int port, Duration limit) {
  startWinsock();
  return EndpointsWithin<addrinfo, socklen_t>(std::chrono::steady_clock::now() + limit, host, port, AF_UNSPEC,
                                              SOCK_STREAM, NI_NUMERICHOST);
}

}  // namespace zova::net
