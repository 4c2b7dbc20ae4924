// Status polling of the main window: input and output images, sensor words, the poll tick,
// I/O checking, and the controller's own error report.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "console/console_display.h"
#include "link/decoders.h"
#include "link/line_owner.h"
#include "link/link.h"

namespace zova::console {

inline constexpr int kReadInputs = 1;   // `which` of ReadIoStatus
inline constexpr int kReadOutputs = 0;  // any other value reads the outputs

// The last exchange found the controller silent, or the operator's stop ended it: the refresh that follows
// a console action would only wait as long again, and say so a second time.
inline bool LineGaveUp(const Link& link) { return link.HandshakeTimedOut || link.WaitCancelled; }

class StatusMonitor {
 public:
  StatusMonitor(Link& link, ConsoleDisplay& display, int axes);

  // Reads one image (command 27 for inputs, 28 for outputs), stores it and, with `show`, draws it.
  // Does not take the line: callers hold it, and call this with show before they release it, so the
  // click events raised by the redrawn output boxes find the link busy and send nothing.
  Outcome ReadIoStatus(int which, bool show);
  // Command 40: one sensor word per axis into SensorWord.
  Outcome ReadSensorStatus();
  // Colours the sensor boxes from SensorWord.
  void ShowSensorStatus();
  // One step of the status poll.
  void Tick();
  // I/O checking: the status is polled, and switching outputs, motions and jogs are withdrawn meanwhile.
  void StartIoCheck() { setIoCheck(true); }
  void StopIoCheck() { setIoCheck(false); }
  // cmdIoStatus(index): 0 starts I/O checking, 1 stops it.
  void IoStatusClick(int index) { index == 0 ? StartIoCheck() : StopIoCheck(); }
  // Command 31, then the error text and the advice in a message box. Callers hold the line.
  Outcome ReadControllerError();
  // ReadControllerError holding the line, then the outputs refreshed.
  Outcome ControllerErrorClick();

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

}  // namespace zova::console
