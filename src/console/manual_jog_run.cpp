// Manual operation: jogging one axis, and starting, stopping and resetting a program.
#include <string>

#include "console/console_input.h"
#include "console/manual_console.h"
#include "link/requests.h"

namespace zova {

namespace {
constexpr auto kRestPollPause = milliseconds(100);
}  // namespace

ActionResult ManualConsole::JogPress(int index, std::string_view speedText, std::string_view axisText) {
  if (index != kJogPositive && index != kJogNegative) return ActionResult::Refused;
  return RunGuarded(link_, [&] {
    if (JogActive == 1) return ActionResult::Busy;
    const Control button = index == kJogPositive ? Control::JogPositive : Control::JogNegative;
    DisabledDuring disabled(status_.Controls, button);
    // The speed and the axis each travel as one byte: check them before anything is sent.
    const auto speed = ValueInRange(speedText, 0, kMaxJogSpeed);
    if (!speed) {
      link_.ui().messageBox(Tr(kMsgJogSpeedRange));
      return ActionResult::Refused;
    }
    const auto axis = ValueInRange(axisText, 1, status_.Axes);
    if (!axis) {
      link_.ui().messageBox(AxisRangeMessage(status_.Axes));
      return ActionResult::Refused;
    }
    if (RequestJogStart(link_, static_cast<std::uint8_t>(*speed), static_cast<std::uint8_t>(*axis - 1),
                        index == kJogPositive) != Outcome::Ok) {
      return ActionResult::LinkFailed;
    }
    JogActive = 1;
    jogAxis_ = *axis - 1;
    return ActionResult::Done;
  });
}

ActionResult ManualConsole::JogRelease(int index) {
  const Control button = index == kJogPositive ? Control::JogPositive : Control::JogNegative;
  DisabledDuring disabled(status_.Controls, button);
  if (JogActive != 1) return ActionResult::Done;  // the press failed or was refused: nothing moves
  JogActive = 0;
  if (!link_.port().isOpen()) return ActionResult::PortClosed;  // nothing can reach the controller now
  BusyGuard busy(link_);
  // The stop goes out even when another exchange holds the link: a jogging axis must not run on.
  RequestStop(link_);
  if (!busy.acquired()) return ActionResult::Busy;
  link_.clock().sleepFor(kStopSettle);
  const ActionResult rest = waitForRest(1u << jogAxis_, Duration::zero());
  if (rest != ActionResult::Done) return rest;
  return readAndShowPositions() ? ActionResult::Done : ActionResult::LinkFailed;
}

ActionResult ManualConsole::RunClick(int index, std::string_view programText) {
  if (index < kRunStart || index > kRunReset) return ActionResult::Refused;
  return RunGuarded(link_, [&] {
    ControlStates& controls = status_.Controls;
    if (index == kRunStart) {
      const auto program = ValueInRange(programText, 0, kMaxProgram);
      if (!program) {
        link_.ui().messageBox(Tr(IsNumeric(programText) ? kMsgProgramRange : kMsgNotNumeric));
        return ActionResult::Refused;
      }
      for (Control c : {Control::Run, Control::SvonOn, Control::SvonOff}) controls.set(c, false);
      if (RequestRunProgram(link_, *program) != Outcome::Ok) {
        // The program did not start: nothing is running that a stop would have to end.
        for (Control c : {Control::Run, Control::SvonOn, Control::SvonOff}) controls.set(c, true);
        return ActionResult::LinkFailed;
      }
      // RUN, AMP ON and AMP OFF stay disabled until a stop or reset.
      RunActive = 1;
      status_.SetTimerEnabled(true);
      return ActionResult::Done;
    }

    const Control button = index == kRunStop ? Control::Stop : Control::RunReset;
    controls.set(button, false);
    RunActive = 0;
    controls.set(Control::Run, true);
    if (index == kRunStop) {
      RequestStop(link_);
    } else {
      RequestReset(link_);
    }
    status_.SetTimerEnabled(false);
    link_.clock().sleepFor(kStopSettle);
    const ActionResult rest = waitForRest(allAxes(), kRestPollPause);
    if (rest == ActionResult::Done) {
      (void)status_.ReadIoStatus(kReadOutputs, true);
      (void)status_.ReadIoStatus(kReadInputs, true);
      status_.ShowSensorStatus();
    }
    for (Control c : {Control::SvonOn, Control::SvonOff, button}) controls.set(c, true);
    if (rest != ActionResult::Done) return rest;
    return readAndShowPositions() ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

std::string ManualConsole::RunPrgNoChanged(std::string_view text) {
  if (text.empty()) return std::string(text);
  if (!IsNumeric(text)) {
    link_.ui().messageBox(Tr(kMsgNotNumeric));
    return "0";
  }
  if (!ValueInRange(text, 0, kMaxProgram)) {
    link_.ui().messageBox(Tr(kMsgProgramRange));
    return "0";
  }
  return std::string(text);
}

}  // namespace zova
