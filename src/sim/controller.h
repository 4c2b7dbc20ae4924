// The controller side of the link as a byte-in, byte-out state machine on simulated time.
// Request handlers are coroutines that read like the controller's firmware.
#pragma once

#include <coroutine>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <vector>

#include "base/clock.h"
#include "sim/faults.h"
#include "sim/machine.h"
#include "sim/script.h"
#include "sim/position_store.h"
#include "sim/program_memory.h"
#include "sim/task.h"

namespace zova::sim {

class Controller;
using Handler = std::function<Task<>(Controller&)>;

class Controller {
 public:
  Controller();
  ~Controller();
  Controller(const Controller&) = delete;
  Controller& operator=(const Controller&) = delete;

  // --- the line side ---
  // A byte from the host arrives at `now`.
  void input(std::uint8_t byte, TimePoint now);
  // Lets timers due by `now` run.
  void advance(TimePoint now);
  // Moves the bytes due by `now` into `out`; returns the count.
  std::size_t output(std::uint8_t* out, std::size_t max, TimePoint now);
  // When something next happens on its own (a byte falls due or a timer fires), if ever.
  [[nodiscard]] std::optional<TimePoint> nextEvent() const;
  // True once the disconnect fault has dropped the line.
  [[nodiscard]] bool disconnected() const { return disconnected_; }
  // The line comes back after a disconnect (the cable is plugged in again).
  void reconnect() { disconnected_ = false; }
  [[nodiscard]] long bytesSent() const { return bytesSent_; }
  // Events applied to the machine at their times, counted from the controller's first turn (--script).
  void setScript(std::vector<ScriptEvent> events) { script_ = std::move(events); }

  // --- configuration ---
  Faults faults;
  Machine machine;
  PositionStore positions;  // LOC and SFT tables
  ProgramMemory programs;   // programs 0..32 (commands 1, 2)
  // Line speed for pacing replies; 0 sends at once.
  void setBaud(int baud);
  // Time one byte takes on the line at that speed (zero when unpaced).
  [[nodiscard]] Duration byteTime() const { return byteTime_; }
  // How long the controller waits for the host's next byte before it abandons a request.
  Duration hostTimeout = seconds(2);
  void registerCommand(std::uint8_t code, Handler handler) { handlers_[code] = std::move(handler); }
  // Codes of every handshake seen, in order (for tests).
  std::vector<std::uint8_t> commandLog;
  // Called whenever the host has changed the memory: a program, a table row, a parameter block.
  std::function<void()> memoryChanged;
  void noteMemoryChanged() {
    if (memoryChanged) memoryChanged();
  }

  // --- for request handlers ---
  [[nodiscard]] TimePoint now() const { return now_; }
  [[nodiscard]] bool faultActive() const;
  void send(std::uint8_t byte);
  void send(std::span<const std::uint8_t> bytes);
  // SYN, or DLE under the fault.
  void accept();

  struct ByteAwaiter {
    Controller& c;
    Duration timeout;
    bool await_ready() const noexcept { return !c.inbox_.empty(); }
    void await_suspend(std::coroutine_handle<> h) noexcept;
    std::optional<std::uint8_t> await_resume() noexcept;
  };
  struct SleepAwaiter {
    Controller& c;
    Duration d;
    bool await_ready() const noexcept { return d <= Duration::zero(); }
    void await_suspend(std::coroutine_handle<> h) noexcept;
    void await_resume() noexcept {}
  };
  // The host's next byte, or nothing after `timeout` of silence (counted from the last byte sent).
  ByteAwaiter readByte(Duration timeout) { return {*this, timeout}; }
  ByteAwaiter readByte() { return {*this, hostTimeout}; }
  SleepAwaiter sleep(Duration d) { return {*this, d}; }

  // `count` bytes from the host, or nothing when it falls silent.
  Task<std::optional<std::vector<std::uint8_t>>> readBytes(std::size_t count);
  // `count` 4-byte operands closed by STX (answered SYN); nothing when the host cancels with DLE or falls silent.
  Task<std::optional<std::vector<std::int32_t>>> readOperands(int count);
  // Raw bytes, then STX answered SYN (the jog and output requests).
  Task<std::optional<std::vector<std::uint8_t>>> readRawRequest(std::size_t count);
  // A host block of `count` bytes, its checksum and ETX; answered EOT (or DLE when the sum is wrong).
  Task<std::optional<std::vector<std::uint8_t>>> receiveBlock(std::size_t count);
  // Sends a reply block with its checksum and ETX, then waits for the host's EOT or DLE.
  Task<bool> sendBlock(std::span<const std::uint8_t> data);
  // Announces the length, waits for SYN, then sends the block as above.
  Task<bool> sendAnnouncedBlock(std::span<const std::uint8_t> data);

  static std::uint8_t checksumOf(std::span<const std::uint8_t> data);
  static void putLe32(std::vector<std::uint8_t>& out, std::int64_t value);
  static std::int32_t le32(std::span<const std::uint8_t> bytes);

 private:
  enum class Wait { None, Byte, Sleep };
  Task<> run();
  Task<> handshake();
  void resume(TimePoint at);

  std::map<std::uint8_t, Handler> handlers_;
  std::deque<std::uint8_t> inbox_;
  std::deque<std::pair<TimePoint, std::uint8_t>> outbox_;
  std::coroutine_handle<> waiter_;
  Wait wait_ = Wait::None;
  TimePoint wakeAt_{};
  TimePoint now_{};
  TimePoint lastOut_{};
  Duration byteTime_{};
  long bytesSent_ = 0;
  bool disconnected_ = false;
  int commands_ = 0;
  int currentCommand_ = -1;
  std::optional<Task<>> main_;
  std::vector<ScriptEvent> script_;
  std::size_t scriptNext_ = 0;
  std::optional<TimePoint> scriptStart_;
};

// Registers the requests the simulated controller serves.
void RegisterConsoleCommands(Controller& c);    // servo, status reads, outputs, jog, run
void RegisterMotionCommands(Controller& c);     // move (37)
void RegisterProgramCommands(Controller& c);    // programs (1, 2)
void RegisterTableCommands(Controller& c);      // locations and shifts (3 to 6)
void RegisterParameterCommands(Controller& c);  // system and axis parameters (7, 8, 11, 12)
void RegisterFirmwareCommands(Controller& c);   // flash download (52)
void RegisterAllCommands(Controller& c);

}  // namespace zova::sim
