// Pieces shared by the system and axis parameter transfers.
#pragma once

#include "link/link.h"
#include "link/link_error.h"
#include "base/outcome.h"

namespace zova {

// Shows the link error box with code 0 (unless the operator's stop ended the exchange) and passes `why` on.
Outcome CommunicationFailure(Link& link, Outcome why);

// After StartCommand: ReceiveLength, the announced block into BlockBuffer with progress of `job`,
// ReceiveChecksum, then EOT or DLE. A block shorter than `neededBytes` is refused after it was
// acknowledged: decoding it would take stale BlockBuffer bytes for values.
Outcome ReceiveParameterBlock(Link& link, Job job, int neededBytes);

// Sets the progress value of `job` to 0 when the transfer ends, on every path out.
class ProgressReset {
 public:
  ProgressReset(Ui& ui, Job job) : ui_(ui), job_(job) {}
  ~ProgressReset() { ui_.setProgressValue(job_, 0, 0); }
  ProgressReset(const ProgressReset&) = delete;
  ProgressReset& operator=(const ProgressReset&) = delete;

 private:
  Ui& ui_;
  Job job_;
};

// The guard of every parameter transfer: error box 1 on a closed port, nothing while another exchange
// holds the link or after the operator asked to stop (the block is one exchange, which cannot stop
// halfway); otherwise `body` runs with the link held and `job`'s bar back at 0 on every path out.
template <typename Body>
Outcome GuardedTransfer(Link& link, Job job, Body&& body) {
  if (!link.port().isOpen()) {
    ShowOutcome(link.ui(), Outcome::PortClosed);
    return Outcome::PortClosed;
  }
  BusyGuard busy(link);
  if (!busy.acquired()) return Outcome::Busy;
  if (link.ui().cancelRequested()) return Outcome::Cancelled;
  ProgressReset reset(link.ui(), job);
  return body();
}

}  // namespace zova
