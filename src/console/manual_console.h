// Manual operation from the main window: servo, alarm reset, zero return, jog, storing a location,
// executing one typed command, run/stop/reset and switching outputs. Each handler holds the line for its
// whole run (HoldLine: port closed, error box 1; line held elsewhere, nothing) and says how it ended.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "console/status_monitor.h"
#include "base/clock.h"

namespace zova::language {
class Compiler;
}

namespace zova::console {

// Our bounds on the waits for the controller to finish a motion; it answers every read meanwhile,
// so only a bound of our own ends a wait on a machine that never reports done.
struct ConsoleLimits {
  Duration zeroReturn = seconds(180);  // a slow homing over a long axis takes a minute or two
  Duration comeToRest = seconds(30);   // a stopped axis decelerates in well under a second
};

// What a stopped axis needs before its sensors are worth reading.
inline constexpr auto kStopSettle = milliseconds(600);

std::string ZeroReturnTimeoutMessage(Duration bound);  // "원점복귀가 180초 안에 끝나지 않았습니다."
std::string RestTimeoutMessage(Duration bound);        // "축이 30초 안에 정지하지 않았습니다."

inline constexpr int kJogPositive = 0;  // cmdJog(0) "<-  Pos"
inline constexpr int kJogNegative = 1;  // cmdJog(1) "Neg  ->"
inline constexpr int kRunStart = 0;     // cmdRun(0) "RUN"
inline constexpr int kRunStop = 1;      // cmdRun(1)
inline constexpr int kRunReset = 2;     // cmdRun(2) "RUN-RESET"

class ManualConsole {
 public:
  explicit ManualConsole(StatusMonitor& status);

  // What the operator can do by hand; what talks to the controller holds the line.
  // Servo on and alarm reset give the drives a moment; each ends with the outputs refreshed.
  Outcome ServoOn();
  Outcome ServoOff();
  Outcome AlarmReset();
  // Command 22, then wait (bounded) until output 7 "ZR" reports the zero return done.
  Outcome ZeroReturn();
  // Command 39 with speed, axis index and direction bytes. A stop asked for while the start is still being
  // sent is kept and sent as soon as the start has been answered: a lost stop would leave the axis moving.
  Outcome StartJog(bool positive, std::string_view speedText, std::string_view axisText);
  // CAN, 600 ms, wait (bounded) for the jogged axis to rest, read positions.
  Outcome StopJog();
  // The jog axis: the next wraps to 1 after Axes, the previous stops at 1. No link traffic.
  void NextAxis();
  void PreviousAxis();
  // Runs program `programText`; stops it (CAN) or resets (DLE), each waiting for the axes to rest.
  Outcome RunProgram(std::string_view programText);
  Outcome StopProgram();
  Outcome ResetProgram();

  // The console's buttons by index, as the window numbers them.
  // cmdSvon(index): 0 servo on (23), 1 servo off (24), 2 alarm reset (32).
  Outcome SvonClick(int index);
  Outcome ZrClick() { return ZeroReturn(); }
  // cmdJog(index) pressed and released.
  Outcome JogPress(int index, std::string_view speedText, std::string_view axisText);
  Outcome JogRelease(int /*index*/) { return StopJog(); }
  // cmdAxisSel(index): 0 "NEXT", 1 "PREV".
  void AxisSelClick(int index) { index == 0 ? NextAxis() : PreviousAxis(); }
  // cmdRun(index): 0 run, 1 stop, 2 reset.
  Outcome RunClick(int index, std::string_view programText);
  // cmdLocSet: command 4 storing CommandPos as location `pointText` (0 to 2500).
  Outcome LocSetClick(std::string_view pointText);
  // cmdMov: single-line compile of `line`, then command 37 with speed, acceleration and word 1.
  Outcome MovClick(language::Compiler& compiler, std::string_view line, std::string_view speedText,
                   std::string_view accelText);
  // txtRunPrgNo changed: shows the message for a wrong entry and returns the text the box keeps.
  std::string RunPrgNoChanged(std::string_view text);
  // chkIoOutput(index) clicked: system outputs 0..7 get their mark back; 8..63 are switched over.
  Outcome OutputClick(int index);
  // Switches user output `point` (8..63) on or off; the click handler and the command line share it.
  Outcome SwitchOutput(int point, bool on);
  // Both positions read and shown, holding the line.
  Outcome PositionsClick();

  // 1: command 29 into CommandPos; 0: command 30 into ActualPos. Callers hold the line.
  Outcome ReadPositions(int which);
  void ShowPositions();

  int AxisSel = 1;
  int JogActive = 0;
  int RunActive = 0;
  std::array<double, 7> CommandPos{};
  std::array<double, 7> ActualPos{};
  ConsoleLimits limits;

 private:
  Outcome sendServo(std::uint8_t code, Available action);
  Outcome startJog(bool positive, std::string_view speedText, std::string_view axisText);
  Outcome endProgram(bool reset);
  // Reads sensor words until every axis in `mask` reports rest; `pause` between reads.
  Outcome waitForRest(unsigned mask, Duration pause);
  [[nodiscard]] unsigned allAxes() const { return (1u << status_.Axes) - 1u; }
  Outcome readAndShowPositions();

  StatusMonitor& status_;
  Link& link_;
  int jogAxis_ = 0;  // 0-based axis of the jog in progress
  bool jogPositive_ = true;
  bool jogStarting_ = false;  // the start is still being sent (an event loop runs meanwhile)
  bool stopPending_ = false;  // the stop asked for meanwhile
};

}  // namespace zova::console
