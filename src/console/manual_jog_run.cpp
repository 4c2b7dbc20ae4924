// Manual operation: jogging one axis, and starting, stopping and resetting a program.
#include <string>
#include <utility>

#include "console/console_input.h"
#include "console/manual_console.h"
#include "link/line_owner.h"
#include "link/requests.h"

namespace zova::console {

namespace {
constexpr auto kRestPollPause = milliseconds(100);
}  // namespace

Outcome ManualConsole::JogPress(int index, std::string_view speedText, std::string_view axisText) {
  if (index != kJogPositive && index != kJogNegative) return Outcome::Refused;
  return StartJog(index == kJogPositive, speedText, axisText);
}

Outcome ManualConsole::StartJog(bool positive, std::string_view speedText, std::string_view axisText) {
  jogStarting_ = true;
  Outcome started = startJog(positive, speedText, axisText);
  jogStarting_ = false;
  // A quick click lets go while the start still waits for the controller: stop the axis now.
  if (!std::exchange(stopPending_, false)) return started;
  Outcome stopped = StopJog();
  return started ? stopped : started;
}

Outcome ManualConsole::startJog(bool positive, std::string_view speedText, std::string_view axisText) {
  return HoldLine(link_, [&]() -> Outcome {
    if (JogActive == 1) return {Outcome::Busy, "a jog is running"};
    jogPositive_ = positive;
    UnavailableDuring unavailable(status_.Offers, positive ? Available::JogPositive : Available::JogNegative);
    // The speed and the axis each travel as one byte: check them before anything is sent.
    const auto speed = ValueInRange(speedText, 0, kMaxJogSpeed);
    if (!speed) {
      link_.ui().messageBox(Tr(kMsgJogSpeedRange));
      return Outcome::Refused;
    }
    const auto axis = ValueInRange(axisText, 1, status_.Axes);
    if (!axis) {
      link_.ui().messageBox(AxisRangeMessage(status_.Axes));
      return Outcome::Refused;
    }
    if (Outcome started =
            RequestJogStart(link_, static_cast<std::uint8_t>(*speed), static_cast<std::uint8_t>(*axis - 1), positive);
        !started) {
      return started;
    }
    JogActive = 1;
    jogAxis_ = *axis - 1;
    return {};
  });
}

Outcome ManualConsole::StopJog() {
  if (jogStarting_) {
    stopPending_ = true;  // the start holds the line; it sends the stop when it ends
    return {Outcome::Busy, "the jog is still starting"};
  }
  UnavailableDuring unavailable(status_.Offers, jogPositive_ ? Available::JogPositive : Available::JogNegative);
  if (JogActive != 1) return {};  // the press failed or was refused: nothing moves
  JogActive = 0;
  if (!link_.port().isOpen()) return Outcome::PortClosed;  // nothing can reach the controller now
  BusyGuard busy(link_);
  // The stop goes out even when another exchange holds the line: a jogging axis must not run on.
  RequestStop(link_);
  if (!busy.acquired()) return Outcome::Busy;
  link_.clock().sleepFor(kStopSettle);
  if (Outcome rest = waitForRest(1u << jogAxis_, Duration::zero()); !rest) return rest;
  return readAndShowPositions();
}

Outcome ManualConsole::RunClick(int index, std::string_view programText) {
  return index == kRunStart   ? RunProgram(programText)
         : index == kRunStop  ? StopProgram()
         : index == kRunReset ? ResetProgram()
                              : Outcome::Refused;
}

Outcome ManualConsole::RunProgram(std::string_view programText) {
  return HoldLine(link_, [&]() -> Outcome {
    Availability& offers = status_.Offers;
    const auto program = ValueInRange(programText, 0, kMaxProgram);
    if (!program) {
      link_.ui().messageBox(Tr(IsNumeric(programText) ? kMsgProgramRange : kMsgNotNumeric));
      return Outcome::Refused;
    }
    constexpr Available kHeld[] = {Available::RunProgram, Available::ServoOn, Available::ServoOff};
    for (Available a : kHeld) offers.set(a, false);
    if (Outcome started = RequestRunProgram(link_, *program); !started) {
      // The program did not start: nothing is running that a stop would have to end.
      for (Available a : kHeld) offers.set(a, true);
      return started;
    }
    // Running, servo on and servo off stay withdrawn until a stop or reset.
    RunActive = 1;
    status_.SetPolling(true);
    return {};
  });
}

Outcome ManualConsole::StopProgram() { return endProgram(false); }
Outcome ManualConsole::ResetProgram() { return endProgram(true); }

Outcome ManualConsole::endProgram(bool reset) {
  return HoldLine(link_, [&] {
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
    Outcome rest = waitForRest(allAxes(), kRestPollPause);
    if (rest) {
      (void)status_.ReadIoStatus(kReadOutputs, true);
      (void)status_.ReadIoStatus(kReadInputs, true);
      status_.ShowSensorStatus();
    }
    for (Available a : {Available::ServoOn, Available::ServoOff, button}) offers.set(a, true);
    if (!rest) return rest;
    return readAndShowPositions();
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

}  // namespace zova::console
