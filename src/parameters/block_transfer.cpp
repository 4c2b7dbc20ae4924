// Pieces shared by the parameter transfers.
#include "parameters/block_transfer.h"

#include "link/link_error.h"

namespace zova {

Outcome CommunicationFailure(Link& link, Outcome why) {
  ShowOutcome(link.ui(), why);
  return why;
}

Outcome ReceiveParameterBlock(Link& link, Job job, int neededBytes) {
  // ReceiveLength refuses an announcement that does not fit BlockBuffer before answering it.
  if (Outcome o = link.ReceiveLength(); !o) return CommunicationFailure(link, o);
  Ui& ui = link.ui();
  ui.setProgressMaximum(job, 0, link.BlockLength);
  ui.setProgressValue(job, 0, 0);
  std::uint32_t sum = 0;
  auto data = std::span<std::uint8_t>(link.BlockBuffer.data(), static_cast<std::size_t>(link.BlockLength));
  if (Outcome o = link.ReceiveBytes(data, sum, [&](int count) { ui.setProgressValue(job, 0, count); }); !o) {
    return CommunicationFailure(link, o);
  }
  if (Outcome o = link.ReceiveChecksum(); !o) return CommunicationFailure(link, o);
  if (((sum + static_cast<std::uint32_t>(link.RxChecksum)) & 0xFFu) != 0) {
    link.SendByte(DLE);
    return {Outcome::BadChecksum, "parameter block"};
  }
  link.SendByte(EOT);
  if (link.BlockLength < neededBytes) {
    return CommunicationFailure(link, {Outcome::BadTerminator, std::to_string(link.BlockLength) + " parameter bytes"});
  }
  return {};
}

}  // namespace zova
