// Ports through a serial device server.
#include "net/network_port.h"

#include <algorithm>
#include <cstdio>
#include <thread>
#include <utility>

#include "base/translation.h"

namespace zova::net {

std::string TimedOut(Duration limit) {
  char seconds[32];
  std::snprintf(seconds, sizeof seconds, "%g", std::chrono::duration<double>(limit).count());
  return Tr("timed out after {1} s", {seconds});
}

std::string Stopped() { return Tr("stopped"); }

int MillisecondsLeft(TimePoint deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
  return static_cast<int>(std::clamp<long long>(left.count(), 0, 60'000));
}

int SliceLeft(TimePoint deadline) { return std::min(MillisecondsLeft(deadline), static_cast<int>(kStopCheck.count())); }

namespace {

// A block written byte by byte goes out in pieces of this size rather than all at its end.
constexpr std::size_t kFlushAt = 16 * 1024;
// How long a server may take to put bytes it received on its serial line.
constexpr auto kLastBytesSettle = std::chrono::milliseconds(50);
// How long the requests wait for a Telnet server's own opening, and the pause that ends it.
constexpr auto kServerOpening = std::chrono::milliseconds(500);
constexpr auto kOpeningPause = std::chrono::milliseconds(50);
// A server's message is a line or two; longer text is something else.
constexpr std::size_t kMaxServerText = 160;

}  // namespace

NetworkPort::NetworkPort(NetworkAddress address, LineSettings line, Duration openLimit)
    : address_(std::move(address)), line_(line), openLimit_(openLimit) {}

NetworkPort::~NetworkPort() { close(); }

bool NetworkPort::open(std::string& error) {
  close();
  fault_.clear();
  pending_.clear();
  out_.clear();
  unanswered_ = 0;
  heard_ = 0;
  said_.clear();
  onlyText_ = true;
  stopSeen_ = false;
  telnet_ = telnet::Session();
  socket_ = Connect(address_.host, address_.port, openLimit_, stopped_, error);
  if (socket_ == kNoSocket) {
    error = name() + ": " + error;
    return false;
  }
  if (address_.scheme == NetworkScheme::Rfc2217 && !negotiate(error)) {
    error = name() + ": " + withServerText(error);
    close();
    fault_.clear();  // the open's error says it all; the port is closed, not broken
    said_.clear();
    return false;
  }
  return true;
}

// Settles the options and sets the server's line before the first byte of the protocol goes out, so the
// controller never sees a byte at the wrong speed or a Telnet command as data.
bool NetworkPort::negotiate(std::string& error) {
  const TimePoint deadline = std::chrono::steady_clock::now() + openLimit_;
  awaitServerOpening();
  const std::vector<std::uint8_t> requests = telnet_.requests();
  bool lineSent = false;
  if (!SendAll(socket_, requests.data(), requests.size(), stopped_, error)) return false;
  while (!lineSent || telnet_.linesConfirmed() < telnet::kLineCommandCount) {
    if (telnet_.settled() && !lineSent) {
      if (!telnet_.ready()) {
        error = Tr("the server refused binary transfer or COM Port Control (is it a plain TCP port? use tcp://)");
        return false;
      }
      const std::vector<std::uint8_t> line = telnet::LineCommands(line_);
      if (!SendAll(socket_, line.data(), line.size(), stopped_, error)) return false;
      lineSent = true;
      continue;
    }
    if (stopRequested()) {
      error = Stopped();
      return false;
    }
    const Duration left = deadline - std::chrono::steady_clock::now();
    if (left <= Duration::zero()) {
      error = lineSent
                  ? Tr("the server did not confirm the line settings; {1}", {TimedOut(openLimit_)})
                  : Tr("no Telnet answer from the server (a raw TCP port? use tcp://); {1}", {TimedOut(openLimit_)});
      return false;
    }
    WaitReadable(socket_, std::min<Duration>(left, kStopCheck));
    if (!pump()) {
      error = fault_;
      return false;
    }
  }
  // A server that cannot run its line as asked would garble every byte: it is not used.
  const std::string asked = FormatLineSettings(line_);
  if (const std::string confirmed = FormatLineSettings(telnet_.confirmedLine(line_)); confirmed != asked) {
    error = Tr("the server set its line to {1} where {2} was asked", {confirmed, asked});
    return false;
  }
  // Nothing the controller sends before the line is set can be an answer.
  pending_.clear();
  heard_ = 0;
  said_.clear();
  onlyText_ = true;
  return true;
}

// A Telnet server opens with its own negotiation; one that cannot open its device follows it with why and
// hangs up. Requests that reach it before it hangs up make its system reset the connection and drop those
// words, so they wait for the server's opening to come in: its first bytes, then a pause (bounded either way).
void NetworkPort::awaitServerOpening() {
  const TimePoint until = std::chrono::steady_clock::now() + kServerOpening;
  std::size_t came = 0;
  while (!stopRequested() && std::chrono::steady_clock::now() < until) {
    if (came == 0) {
      if (!WaitReadable(socket_, std::min<Duration>(until - std::chrono::steady_clock::now(), kStopCheck))) continue;
      came = Waiting(socket_);
      if (came == 0) return;  // the connection ended before a word
      continue;
    }
    std::this_thread::sleep_for(kOpeningPause);
    const std::size_t now = Waiting(socket_);
    if (now == came) return;
    came = now;
  }
}

void NetworkPort::close() {
  flush();
  // A device server hangs up its serial line when the connection ends and drops what it has not put on it
  // yet: bytes nothing answered (the EOT after the last block) get the time the line needs, and some more.
  if (socket_ != kNoSocket && unanswered_ > 0) {
    std::this_thread::sleep_until(sentAt_ + transmitTime(unanswered_) + kLastBytesSettle);
  }
  Close(socket_);
  socket_ = kNoSocket;
}

void NetworkPort::flush() {
  if (out_.empty()) return;
  std::vector<std::uint8_t> sending;
  sending.swap(out_);
  if (isOpen() && SendAll(socket_, sending.data(), sending.size(), stopped_, fault_)) {
    sentAt_ = std::chrono::steady_clock::now();
    unanswered_ += sending.size();
  }
}

bool NetworkPort::pump() {
  std::uint8_t chunk[4096];
  for (;;) {
    const long n = Receive(socket_, chunk, sizeof chunk, fault_);
    if (n < 0) return false;
    if (n == 0) return true;
    const std::size_t before = pending_.size();
    std::vector<std::uint8_t> reply;
    if (address_.scheme == NetworkScheme::Tcp) {
      pending_.insert(pending_.end(), chunk, chunk + n);
    } else {
      telnet_.receive(chunk, static_cast<std::size_t>(n), pending_, reply);
    }
    // Before answering: a busy server says why and hangs up, and the answer would only meet the hang-up.
    if (pending_.size() > before) unanswered_ = 0;
    noteData(pending_.data() + before, pending_.size() - before);
    if (!fault_.empty()) return false;
    if (!reply.empty() && !SendAll(socket_, reply.data(), reply.size(), stopped_, fault_)) return false;
  }
}

void NetworkPort::noteData(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i, ++heard_) {
    const std::uint8_t b = data[i];
    if (heard_ == 0) first_ = b;
    // A controller answers what it is sent; a Telnet server opens with its negotiation, IAC and a verb.
    if (address_.scheme == NetworkScheme::Tcp && heard_ == 1 && first_ == telnet::kIac && b >= telnet::kSb &&
        b <= telnet::kDont) {
      fault_ = Tr("the server speaks Telnet: use rfc2217://");
    }
    if (!onlyText_) continue;
    if (b >= 0x20 && b < 0x7F) {
      if (said_.size() < kMaxServerText) said_ += static_cast<char>(b);
    } else if (b == '\r' || b == '\n' || b == '\t') {
      if (said_.size() < kMaxServerText) said_ += ' ';
    } else {
      onlyText_ = false;
    }
  }
}

std::string NetworkPort::withServerText(const std::string& reason) const {
  std::string text;
  if (onlyText_) {
    // Blanks and line ends folded: the message goes on one line.
    for (char c : said_) {
      if (c != ' ' || (!text.empty() && text.back() != ' ')) text += c;
    }
    if (!text.empty() && text.back() == ' ') text.pop_back();
  }
  if (!std::ranges::any_of(text, [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); })) {
    return reason;
  }
  return reason.empty() ? Tr("the server said \"{1}\"", {text}) : Tr("{1}; the server said \"{2}\"", {reason, text});
}

std::string NetworkPort::linkFault() const {
  const std::string why = withServerText(fault_);
  return why.empty() ? why : name() + ": " + why;
}

bool NetworkPort::write(const std::uint8_t* data, std::size_t size) {
  if (!isOpen()) return false;
  if (address_.scheme == NetworkScheme::Tcp) {
    out_.insert(out_.end(), data, data + size);
  } else {
    telnet::AppendEscaped(data, size, out_);
  }
  if (out_.size() >= kFlushAt) flush();
  return isOpen();
}

std::size_t NetworkPort::read(std::uint8_t* out, std::size_t max) {
  flush();
  if (!isOpen()) return 0;
  if (pending_.empty()) pump();
  const std::size_t n = std::min(max, pending_.size());
  std::copy_n(pending_.begin(), n, out);
  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(n));
  return n;
}

void NetworkPort::waitReadable(Duration max) {
  flush();
  if (!isOpen() || !pending_.empty()) return;
  if (!stopped_ || heard_ > 0) {
    waitSocket(socket_, max);
    return;
  }
  // Until the controller first answers (the link check, the first handshake) the wait looks at the stop
  // request. The link's own stop comes first; a wait asked for again after it (the link check has none)
  // ends the connection, where nothing was started that would need winding down.
  const TimePoint end = std::chrono::steady_clock::now() + max;
  for (;;) {
    if (stopRequested()) {
      if (std::exchange(stopSeen_, true)) fault_ = Stopped();
      return;
    }
    const Duration left = end - std::chrono::steady_clock::now();
    if (left <= Duration::zero()) return;
    waitSocket(socket_, std::min<Duration>(left, kStopCheck));
    if (!pump() || !pending_.empty()) return;
  }
}

// The server's serial line still carries the bytes at its speed; raw TCP ports run at the speed the server
// was set to, which the stored settings name too.
Duration NetworkPort::transmitTime(std::size_t bytes) const {
  const double bits = 1 + line_.dataBits + (line_.parity == 'n' ? 0 : 1) + line_.stopBitsTimesTen / 10.0;
  return std::chrono::duration_cast<Duration>(std::chrono::duration<double>(bytes * bits / line_.baud));
}

}  // namespace zova::net
