// Pieces shared by the system and axis parameter transfers.
#pragma once

#include "link/link.h"
#include "link/link_error.h"
#include "parameters/transfer_status.h"

namespace zova {

// Shows the link error box with code 0 and reports the failure.
TransferStatus CommunicationFailure(Link& link);

// After StartCommand: ReceiveLength, the announced block into BlockBuffer with progress of `job`,
// ReceiveChecksum, then EOT or DLE. A block shorter than `neededBytes` is refused after it was
// acknowledged: decoding it would take stale BlockBuffer bytes for values.
TransferStatus ReceiveParameterBlock(Link& link, Job job, int neededBytes);

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
TransferStatus GuardedTransfer(Link& link, Job job, Body&& body) {
  if (!link.port().isOpen()) {
    ShowLinkError(link.ui(), kLinkErrorPortClosed);
    return TransferStatus::Failed;
  }
  BusyGuard busy(link);
  if (!busy.acquired()) return TransferStatus::Busy;
  if (link.ui().cancelRequested()) return TransferStatus::Cancelled;
  ProgressReset reset(link.ui(), job);
  return body();
}

}  // namespace zova
