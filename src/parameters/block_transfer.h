// Pieces shared by the system and axis parameter transfers.
#pragma once

#include <string_view>

#include "link/link.h"
#include "parameters/transfer_status.h"

namespace zova {

// Shows the link error box with code 0 and reports the failure.
TransferStatus CommunicationFailure(Link& link);

// After StartCommand: ReceiveLength, the announced block into BlockBuffer with progress on `bar`,
// ReceiveChecksum, then EOT or DLE. A block shorter than `neededBytes` is refused after it was
// acknowledged: decoding it would take stale BlockBuffer bytes for values.
TransferStatus ReceiveParameterBlock(Link& link, std::string_view bar, int neededBytes);

// Sets the progress value of `bar` to 0 when the transfer ends, on every path out.
class ProgressReset {
 public:
  ProgressReset(Ui& ui, std::string_view bar) : ui_(ui), bar_(bar) {}
  ~ProgressReset() { ui_.setProgressValue(bar_, 0, 0); }
  ProgressReset(const ProgressReset&) = delete;
  ProgressReset& operator=(const ProgressReset&) = delete;

 private:
  Ui& ui_;
  std::string_view bar_;
};

}  // namespace zova
