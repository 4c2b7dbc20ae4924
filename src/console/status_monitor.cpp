// Status polling and the controller's error report.
#include "console/status_monitor.h"

#include <string>

#include "console/error_text.h"
#include "link/requests.h"

namespace zova::console {

StatusMonitor::StatusMonitor(Link& link, ConsoleDisplay& display, int axes)
    : Axes(axes), Offers(display), link_(link), display_(display) {}

Outcome StatusMonitor::ReadIoStatus(int which, bool show) {
  const bool inputs = which == kReadInputs;
  IoImage& image = inputs ? InputImage : OutputImage;
  if (Outcome read = RequestIoImage(link_, inputs, image); !read) return read;
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
  return {};
}

Outcome StatusMonitor::ReadSensorStatus() {
  std::array<std::uint32_t, 6> words{};
  if (Outcome read = RequestSensorWords(link_, Axes, words); !read) return read;
  for (int a = 0; a < Axes; ++a) SensorWord[a] = words[a];
  return {};
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

Outcome StatusMonitor::ReadControllerError() {
  ErrorReport report;
  if (Outcome read = RequestErrorReport(link_, report); !read) return read;
  LastError = report;
  link_.ui().messageBox(ErrorText(report.code, report.value) + "\r\n" + Tr(kErrorAdvice));
  return {};
}

Outcome StatusMonitor::ControllerErrorClick() {
  return HoldLine(link_, [&] {
    Outcome read = ReadControllerError();
    if (!LineGaveUp(link_)) (void)ReadIoStatus(kReadOutputs, true);
    return read;
  });
}

}  // namespace zova::console
