// Frame protocol of the controller link.
#include "link/link.h"

#include <algorithm>
#include <optional>
#include <string>

namespace zova {

namespace {
// How often a long exchange lets the user interface breathe when bytes keep coming.
constexpr auto kYieldInterval = milliseconds(30);
// How long a wait blocks before it looks at the operator's stop again.
constexpr auto kCancelCheck = milliseconds(200);
// A wait that comes back this much later than asked found this program not running (a loaded machine, a
// paused virtual machine, a suspended laptop): the controller may well have answered meanwhile, so that
// time is not counted as its silence, up to kStallAllowance per wait, which keeps every wait bounded.
constexpr auto kStallSlack = milliseconds(100);
constexpr auto kStallAllowance = seconds(60);
}  // namespace

Duration Link::waitReadable(Duration step, Duration& stalled) {
  const TimePoint before = clock_.now();
  port_.waitReadable(step);
  const Duration over = clock_.now() - before - step;
  const Duration late = over > kStallSlack ? std::min<Duration>(over, kStallAllowance - stalled) : Duration::zero();
  stalled += late;
  return late;
}

Link::Link(Port& port, Ui& ui, Clock& clock) : port_(port), ui_(&ui), clock_(clock) {}

void Link::SendByte(std::uint8_t byte) {
  port_.write(&byte, 1);
  ++unanswered_;
}

std::uint8_t Link::ReadByte() { return rx.ReadByte(); }

void Link::pump() {
  // Take no more than the ring can hold: the rest waits in the port, so a fast controller can
  // never make the write index overtake the read index.
  std::uint8_t chunk[512];
  for (;;) {
    const auto room = static_cast<std::size_t>(rx.freeSpace());
    if (room == 0) return;
    const std::size_t want = room < sizeof chunk ? room : sizeof chunk;
    std::size_t n = port_.read(chunk, want);
    if (n == 0) return;
    for (std::size_t i = 0; i < n; ++i) rx.write(chunk[i]);
    RxLast = chunk[n - 1];
    RxArrived = true;
    unanswered_ = 0;
    if (n < want) return;
  }
}

void Link::yieldNow() {
  TimePoint now = clock_.now();
  if (now - lastYield_ >= kYieldInterval) {
    lastYield_ = now;
    ui_->yield();
  }
}

bool Link::DataAvailable() {
  if (!rx.DataAvailable()) pump();
  return rx.DataAvailable();
}

void Link::noteLongWait(Duration waited, Duration max) {
  if (waitNoted_ || waited < kWaitNotice) return;
  waitNoted_ = true;
  ui_->note(Tr("waiting for the controller on {1} (at most {2} s) …",
               {port_.name(), std::to_string(std::chrono::ceil<seconds>(max).count())}));
}

Outcome Link::cancelWait() {
  WaitCancelled = true;
  StoppedByOperator = true;
  return {Outcome::Stopped, "the operator asked to stop"};
}

namespace {
std::string hex(std::uint8_t b) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  return {'0', 'x', kDigits[b >> 4], kDigits[b & 0xF]};
}
}  // namespace

Outcome Link::waitByte(std::uint8_t& out, Duration max, bool handshake) {
  const TimePoint start = clock_.now();
  // The bound counts from when our last byte has left: a 31800-byte block takes half a minute at 9600 baud.
  const TimePoint sent = start + port_.transmitTime(unanswered_);
  TimePoint deadline = sent + max;
  Duration stalled{};
  // A handshake the operator stops while it waits has started nothing at the controller; any other wait
  // leaves the controller mid-exchange, so it gives an answering controller kStopGrace to finish.
  const bool stoppedBefore = ui_->cancelRequested();
  const Duration grace = handshake && !stoppedBefore ? Duration::zero() : Duration(kStopGrace);
  std::optional<TimePoint> stopAt;
  if (stoppedBefore) stopAt = std::max(start, sent);
  for (;;) {
    yieldNow();
    if (!rx.DataAvailable()) pump();
    if (rx.takeOverflow()) return {Outcome::Overflow, "received bytes were lost"};  // the exchange cannot be trusted
    if (rx.DataAvailable()) {
      out = rx.ReadByte();
      return {};
    }
    TimePoint now = clock_.now();
    if (!port_.isOpen()) return {Outcome::LineDead, "the port closed"};
    if (now >= deadline) {
      return {handshake ? Outcome::LineDead : Outcome::TimedOut,
              "no byte within " + std::to_string(std::chrono::ceil<milliseconds>(max).count()) + " ms"};
    }
    if (!stopAt && ui_->cancelRequested()) stopAt = std::max(now, sent);
    if (stopAt && now >= *stopAt + grace) return cancelWait();
    if (handshake) noteLongWait(now - start, max);
    // Short steps, so that a stop and the notice are seen in time.
    deadline += waitReadable(std::min<Duration>(deadline - now, kCancelCheck), stalled);
  }
}

Outcome Link::StartCommand(std::uint8_t code) {
  // Bytes left over from an earlier exchange (a reply that came after we gave up, junk after a block)
  // would be taken for this handshake's answers; a new exchange starts from an empty buffer.
  ResetReceive();
  WaitCancelled = false;
  SendByte(SOH);
  std::uint8_t answer = 0;
  Outcome waited = waitByte(answer, timeouts.handshake, true);
  if (waited) {
    // Any byte opens the handshake; only the echo of the code is checked.
    SendByte(code);
    waited = waitByte(answer, timeouts.handshake, true);
  }
  HandshakeTimedOut = !waited;
  if (HandshakeTimedOut) {
    // A stop the operator asked for is no news to them.
    if (!WaitCancelled) ui_->messageBox(Tr(kMsgNotConnected));
    return waited;
  }
  if (answer != code) return {Outcome::WrongEcho, "echo " + hex(answer) + " for command " + hex(code)};
  return {};
}

Outcome Link::waitAnswer(std::uint8_t expected, bool terminator) {
  std::uint8_t answer = 0;
  if (Outcome waited = waitByte(answer, timeouts.reply, false); !waited) return waited;
  if (answer == expected) return {};
  return {terminator ? Outcome::BadTerminator : Outcome::WrongEcho,
          hex(answer) + " where " + hex(expected) + " belongs"};
}

Outcome Link::EndRequest() {
  SendByte(STX);
  return waitAnswer(SYN);
}

void Link::SendOperandBytes(std::uint8_t out[4], std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFFu);
}

void Link::sendOperandBytes(std::int32_t value) {
  std::uint8_t bytes[4];
  SendOperandBytes(bytes, value);
  for (std::uint8_t b : bytes) SendByte(b);
}

Outcome Link::SendOperand(std::int32_t value) {
  sendOperandBytes(value);
  return EndRequest();
}

Outcome Link::SendTwoOperands(std::int32_t first, std::int32_t second) {
  sendOperandBytes(first);
  sendOperandBytes(second);
  return EndRequest();
}

Outcome Link::SendShortOperand(bool cancel, std::int32_t value) {
  sendOperandBytes(value);
  if (cancel) {
    SendByte(DLE);
    return {};
  }
  return EndRequest();
}

Outcome Link::SendZeroOperand(bool cancel) { return SendShortOperand(cancel, 0); }

Outcome Link::receiveChecksumThen(std::uint8_t terminator, std::uint32_t sum) {
  std::uint8_t checksum = 0;
  if (Outcome waited = waitByte(checksum, timeouts.reply, false); !waited) return waited;
  if (Outcome closed = waitAnswer(terminator, terminator == ETX); !closed) return closed;
  if (((sum + checksum) & 0xFFu) != 0) return {Outcome::BadChecksum, "checksum " + hex(checksum)};
  return {};
}

Outcome Link::ReceiveChecksum(std::uint32_t sum) {
  Outcome checked = receiveChecksumThen(ETX, sum);
  if (checked) {
    SendByte(EOT);
  } else if (checked == Outcome::BadChecksum) {
    SendByte(DLE);
  }
  return checked;
}

Outcome Link::ReceiveChecksumSyn(std::uint32_t sum) {
  Outcome checked = receiveChecksumThen(SYN, sum);
  if (checked == Outcome::BadChecksum) SendByte(DLE);
  return checked;
}

Outcome Link::ReceiveLength(int& length) {
  std::uint8_t b[5];
  for (std::uint8_t& byte : b) {
    if (Outcome waited = waitByte(byte, timeouts.reply, false); !waited) return waited;
  }
  if (b[4] != STX) return {Outcome::BadTerminator, "length ended by " + hex(b[4])};
  std::int64_t announced = 0;
  for (int i = 0; i < 4; ++i) announced += b[i] * ByteWeight[i];
  // More than any block the controller sends: refuse before answering.
  if (announced > kMaxBlockLength) {
    return {Outcome::Overflow, "a block of " + std::to_string(announced) + " bytes announced"};
  }
  SendByte(SYN);
  length = static_cast<int>(announced);
  return {};
}

Outcome Link::sendChecksumThen(std::uint8_t checksum, std::uint8_t answer) {
  SendByte(checksum);
  SendByte(ETX);
  return waitAnswer(answer);
}

Outcome Link::SendChecksum(std::uint8_t checksum) { return sendChecksumThen(checksum, EOT); }
Outcome Link::SendChecksumSyn(std::uint8_t checksum) { return sendChecksumThen(checksum, SYN); }

Outcome Link::WaitEot() { return waitAnswer(EOT); }

Outcome Link::CheckLink() {
  pump();  // anything already waiting is not the answer to this ENQ
  RxArrived = false;
  WaitCancelled = false;
  SendByte(ENQ);
  const TimePoint start = clock_.now();
  TimePoint deadline = start + timeouts.linkCheck;
  Duration stalled{};
  for (;;) {
    pump();
    if (RxArrived) break;
    TimePoint now = clock_.now();
    if (!port_.isOpen()) return {Outcome::LineDead, "the port closed"};
    if (now >= deadline) return {Outcome::LineDead, "no answer to the link check"};
    if (ui_->cancelRequested()) return cancelWait();  // an ENQ leaves nothing open at the controller
    noteLongWait(now - start, timeouts.linkCheck);
    deadline += waitReadable(std::min<Duration>(deadline - now, kCancelCheck), stalled);
  }
  RxArrived = false;
  if (RxLast != DC1) return {Outcome::WrongEcho, hex(RxLast) + " answered the link check"};
  return {};
}

Outcome Link::ReceiveBytes(std::span<std::uint8_t> out, std::uint32_t& sum, const std::function<void(int)>& onByte) {
  int count = 0;
  for (std::uint8_t& slot : out) {
    if (Outcome waited = waitByte(slot, timeouts.reply, false); !waited) return waited;
    sum += slot;
    ++count;
    if (onByte) onByte(count);
  }
  return {};
}

Outcome Link::ReceiveBlock(std::span<std::uint8_t> out) {
  std::uint32_t sum = 0;
  if (Outcome got = ReceiveBytes(out, sum); !got) return got;
  return ReceiveChecksum(sum);
}

ReceivedBlock Link::ReceiveAnnouncedBlock() {
  int length = 0;
  if (Outcome announced = ReceiveLength(length); !announced) return {announced, {}};
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(length));
  Outcome got = ReceiveBlock(bytes);
  if (!got) bytes.clear();
  return {std::move(got), std::move(bytes)};
}

void Link::SendBytes(std::span<const std::uint8_t> data, std::uint32_t& sum) {
  for (std::uint8_t b : data) {
    SendByte(b);
    sum += b;
  }
}

void Link::ResetReceive() {
  // Drop what the line delivered before, too: the port may hold more than the ring takes in one pump.
  do {
    rx.clear();
    pump();
  } while (rx.DataAvailable());
  rx.clear();
  RxArrived = false;
}

}  // namespace zova
