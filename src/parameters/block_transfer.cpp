// Pieces shared by the parameter transfers.
#include "parameters/block_transfer.h"

#include "link/link_error.h"

namespace zova {

TransferStatus CommunicationFailure(Link& link) {
  ShowLinkFailure(link);
  return TransferStatus::Failed;
}

TransferStatus ReceiveParameterBlock(Link& link, Job job, int neededBytes) {
  // ReceiveLength refuses an announcement that does not fit BlockBuffer before answering it.
  if (!link.ReceiveLength()) return CommunicationFailure(link);
  Ui& ui = link.ui();
  ui.setProgressMaximum(job, 0, link.BlockLength);
  ui.setProgressValue(job, 0, 0);
  std::uint32_t sum = 0;
  auto data = std::span<std::uint8_t>(link.BlockBuffer.data(), static_cast<std::size_t>(link.BlockLength));
  if (!link.ReceiveBytes(data, sum, [&](int count) { ui.setProgressValue(job, 0, count); })) {
    return CommunicationFailure(link);
  }
  if (!link.ReceiveChecksum()) return CommunicationFailure(link);
  if (((sum + static_cast<std::uint32_t>(link.RxChecksum)) & 0xFFu) != 0) {
    link.SendByte(DLE);
    return TransferStatus::BadChecksum;
  }
  link.SendByte(EOT);
  if (link.BlockLength < neededBytes) return CommunicationFailure(link);
  return TransferStatus::Ok;
}

}  // namespace zova
