// Status polling of the main window: input and output images, sensor words, the poll tick,
// I/O checking, and the controller's own error report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "console/console_action.h"
#include "console/console_display.h"
#include "link/decoders.h"
#include "link/link.h"

namespace zova {

inline constexpr int kReadInputs = 1;   // `which` of ReadIoStatus
inline constexpr int kReadOutputs = 0;  // any other value reads the outputs

class StatusMonitor {
 public:
  StatusMonitor(Link& link, ConsoleDisplay& display, int axes);

  // Reads one image (command 27 for inputs, 28 for outputs), stores it and, with `show`, draws it.
  // Does not touch LinkBusy: callers hold it, and call this with show before they release it, so the
  // click events raised by the redrawn output boxes find the link busy and send nothing.
  bool ReadIoStatus(int which, bool show);
  // Command 40: one sensor word per axis into SensorWord.
  bool ReadSensorStatus();
  // Colours the sensor boxes from SensorWord.
  void ShowSensorStatus();
  // One step of the status poll.
  void Tick();
  // I/O checking: the status is polled, and switching outputs, motions and jogs are withdrawn meanwhile.
  void StartIoCheck() { setIoCheck(true); }
  void StopIoCheck() { setIoCheck(false); }
  // cmdIoStatus(index): 0 starts I/O checking, 1 stops it.
  void IoStatusClick(int index) { index == 0 ? StartIoCheck() : StopIoCheck(); }
  // Command 31, then the error text and the advice in a message box. Callers hold LinkBusy.
  bool ReadControllerError();
  // ReadControllerError under the console guard, then the outputs refreshed.
  ActionResult ControllerErrorClick();

  void SetPolling(bool on) { Offers.setPolling(on); }
  [[nodiscard]] bool Polling() const { return Offers.polling(); }

  Link& link() { return link_; }
  ConsoleDisplay& display() { return display_; }

  int Axes;
  bool IoCheckOn = false;
  int PollPhase = 0;
  IoImage InputImage;
  IoImage OutputImage;
  std::array<std::int16_t, 65> OutputState{};
  std::array<std::uint32_t, 7> SensorWord{};
  std::optional<ErrorReport> LastError;  // the last report read by ReadControllerError
  Availability Offers;

 private:
  void setIoCheck(bool start);

  Link& link_;
  ConsoleDisplay& display_;
};

}  // namespace zova
