// Pieces shared by the system and axis parameter transfers.
#pragma once

#include "link/link.h"
#include "link/link_error.h"
#include "base/outcome.h"

namespace zova::parameters {

// Shows the link error box with code 0 (unless the operator's stop ended the exchange) and passes `why` on.
Outcome CommunicationFailure(Link& link, Outcome why);

// After StartCommand: ReceiveLength, the announced block with progress of `job`, ReceiveChecksum, then
// EOT or DLE. A block shorter than `neededBytes` is refused after it was acknowledged: it has no value
// for some entries.
ReceivedBlock ReceiveParameterBlock(Link& link, Job job, int neededBytes);

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

// How every parameter transfer runs, on a line its caller holds: nothing after the operator asked to stop
// (the block is one exchange, which cannot stop halfway); otherwise `body` runs with `job`'s bar back at 0
// on every path out.
template <typename Body>
Outcome ParameterExchange(Link& link, Job job, Body&& body) {
  if (link.ui().cancelRequested()) return Outcome::Cancelled;
  ProgressReset reset(link.ui(), job);
  return body();
}

}  // namespace zova::parameters
