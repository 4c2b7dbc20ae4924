// Manual operation: servo and alarm, zero return, axis step, outputs and positions.
#include "console/manual_console.h"

#include <chrono>

#include "console/console_input.h"
#include "link/commands.h"
#include "link/requests.h"
#include "base/translation.h"

namespace zova {

namespace {

long wholeSeconds(Duration d) { return static_cast<long>(std::chrono::duration_cast<seconds>(d).count()); }

}  // namespace

std::string ZeroReturnTimeoutMessage(Duration bound) {
  return Tr("원점복귀가 {1}초 안에 끝나지 않았습니다.", {std::to_string(wholeSeconds(bound))});
}

std::string RestTimeoutMessage(Duration bound) {
  return Tr("축이 {1}초 안에 정지하지 않았습니다.", {std::to_string(wholeSeconds(bound))});
}

ManualConsole::ManualConsole(StatusMonitor& status) : status_(status), link_(status.link()) {}

ActionResult ManualConsole::ServoOn() { return sendServo(cmd::kServoOn, Available::ServoOn); }
ActionResult ManualConsole::ServoOff() { return sendServo(cmd::kServoOff, Available::ServoOff); }
ActionResult ManualConsole::AlarmReset() { return sendServo(cmd::kAlarmReset, Available::AlarmReset); }

ActionResult ManualConsole::SvonClick(int index) {
  return index == 0 ? ServoOn() : index == 1 ? ServoOff() : index == 2 ? AlarmReset() : ActionResult::Refused;
}

ActionResult ManualConsole::sendServo(std::uint8_t code, Available action) {
  return RunGuarded(link_, [&] {
    UnavailableDuring unavailable(status_.Offers, action);
    const bool ok = RequestWithZeroOperand(link_, code) == Outcome::Ok;
    // The amplifiers and the alarm logic need a moment before the outputs tell the truth.
    if (ok && code != cmd::kServoOff) link_.clock().sleepFor(milliseconds(100));
    if (!LineGaveUp(link_)) (void)status_.ReadIoStatus(kReadOutputs, true);
    return ok ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

ActionResult ManualConsole::ZeroReturn() {
  return RunGuarded(link_, [&] {
    UnavailableDuring unavailable(status_.Offers, Available::ZeroReturn);
    if (RequestWithZeroOperand(link_, cmd::kZeroReturn) != Outcome::Ok) {
      // The zero return never started: waiting for its end would only run into the bound.
      if (!LineGaveUp(link_)) (void)status_.ReadIoStatus(kReadOutputs, true);
      return ActionResult::LinkFailed;
    }
    const TimePoint deadline = link_.clock().now() + limits.zeroReturn;
    for (;;) {
      const bool read = status_.ReadIoStatus(kReadOutputs, false);
      if (read && status_.OutputImage.point(7)) break;  // "ZR": the zero return is complete
      if (link_.ui().cancelRequested()) {
        // The operator gives up on the homing: the axes must not run on without anyone watching, also where
        // the stop cut the read short.
        RequestStop(link_);
        if (!read) return ActionResult::LinkFailed;
        link_.clock().sleepFor(kStopSettle);
        const ActionResult rest = waitForRest(allAxes(), Duration::zero());
        return rest == ActionResult::Done ? ActionResult::Cancelled : rest;
      }
      if (!read) return ActionResult::LinkFailed;
      if (link_.clock().now() >= deadline) {
        link_.ui().messageBox(ZeroReturnTimeoutMessage(limits.zeroReturn));
        return ActionResult::TimedOut;
      }
      link_.clock().sleepFor(milliseconds(100));
    }
    return status_.ReadIoStatus(kReadOutputs, true) ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

void ManualConsole::NextAxis() {
  AxisSel = AxisSel + 1 > status_.Axes ? 1 : AxisSel + 1;
  status_.display().setAxisSelText(std::to_string(AxisSel));
}

void ManualConsole::PreviousAxis() {
  AxisSel = AxisSel - 1 < 1 ? 1 : AxisSel - 1;
  status_.display().setAxisSelText(std::to_string(AxisSel));
}

ActionResult ManualConsole::OutputClick(int index) {
  if (index < 0 || index > 63) return ActionResult::Refused;
  if (index >= 8) return SwitchOutput(index, status_.OutputState[index] != 1);
  return RunGuarded(link_, [&] {
    // System outputs belong to the controller: undo the operator's click and show the truth.
    status_.display().setOutputChecked(index, status_.OutputState[index] == 1);
    return status_.ReadIoStatus(kReadOutputs, true) ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

ActionResult ManualConsole::SwitchOutput(int point, bool on) {
  if (point < 8 || point > 63) return ActionResult::Refused;
  return RunGuarded(link_, [&] {
    if (RequestSetOutput(link_, point, on) != Outcome::Ok) return ActionResult::LinkFailed;
    return status_.ReadIoStatus(kReadOutputs, true) ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

bool ManualConsole::ReadPositions(int which) {
  const bool command = which == 1;
  std::array<std::int32_t, 6> values{};
  if (RequestPositions(link_, command, status_.Axes, values) != Outcome::Ok) return false;
  auto& target = command ? CommandPos : ActualPos;
  for (int a = 0; a < status_.Axes; ++a) target[a] = values[a];
  return true;
}

void ManualConsole::ShowPositions() {
  for (int a = 0; a < status_.Axes; ++a) {
    status_.display().setPositionTexts(a, FormatHundredths(CommandPos[a]), FormatHundredths(ActualPos[a]));
  }
}

bool ManualConsole::readAndShowPositions() {
  if (!ReadPositions(1) || !ReadPositions(0)) return false;
  ShowPositions();
  return true;
}

ActionResult ManualConsole::PositionsClick() {
  return RunGuarded(link_, [&] { return readAndShowPositions() ? ActionResult::Done : ActionResult::LinkFailed; });
}

ActionResult ManualConsole::waitForRest(unsigned mask, Duration pause) {
  const TimePoint deadline = link_.clock().now() + limits.comeToRest;
  for (;;) {
    if (!status_.ReadSensorStatus()) return ActionResult::LinkFailed;
    bool allAtRest = true;
    for (int a = 0; a < status_.Axes; ++a) {
      if ((mask >> a & 1u) != 0 && (status_.SensorWord[a] & kSensorAtRest) == 0) allAtRest = false;
    }
    if (allAtRest) return ActionResult::Done;
    if (link_.clock().now() >= deadline) {
      link_.ui().messageBox(RestTimeoutMessage(limits.comeToRest));
      return ActionResult::TimedOut;
    }
    if (pause > Duration::zero()) link_.clock().sleepFor(pause);
  }
}

}  // namespace zova
