// Manual operation: servo and alarm, zero return, axis step, outputs and positions.
#include "console/manual_console.h"

#include <chrono>

#include "console/console_input.h"
#include "link/commands.h"
#include "link/line_owner.h"
#include "link/requests.h"
#include "base/translation.h"

namespace zova::console {

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

Outcome ManualConsole::ServoOn() { return sendServo(cmd::kServoOn, Available::ServoOn); }
Outcome ManualConsole::ServoOff() { return sendServo(cmd::kServoOff, Available::ServoOff); }
Outcome ManualConsole::AlarmReset() { return sendServo(cmd::kAlarmReset, Available::AlarmReset); }

Outcome ManualConsole::SvonClick(int index) {
  return index == 0 ? ServoOn() : index == 1 ? ServoOff() : index == 2 ? AlarmReset() : Outcome::Refused;
}

Outcome ManualConsole::sendServo(std::uint8_t code, Available action) {
  return HoldLine(link_, [&] {
    UnavailableDuring unavailable(status_.Offers, action);
    Outcome sent = RequestWithZeroOperand(link_, code);
    // The amplifiers and the alarm logic need a moment before the outputs tell the truth.
    if (sent && code != cmd::kServoOff) link_.clock().sleepFor(milliseconds(100));
    if (!LineGaveUp(link_)) (void)status_.ReadIoStatus(kReadOutputs, true);
    return sent;
  });
}

Outcome ManualConsole::ZeroReturn() {
  return HoldLine(link_, [&]() -> Outcome {
    UnavailableDuring unavailable(status_.Offers, Available::ZeroReturn);
    if (Outcome started = RequestWithZeroOperand(link_, cmd::kZeroReturn); !started) {
      // The zero return never started: waiting for its end would only run into the bound.
      if (!LineGaveUp(link_)) (void)status_.ReadIoStatus(kReadOutputs, true);
      return started;
    }
    const TimePoint deadline = link_.clock().now() + limits.zeroReturn;
    for (;;) {
      Outcome read = status_.ReadIoStatus(kReadOutputs, false);
      if (read && status_.OutputImage.point(7)) break;  // "ZR": the zero return is complete
      if (link_.ui().cancelRequested()) {
        // The operator gives up on the homing: the axes must not run on without anyone watching, also where
        // the stop cut the read short.
        RequestStop(link_);
        if (!read) return read;
        link_.clock().sleepFor(kStopSettle);
        Outcome rest = waitForRest(allAxes(), Duration::zero());
        return rest ? Outcome(Outcome::Cancelled, "zero return stopped") : rest;
      }
      if (!read) return read;
      if (link_.clock().now() >= deadline) {
        link_.ui().messageBox(ZeroReturnTimeoutMessage(limits.zeroReturn));
        return {Outcome::TimedOut, "zero return"};
      }
      link_.clock().sleepFor(milliseconds(100));
    }
    return status_.ReadIoStatus(kReadOutputs, true);
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

Outcome ManualConsole::OutputClick(int index) {
  if (index < 0 || index > 63) return Outcome::Refused;
  if (index >= 8) return SwitchOutput(index, status_.OutputState[index] != 1);
  return HoldLine(link_, [&] {
    // System outputs belong to the controller: undo the operator's click and show the truth.
    status_.display().setOutputChecked(index, status_.OutputState[index] == 1);
    return status_.ReadIoStatus(kReadOutputs, true);
  });
}

Outcome ManualConsole::SwitchOutput(int point, bool on) {
  if (point < 8 || point > 63) return Outcome::Refused;
  return HoldLine(link_, [&] {
    if (Outcome set = RequestSetOutput(link_, point, on); !set) return set;
    return status_.ReadIoStatus(kReadOutputs, true);
  });
}

Outcome ManualConsole::ReadPositions(int which) {
  const bool command = which == 1;
  std::array<std::int32_t, 6> values{};
  if (Outcome read = RequestPositions(link_, command, status_.Axes, values); !read) return read;
  auto& target = command ? CommandPos : ActualPos;
  for (int a = 0; a < status_.Axes; ++a) target[a] = values[a];
  return {};
}

void ManualConsole::ShowPositions() {
  for (int a = 0; a < status_.Axes; ++a) {
    status_.display().setPositionTexts(a, FormatHundredths(CommandPos[a]), FormatHundredths(ActualPos[a]));
  }
}

Outcome ManualConsole::readAndShowPositions() {
  if (Outcome read = ReadPositions(1); !read) return read;
  if (Outcome read = ReadPositions(0); !read) return read;
  ShowPositions();
  return {};
}

Outcome ManualConsole::PositionsClick() {
  return HoldLine(link_, [&] { return readAndShowPositions(); });
}

Outcome ManualConsole::waitForRest(unsigned mask, Duration pause) {
  const TimePoint deadline = link_.clock().now() + limits.comeToRest;
  for (;;) {
    if (Outcome read = status_.ReadSensorStatus(); !read) return read;
    bool allAtRest = true;
    for (int a = 0; a < status_.Axes; ++a) {
      if ((mask >> a & 1u) != 0 && (status_.SensorWord[a] & kSensorAtRest) == 0) allAtRest = false;
    }
    if (allAtRest) return {};
    if (link_.clock().now() >= deadline) {
      link_.ui().messageBox(RestTimeoutMessage(limits.comeToRest));
      return {Outcome::TimedOut, "axes not at rest"};
    }
    if (pause > Duration::zero()) link_.clock().sleepFor(pause);
  }
}

}  // namespace zova::console
