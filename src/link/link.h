// Frame protocol of the controller link: handshake, operands, checksummed blocks, link check.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "link/control_bytes.h"
#include "base/outcome.h"
#include "link/port.h"
#include "link/rx_buffer.h"
#include "base/translation.h"
#include "base/ui.h"

namespace zova {

// Bounds of the waits. The controller's own design fixes the first two; the others are ours:
// a healthy controller answers within milliseconds, so a few seconds of silence is a dead line.
struct LinkTimeouts {
  Duration handshake = seconds(100);  // each of the two waits of StartCommand
  Duration linkCheck = seconds(5);    // DC1 after ENQ
  Duration reply = seconds(5);        // every other wait, per byte
};

// How long a controller that answers may still take once the operator asked to stop: a wait that has had no
// byte for this long after the stop ends (Link::WaitCancelled).
inline constexpr auto kStopGrace = milliseconds(500);
// How long a handshake or the link check waits before the operator is told what for (Ui::note).
inline constexpr auto kWaitNotice = seconds(3);

// Largest block the controller may announce.
inline constexpr int kMaxBlockLength = 5001;

// A block as the controller sent it: its bytes once `outcome` is Ok, nothing otherwise.
struct ReceivedBlock {
  Outcome outcome;
  std::vector<std::uint8_t> bytes;
};

// Looked up with Tr where it is shown.
inline constexpr std::string_view kMsgNotConnected = TrMark("통신이 연결되지 않았습니다.");

class Link {
 public:
  Link(Port& port, Ui& ui, Clock& clock);

  Port& port() { return port_; }
  Ui& ui() { return *ui_; }
  // Sends messages and progress through `ui` from now on (an operation that runs several transfers folds
  // their bars into one); returns the Ui used until now.
  Ui& replaceUi(Ui& ui) { return *std::exchange(ui_, &ui); }
  Clock& clock() { return clock_; }

  // --- byte primitives ---
  void SendByte(std::uint8_t byte);
  std::uint8_t ReadByte();
  // True when a received byte is waiting (pulls what the port holds first).
  bool DataAvailable();
  // Waits up to `max` for one byte; false on silence, receive overflow or the operator's stop (see WaitCancelled).
  bool WaitByte(std::uint8_t& out, Duration max) { return waitByte(out, max, false).ok(); }
  bool WaitByte(std::uint8_t& out) { return WaitByte(out, timeouts.reply); }
  // WaitByte with the reply bound, saying why it failed.
  Outcome NextByte(std::uint8_t& out) { return waitByte(out, timeouts.reply, false); }

  // --- frame primitives ---
  // Each says why it failed: silence (TimedOut; LineDead for a handshake), another byte than expected
  // (WrongEcho, BadTerminator), lost bytes (Overflow), or the operator's stop (Cancelled).
  Outcome StartCommand(std::uint8_t code);
  Outcome EndRequest();
  Outcome SendOperand(std::int32_t value);
  Outcome SendTwoOperands(std::int32_t first, std::int32_t second);
  Outcome SendShortOperand(bool cancel, std::int32_t value);
  Outcome SendZeroOperand(bool cancel);
  // The checksum after a received block whose bytes add up to `sum`, closed by ETX: answered EOT when it
  // matches, DLE (BadChecksum) when it does not.
  Outcome ReceiveChecksum(std::uint32_t sum);
  // The same closed by SYN: answered DLE (BadChecksum) when it does not match, nothing when it does (more follows).
  Outcome ReceiveChecksumSyn(std::uint32_t sum);
  // The announced length of the block that follows, answered SYN; one above kMaxBlockLength is refused
  // unanswered (Overflow).
  Outcome ReceiveLength(int& length);
  Outcome SendChecksum(std::uint8_t checksum);
  Outcome SendChecksumSyn(std::uint8_t checksum);
  Outcome WaitEot();
  Outcome CheckLink();

  // --- block helpers built from the primitives ---
  // Reads `out.size()` bytes, adding them to `sum`; `onByte` (if any) sees the count after each byte.
  Outcome ReceiveBytes(std::span<std::uint8_t> out, std::uint32_t& sum, const std::function<void(int)>& onByte = {});
  // Reads a block of known length, then its checksum and ETX, and answers EOT (Ok) or DLE (BadChecksum).
  Outcome ReceiveBlock(std::span<std::uint8_t> out);
  // ReceiveLength, then the announced block, checksum, EOT or DLE.
  ReceivedBlock ReceiveAnnouncedBlock();
  // Sends data bytes one by one, adding them to `sum`.
  void SendBytes(std::span<const std::uint8_t> data, std::uint32_t& sum);
  static std::uint8_t ChecksumFor(std::uint32_t sum) { return static_cast<std::uint8_t>((0u - sum) & 0xFFu); }
  static void SendOperandBytes(std::uint8_t out[4], std::int32_t value);

  // Empties the receive buffer (done when the port opens).
  void ResetReceive();

  // --- state shared by the primitives ---
  bool LinkBusy = false;
  bool HandshakeTimedOut = false;  // the last StartCommand got no answer: the line is dead, not confused
  // The current exchange (since the last StartCommand or CheckLink) gave up a wait because the operator asked
  // to stop (Ui::cancelRequested): no fault of the line, so nothing is shown for it. A stop asked for during a
  // handshake or the link check ends the wait at once; any other wait ends once the controller has been
  // silent for kStopGrace after the stop and after our bytes have left, so an answering controller still
  // finishes the exchange (a jog's stop still reads the sensors).
  bool WaitCancelled = false;
  // Some exchange on this link was given up so: the operation ended at the operator's request.
  bool StoppedByOperator = false;
  RxBuffer rx;
  bool RxArrived = false;
  std::uint8_t RxLast = 0;
  LinkTimeouts timeouts;

 private:
  void pump();
  void yieldNow();
  // Waits up to `step` for a byte; returns the time this program was not running beyond it, which the
  // caller adds to its bound (`stalled` sums it over one wait, within an allowance).
  Duration waitReadable(Duration step, Duration& stalled);
  // `handshake`: a wait of StartCommand, which a stop asked for during it ends at once, and which tells the
  // operator what it waits for once it has lasted a few seconds (as the link check does).
  Outcome waitByte(std::uint8_t& out, Duration max, bool handshake);
  // Marks the current exchange as given up at the operator's request.
  Outcome cancelWait();
  // Tells the operator, once per link, what a wait of `max` that has lasted `waited` is waiting for.
  void noteLongWait(Duration waited, Duration max);
  void sendOperandBytes(std::int32_t value);
  // `terminator`: a wrong byte closes a block (BadTerminator) rather than answers a request (WrongEcho).
  Outcome waitAnswer(std::uint8_t expected, bool terminator = false);
  // Reads the checksum and `terminator`; BadChecksum (nothing answered) when it does not match `sum`.
  Outcome receiveChecksumThen(std::uint8_t terminator, std::uint32_t sum);
  Outcome sendChecksumThen(std::uint8_t checksum, std::uint8_t answer);

  Port& port_;
  Ui* ui_;
  Clock& clock_;
  TimePoint lastYield_{};
  // Bytes sent since the controller last spoke: the line may still be carrying them.
  std::size_t unanswered_ = 0;
  bool waitNoted_ = false;  // the operator was told once what a long handshake waits for
};

// Holds LinkBusy for one exchange, cleared on every path out; an operation takes the line through HoldLine.
class BusyGuard {
 public:
  explicit BusyGuard(Link& link) : link_(link), acquired_(!link.LinkBusy) {
    if (acquired_) link_.LinkBusy = true;
  }
  ~BusyGuard() {
    if (acquired_) link_.LinkBusy = false;
  }
  BusyGuard(const BusyGuard&) = delete;
  BusyGuard& operator=(const BusyGuard&) = delete;
  // False when another exchange holds the link: the caller returns at once, silently.
  [[nodiscard]] bool acquired() const { return acquired_; }

 private:
  Link& link_;
  bool acquired_;
};

}  // namespace zova
