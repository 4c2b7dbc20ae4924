// Status polling and the controller's error report.
#include "console/status_monitor.h"

#include <string>

#include "console/error_text.h"
#include "link/requests.h"

namespace zova {

StatusMonitor::StatusMonitor(Link& link, ConsoleDisplay& display, int axes)
    : Axes(axes), Offers(display), link_(link), display_(display) {}

bool StatusMonitor::ReadIoStatus(int which, bool show) {
  const bool inputs = which == kReadInputs;
  IoImage& image = inputs ? InputImage : OutputImage;
  if (RequestIoImage(link_, inputs, image) != Outcome::Ok) return false;
  if (show) {
    for (int p = 0; p < 64; ++p) {
      const bool on = image.point(p);
      if (inputs) {
        display_.setInputChecked(p, on);
      } else {
        OutputState[p] = on ? 1 : 0;
        display_.setOutputChecked(p, on);
      }
    }
  }
  return true;
}

bool StatusMonitor::ReadSensorStatus() {
  std::array<std::uint32_t, 6> words{};
  if (RequestSensorWords(link_, Axes, words) != Outcome::Ok) return false;
  for (int a = 0; a < Axes; ++a) SensorWord[a] = words[a];
  return true;
}

void StatusMonitor::ShowSensorStatus() {
  for (int a = 0; a < Axes; ++a) {
    const std::uint32_t w = SensorWord[a];
    display_.setSensorColour(3 * a, (w & kSensorPositiveLimit) != 0 ? SensorColour::Red : SensorColour::Window);
    display_.setSensorColour(3 * a + 1, (w & kSensorHome) != 0 ? SensorColour::Green : SensorColour::Window);
    display_.setSensorColour(3 * a + 2, (w & kSensorNegativeLimit) != 0 ? SensorColour::Red : SensorColour::Window);
  }
}

void StatusMonitor::Tick() {
  // A poll must never write to a closed port: while it is closed the ticks do nothing.
  if (!link_.port().isOpen()) return;
  BusyGuard busy(link_);
  if (!busy.acquired() || !IoCheckOn) return;
  // The phase moves on before the request, so a failed request is not repeated.
  switch (PollPhase) {
    case 0:
      PollPhase = 1;
      (void)ReadIoStatus(kReadOutputs, true);
      break;
    case 1:
      PollPhase = 2;
      (void)ReadIoStatus(kReadInputs, true);
      break;
    default:
      PollPhase = 0;
      if (ReadSensorStatus()) ShowSensorStatus();
      break;
  }
}

void StatusMonitor::setIoCheck(bool start) {
  IoCheckOn = start;
  // While checking, the operator can neither switch outputs nor run, zero-return or jog.
  for (Available a :
       {Available::IoCheckStart, Available::OutputSwitching, Available::MotionCommands, Available::Jogging}) {
    Offers.set(a, !start);
  }
  SetPolling(start);
}

bool StatusMonitor::ReadControllerError() {
  ErrorReport report;
  if (RequestErrorReport(link_, report) != Outcome::Ok) return false;
  LastError = report;
  link_.ui().messageBox(ErrorText(report.code, report.value) + "\r\n" + Tr(kErrorAdvice));
  return true;
}

ActionResult StatusMonitor::ControllerErrorClick() {
  return RunGuarded(link_, [&] {
    const bool ok = ReadControllerError();
    if (!LineGaveUp(link_)) (void)ReadIoStatus(kReadOutputs, true);
    return ok ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

}  // namespace zova
