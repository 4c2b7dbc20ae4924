// What the main window draws from the console's state: check marks, sensor colours, positions, what the
// operator can do at the moment and whether the status is being polled.
// The window implements this interface and maps each state to its controls; tests implement it with a recorder.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace zova::console {

// What the console offers the operator at a moment; an action it does not offer cannot be started.
enum class Available {
  ServoOn,
  ServoOff,
  AlarmReset,
  ZeroReturn,
  JogPositive,
  JogNegative,
  RunProgram,
  StopProgram,
  ResetProgram,
  IoCheckStart,
  OutputSwitching,  // the user outputs
  MotionCommands,   // servo, alarm reset, error read, zero return, running a program, single moves
  Jogging,
};
inline constexpr std::size_t kAvailableCount = 13;

enum class SensorColour { Window, Red, Green };

class ConsoleDisplay {
 public:
  virtual ~ConsoleDisplay() = default;

  // Input and output `point` (0..63). In the window, setting an output box raises its click event.
  virtual void setInputChecked(int /*point*/, bool /*checked*/) {}
  virtual void setOutputChecked(int /*point*/, bool /*checked*/) {}
  // Sensor `box`: 3a "POS", 3a+1 "HOME", 3a+2 "NEG" of axis a (0-based).
  virtual void setSensorColour(int /*box*/, SensorColour /*colour*/) {}
  // The command and actual position of `axis`, already formatted "#0.00".
  virtual void setPositionTexts(int /*axis*/, const std::string& /*command*/, const std::string& /*actual*/) {}
  virtual void setAxisSelText(const std::string& /*text*/) {}
  virtual void setAvailable(Available /*what*/, bool /*available*/) {}
  // The status poll runs (one exchange a tick) or rests.
  virtual void setPolling(bool /*on*/) {}
};

// What the console offers, and whether it polls, mirrored to the display on every change.
class Availability {
 public:
  explicit Availability(ConsoleDisplay& display);

  [[nodiscard]] bool available(Available what) const { return available_[static_cast<std::size_t>(what)]; }
  void set(Available what, bool available);
  [[nodiscard]] bool polling() const { return polling_; }
  void setPolling(bool on);

 private:
  ConsoleDisplay& display_;
  std::array<bool, kAvailableCount> available_{};
  bool polling_ = false;  // the poll starts at rest; everything else starts usable
};

// Withdraws an action for the length of its handler and offers it again on every path out.
class UnavailableDuring {
 public:
  UnavailableDuring(Availability& states, Available what) : states_(states), what_(what) { states_.set(what_, false); }
  ~UnavailableDuring() { states_.set(what_, true); }
  UnavailableDuring(const UnavailableDuring&) = delete;
  UnavailableDuring& operator=(const UnavailableDuring&) = delete;

 private:
  Availability& states_;
  Available what_;
};

}  // namespace zova::console
