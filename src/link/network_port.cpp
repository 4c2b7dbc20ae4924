// Ports through a serial device server.
#include "link/network_port.h"

#include <algorithm>
#include <cstdio>

#include "link/translation.h"

namespace zova {

namespace net {

std::string TimedOut(Duration limit) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%g", std::chrono::duration<double>(limit).count());
  return Tr("timed out after {1} s", {seconds});
}

int MillisecondsLeft(TimePoint deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::clamp<long long>(left.count(), 0, 60'000));
}

}  // namespace net

NetworkPort::NetworkPort(NetworkAddress address, LineSettings line, Duration openLimit)
    : address_(std::move(address)), line_(line), openLimit_(openLimit) {}

NetworkPort::~NetworkPort() { close(); }

bool NetworkPort::open(std::string& error) {
  close();
  fault_.clear();
  pending_.clear();
  telnet_ = telnet::Session();
  socket_ = net::Connect(address_.host, address_.port, openLimit_, error);
  if (socket_ == net::kNoSocket) {
    error = name() + ": " + error;
    return false;
  }
  if (address_.scheme == NetworkScheme::Rfc2217 && !negotiate(error)) {
    error = name() + ": " + error;
    close();
    fault_.clear();  // the open's error says it; the port is closed, not broken
    return false;
  }
  return true;
}

// Settles the options and sets the server's line before the first byte of the protocol goes out, so the
// controller never sees a byte at the wrong speed or a Telnet command as data.
bool NetworkPort::negotiate(std::string& error) {
  const TimePoint deadline = std::chrono::steady_clock::now() + openLimit_;
  const std::vector<std::uint8_t> requests = telnet_.requests();
  bool lineSent = false;
  if (!net::SendAll(socket_, requests.data(), requests.size(), error)) return false;
  while (!lineSent || telnet_.linesConfirmed() < telnet::kLineCommandCount) {
    if (telnet_.settled() && !lineSent) {
      if (!telnet_.ready()) {
        error = Tr("the server refused binary transfer or COM Port Control (is it a plain TCP port? use tcp://)");
        return false;
      }
      const std::vector<std::uint8_t> line = telnet::LineCommands(line_);
      if (!net::SendAll(socket_, line.data(), line.size(), error)) return false;
      lineSent = true;
      continue;
    }
    const Duration left = deadline - std::chrono::steady_clock::now();
    if (left <= Duration::zero()) {
      error = lineSent ? Tr("the server did not confirm the line settings; {1}", {net::TimedOut(openLimit_)})
                       : Tr("no Telnet answer from the server (a raw TCP port? use tcp://); {1}",
                            {net::TimedOut(openLimit_)});
      return false;
    }
    net::WaitReadable(socket_, left);
    if (!pump()) {
      error = fault_;
      return false;
    }
  }
  pending_.clear();  // nothing the controller sends before the line is set can be an answer
  return true;
}

void NetworkPort::close() {
  net::Close(socket_);
  socket_ = net::kNoSocket;
}

bool NetworkPort::pump() {
  std::uint8_t chunk[4096];
  for (;;) {
    const long n = net::Receive(socket_, chunk, sizeof chunk, fault_);
    if (n < 0) return false;
    if (n == 0) return true;
    if (address_.scheme == NetworkScheme::Tcp) {
      pending_.insert(pending_.end(), chunk, chunk + n);
      continue;
    }
    std::vector<std::uint8_t> reply;
    telnet_.receive(chunk, static_cast<std::size_t>(n), pending_, reply);
    if (!reply.empty() && !net::SendAll(socket_, reply.data(), reply.size(), fault_)) return false;
  }
}

bool NetworkPort::write(const std::uint8_t* data, std::size_t size) {
  if (!isOpen()) return false;
  if (address_.scheme == NetworkScheme::Tcp) return net::SendAll(socket_, data, size, fault_);
  std::vector<std::uint8_t> escaped;
  telnet::AppendEscaped(data, size, escaped);
  return net::SendAll(socket_, escaped.data(), escaped.size(), fault_);
}

std::size_t NetworkPort::read(std::uint8_t* out, std::size_t max) {
  if (!isOpen()) return 0;
  if (pending_.empty()) pump();
  const std::size_t n = std::min(max, pending_.size());
  std::copy_n(pending_.begin(), n, out);
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
  return n;
}

void NetworkPort::waitReadable(Duration max) {
  if (isOpen() && pending_.empty()) waitSocket(socket_, max);
}

// The server's serial line still carries the bytes at its speed; raw TCP ports run at the speed the server
// was set to, which the stored settings name too.
Duration NetworkPort::transmitTime(std::size_t bytes) const {
  const double bits = 1 + line_.dataBits + (line_.parity == 'n' ? 0 : 1) + line_.stopBitsTimesTen / 10.0;
  return std::chrono::duration_cast<Duration>(std::chrono::duration<double>(bytes * bits / line_.baud));
}

}  // namespace zova
