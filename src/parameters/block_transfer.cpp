// Pieces shared by the parameter transfers.
#include "parameters/block_transfer.h"

#include <vector>

#include "link/link_error.h"

namespace zova::parameters {

Outcome CommunicationFailure(Link& link, Outcome why) {
  ShowOutcome(link.ui(), why);
  return why;
}

ReceivedBlock ReceiveParameterBlock(Link& link, Job job, int neededBytes) {
  // ReceiveLength refuses an announcement larger than any block before answering it.
  int length = 0;
  if (Outcome o = link.ReceiveLength(length); !o) return {CommunicationFailure(link, o), {}};
  Ui& ui = link.ui();
  ui.setProgressMaximum(job, 0, length);
  ui.setProgressValue(job, 0, 0);
  std::uint32_t sum = 0;
  std::vector<std::uint8_t> data(static_cast<std::size_t>(length));
  if (Outcome o = link.ReceiveBytes(data, sum, [&](int count) { ui.setProgressValue(job, 0, count); }); !o) {
    return {CommunicationFailure(link, o), {}};
  }
  // A wrong checksum is answered DLE and passes without a message.
  if (Outcome o = link.ReceiveChecksum(sum); !o) return {CommunicationFailure(link, o), {}};
  if (length < neededBytes) {
    return {CommunicationFailure(link, {Outcome::BadTerminator, std::to_string(length) + " parameter bytes"}), {}};
  }
  return {{}, std::move(data)};
}

}  // namespace zova::parameters
