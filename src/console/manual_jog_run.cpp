// Manual operation: jogging one axis, and starting, stopping and resetting a program.
#include <string>
#include <utility>

#include "console/console_input.h"
#include "console/manual_console.h"
#include "link/requests.h"

namespace zova {

namespace {
constexpr auto kRestPollPause = milliseconds(100);
}  // namespace

ActionResult ManualConsole::JogPress(int index, std::string_view speedText, std::string_view axisText) {
  if (index != kJogPositive && index != kJogNegative) return ActionResult::Refused;
  return StartJog(index == kJogPositive, speedText, axisText);
}

ActionResult ManualConsole::StartJog(bool positive, std::string_view speedText, std::string_view axisText) {
  jogStarting_ = true;
  const ActionResult started = startJog(positive, speedText, axisText);
  jogStarting_ = false;
  // A quick click lets go while the start still waits for the controller: stop the axis now.
  if (!std::exchange(stopPending_, false)) return started;
  const ActionResult stopped = StopJog();
  return started == ActionResult::Done ? stopped : started;
}

ActionResult ManualConsole::startJog(bool positive, std::string_view speedText, std::string_view axisText) {
  return RunGuarded(link_, [&] {
    if (JogActive == 1) return ActionResult::Busy;
    jogPositive_ = positive;
    UnavailableDuring unavailable(status_.Offers, positive ? Available::JogPositive : Available::JogNegative);
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
    if (RequestJogStart(link_, static_cast<std::uint8_t>(*speed), static_cast<std::uint8_t>(*axis - 1), positive) !=
        Outcome::Ok) {
      return ActionResult::LinkFailed;
    }
    JogActive = 1;
    jogAxis_ = *axis - 1;
    return ActionResult::Done;
  });
}

ActionResult ManualConsole::StopJog() {
  if (jogStarting_) {
    stopPending_ = true;  // the start holds the line; it sends the stop when it ends
    return ActionResult::Busy;
  }
  UnavailableDuring unavailable(status_.Offers, jogPositive_ ? Available::JogPositive : Available::JogNegative);
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
  return index == kRunStart   ? RunProgram(programText)
         : index == kRunStop  ? StopProgram()
         : index == kRunReset ? ResetProgram()
                              : ActionResult::Refused;
}

ActionResult ManualConsole::RunProgram(std::string_view programText) {
  return RunGuarded(link_, [&] {
    Availability& offers = status_.Offers;
    const auto program = ValueInRange(programText, 0, kMaxProgram);
    if (!program) {
      link_.ui().messageBox(Tr(IsNumeric(programText) ? kMsgProgramRange : kMsgNotNumeric));
      return ActionResult::Refused;
    }
    constexpr Available kHeld[] = {Available::RunProgram, Available::ServoOn, Available::ServoOff};
    for (Available a : kHeld) offers.set(a, false);
    if (RequestRunProgram(link_, *program) != Outcome::Ok) {
      // The program did not start: nothing is running that a stop would have to end.
      for (Available a : kHeld) offers.set(a, true);
      return ActionResult::LinkFailed;
    }
    // Running, servo on and servo off stay withdrawn until a stop or reset.
    RunActive = 1;
    status_.SetPolling(true);
    return ActionResult::Done;
  });
}

ActionResult ManualConsole::StopProgram() { return endProgram(false); }
ActionResult ManualConsole::ResetProgram() { return endProgram(true); }

ActionResult ManualConsole::endProgram(bool reset) {
  return RunGuarded(link_, [&] {
    Availability& offers = status_.Offers;
    const Available button = reset ? Available::ResetProgram : Available::StopProgram;
    offers.set(button, false);
    RunActive = 0;
    offers.set(Available::RunProgram, true);
    if (reset) {
      RequestReset(link_);
    } else {
      RequestStop(link_);
    }
    status_.SetPolling(false);
    link_.clock().sleepFor(kStopSettle);
    const ActionResult rest = waitForRest(allAxes(), kRestPollPause);
    if (rest == ActionResult::Done) {
      (void)status_.ReadIoStatus(kReadOutputs, true);
      (void)status_.ReadIoStatus(kReadInputs, true);
      status_.ShowSensorStatus();
    }
    for (Available a : {Available::ServoOn, Available::ServoOff, button}) offers.set(a, true);
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
