// The simulated controller's line handling: handshake, operands, blocks and faults.
#include "sim/controller.h"

#include <algorithm>

#include "link/control_bytes.h"

namespace zova::sim {

namespace {
constexpr Duration kForever = std::chrono::hours(100000);
constexpr std::uint8_t kHandshakeAnswer = 0x06;
}  // namespace

Controller::Controller() {
  RegisterAllCommands(*this);
  main_.emplace(run());
  main_->start();
}

Controller::~Controller() = default;

void Controller::setBaud(int baud) {
  // Start bit, eight data bits, stop bit.
  byteTime_ =
      baud > 0 ? std::chrono::duration_cast<Duration>(std::chrono::duration<double>(10.0 / baud)) : Duration::zero();
}

bool Controller::faultActive() const {
  return commands_ >= faults.fromCommand && (faults.onlyCommand < 0 || faults.onlyCommand == currentCommand_);
}

void Controller::send(std::uint8_t byte) {
  if (disconnected_) return;
  if (faults.disconnectAfter >= 0 && bytesSent_ >= faults.disconnectAfter) {
    disconnected_ = true;
    return;
  }
  if (faults.silenceAfter >= 0 && bytesSent_ >= faults.silenceAfter) return;
  ++bytesSent_;
  TimePoint at = std::max(now_, lastOut_) + byteTime_;
  lastOut_ = at;
  outbox_.emplace_back(at, byte);
}

void Controller::send(std::span<const std::uint8_t> bytes) {
  for (std::uint8_t b : bytes) send(b);
}

void Controller::accept() { send(faultActive() && faults.dleForSyn ? DLE : SYN); }

void Controller::ByteAwaiter::await_suspend(std::coroutine_handle<> h) noexcept {
  c.waiter_ = h;
  c.wait_ = Wait::Byte;
  c.wakeAt_ = std::max(c.now_, c.lastOut_) + timeout;
}

std::optional<std::uint8_t> Controller::ByteAwaiter::await_resume() noexcept {
  if (c.inbox_.empty()) return std::nullopt;
  std::uint8_t b = c.inbox_.front();
  c.inbox_.pop_front();
  return b;
}

void Controller::SleepAwaiter::await_suspend(std::coroutine_handle<> h) noexcept {
  c.waiter_ = h;
  c.wait_ = Wait::Sleep;
  c.wakeAt_ = c.now_ + d;
}

void Controller::resume(TimePoint at) {
  now_ = std::max(now_, at);
  auto h = std::exchange(waiter_, {});
  wait_ = Wait::None;
  h.resume();
}

void Controller::advance(TimePoint now) {
  if (!scriptStart_) scriptStart_ = now;
  while (scriptNext_ < script_.size() && *scriptStart_ + script_[scriptNext_].at <= now) {
    const TimePoint at = *scriptStart_ + script_[scriptNext_].at;
    machine.update(std::max(at, now_));
    ApplyScriptEvent(script_[scriptNext_++], machine, std::max(at, now_));
  }
  for (;;) {
    const bool timerDue = wait_ == Wait::Sleep || (wait_ == Wait::Byte && inbox_.empty());
    if (!timerDue || wakeAt_ > now) break;
    resume(wakeAt_);
  }
  now_ = std::max(now_, now);
}

void Controller::input(std::uint8_t byte, TimePoint now) {
  if (disconnected_) return;
  // A byte read late (this process was not running) may have waited on the line since before a wait for it
  // ran out: it goes in first, so that only the controller's own pauses end before it is taken.
  inbox_.push_back(byte);
  advance(now);
  if (!disconnected_ && wait_ == Wait::Byte) resume(now);
}

std::size_t Controller::output(std::uint8_t* out, std::size_t max, TimePoint now) {
  advance(now);
  std::size_t n = 0;
  while (n < max && !outbox_.empty() && outbox_.front().first <= now) {
    out[n++] = outbox_.front().second;
    outbox_.pop_front();
  }
  return n;
}

std::optional<TimePoint> Controller::nextEvent() const {
  std::optional<TimePoint> next;
  if (!outbox_.empty()) next = outbox_.front().first;
  const bool timerPending = wait_ == Wait::Sleep || (wait_ == Wait::Byte && inbox_.empty());
  if (timerPending && (!next || wakeAt_ < *next)) next = wakeAt_;
  if (scriptStart_ && scriptNext_ < script_.size()) {
    const TimePoint event = *scriptStart_ + script_[scriptNext_].at;
    if (!next || event < *next) next = event;
  }
  return next;
}

Task<> Controller::run() {
  for (;;) {
    auto b = co_await readByte(kForever);
    if (!b) continue;
    switch (*b) {
      case ENQ:
        send(DC1);
        break;
      case SOH:
        co_await handshake();
        break;
      case CAN:
        machine.stop(now_);
        break;
      case DLE:
        machine.resetProgram(now_);
        break;
      default:
        break;  // stray byte: a real controller ignores it too
    }
  }
}

Task<> Controller::handshake() {
  ++commands_;
  currentCommand_ = -1;
  send(kHandshakeAnswer);
  auto code = co_await readByte();
  if (!code) co_return;
  currentCommand_ = *code;
  commandLog.push_back(*code);
  send(faultActive() && faults.wrongEcho ? static_cast<std::uint8_t>(*code ^ 0x40) : *code);
  if (faultActive() && faults.wrongEcho) co_return;
  auto it = handlers_.find(*code);
  if (it != handlers_.end()) co_await it->second(*this);
}

Task<std::optional<std::vector<std::uint8_t>>> Controller::readBytes(std::size_t count) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve(count);
  while (bytes.size() < count) {
    auto b = co_await readByte();
    if (!b) co_return std::nullopt;
    bytes.push_back(*b);
  }
  co_return bytes;
}

Task<std::optional<std::vector<std::int32_t>>> Controller::readOperands(int count) {
  auto bytes = co_await readBytes(static_cast<std::size_t>(4 * count));
  if (!bytes) co_return std::nullopt;
  auto end = co_await readByte();
  if (!end || *end != STX) co_return std::nullopt;  // DLE: the host abandoned the request
  accept();
  std::vector<std::int32_t> operands;
  for (int i = 0; i < count; ++i) operands.push_back(le32(std::span(*bytes).subspan(4 * i, 4)));
  co_return operands;
}

Task<std::optional<std::vector<std::uint8_t>>> Controller::readRawRequest(std::size_t count) {
  auto bytes = co_await readBytes(count);
  if (!bytes) co_return std::nullopt;
  auto end = co_await readByte();
  if (!end || *end != STX) co_return std::nullopt;
  accept();
  co_return bytes;
}

Task<std::optional<std::vector<std::uint8_t>>> Controller::receiveBlock(std::size_t count) {
  auto bytes = co_await readBytes(count);
  if (!bytes) co_return std::nullopt;
  auto checksum = co_await readByte();
  if (!checksum) co_return std::nullopt;
  auto end = co_await readByte();
  if (!end || *end != ETX) co_return std::nullopt;
  if (static_cast<std::uint8_t>(checksumOf(*bytes) - *checksum) != 0 || (faultActive() && faults.refuseBlocks)) {
    send(DLE);
    co_return std::nullopt;
  }
  send(EOT);
  co_return bytes;
}

Task<bool> Controller::sendBlock(std::span<const std::uint8_t> data) {
  const bool f = faultActive();
  std::size_t size = data.size();
  if (f && faults.shortBlock > 0) size -= std::min<std::size_t>(size, static_cast<std::size_t>(faults.shortBlock));
  send(data.first(size));
  std::uint8_t checksum = checksumOf(data);
  if (f && faults.badChecksum) checksum = static_cast<std::uint8_t>(checksum + 1);
  send(checksum);
  send(f && faults.badTerminator ? std::uint8_t{0x00} : ETX);
  for (int i = 0; f && i < faults.extraBytes; ++i) send(static_cast<std::uint8_t>(0xA5 + i));
  auto answer = co_await readByte();
  co_return answer&&* answer == EOT;
}

Task<bool> Controller::sendAnnouncedBlock(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> head;
  const bool f = faultActive();
  putLe32(head, f && faults.announce >= 0 ? faults.announce : static_cast<std::int64_t>(data.size()));
  head.push_back(STX);
  send(head);
  auto answer = co_await readByte();
  if (!answer || *answer != SYN) co_return false;
  co_return co_await sendBlock(data);
}

std::uint8_t Controller::checksumOf(std::span<const std::uint8_t> data) {
  unsigned sum = 0;
  for (std::uint8_t b : data) sum += b;
  return static_cast<std::uint8_t>((0u - sum) & 0xFFu);
}

void Controller::putLe32(std::vector<std::uint8_t>& out, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xFFu));
}

std::int32_t Controller::le32(std::span<const std::uint8_t> b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
                                   static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24);
}

}  // namespace zova::sim
