// What the main window draws from the console's state: check marks, sensor colours, positions, enabled controls.
// The window implements this interface; tests implement it with a recorder.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace zova {

// The controls whose enabled state the console operations change, and the poll timer's enabled flag.
enum class Control {
  SvonOn,         // cmdSvon(0) "AMP ON"
  SvonOff,        // cmdSvon(1) "AMP OFF"
  AlarmReset,     // cmdSvon(2) "ALARM RESET"
  ZeroReturn,     // cmdZR
  JogPositive,    // cmdJog(0)
  JogNegative,    // cmdJog(1)
  Run,            // cmdRun(0)
  Stop,           // cmdRun(1)
  RunReset,       // cmdRun(2)
  IoCheckStart,   // cmdIoStatus(0)
  IoOutFrame,     // fraIoOut
  RunZrFrame,     // fraRunZr
  JogFrame,       // fraJog
  UpStatusTimer,  // tmrUpStatus
};
inline constexpr std::size_t kControlCount = 14;

// The control's object name in the main window ("cmdSvon_0", "fraJog", "tmrUpStatus").
std::string_view ControlName(Control control);

enum class SensorColour { Window, Red, Green };

class ConsoleDisplay {
 public:
  virtual ~ConsoleDisplay() = default;

  // chkIoInput(point) / chkIoOutput(point). In the window, setting an output box raises its click event.
  virtual void setInputChecked(int /*point*/, bool /*checked*/) {}
  virtual void setOutputChecked(int /*point*/, bool /*checked*/) {}
  // txtSensor(box) background: box 3a "POS", 3a+1 "HOME", 3a+2 "NEG" of axis a (0-based).
  virtual void setSensorColour(int /*box*/, SensorColour /*colour*/) {}
  // txtComPos(axis) and txtActPos(axis), already formatted "#0.00".
  virtual void setPositionTexts(int /*axis*/, const std::string& /*command*/, const std::string& /*actual*/) {}
  virtual void setAxisSelText(const std::string& /*text*/) {}
  virtual void setEnabled(Control /*control*/, bool /*enabled*/) {}
};

// The enabled flags of the console's controls, mirrored to the display on every change.
class ControlStates {
 public:
  explicit ControlStates(ConsoleDisplay& display);

  [[nodiscard]] bool enabled(Control control) const { return enabled_[static_cast<std::size_t>(control)]; }
  void set(Control control, bool enabled);

 private:
  ConsoleDisplay& display_;
  std::array<bool, kControlCount> enabled_{};
};

// Disables a button for the length of a handler and enables it again on every path out.
class DisabledDuring {
 public:
  DisabledDuring(ControlStates& states, Control control) : states_(states), control_(control) {
    states_.set(control_, false);
  }
  ~DisabledDuring() { states_.set(control_, true); }
  DisabledDuring(const DisabledDuring&) = delete;
  DisabledDuring& operator=(const DisabledDuring&) = delete;

 private:
  ControlStates& states_;
  Control control_;
};

}  // namespace zova
