// Axis parameter transfers.
#include "parameters/ax_para_transfer.h"

#include "link/commands.h"
#include "link/link_error.h"
#include "link/trace_port.h"
#include "parameters/block_transfer.h"
#include "parameters/wire_value.h"

namespace zova {

TransferStatus FetchAxPara(Link& link, AxPara& table, int axes, Job job) {
  if (!CheckAxisCount(axes, link.ui())) return TransferStatus::Failed;
  return GuardedTransfer(link, job, [&] {
    if (!link.StartCommand(cmd::kReceiveAxPara)) return CommunicationFailure(link);
    TransferStatus s = ReceiveParameterBlock(link, job, axes * kAxParaAxisBytes);
    if (s != TransferStatus::Ok) return s;
    const std::uint8_t* at = link.BlockBuffer.data();
    for (int axis = 0; axis < axes; ++axis) {
      for (std::int32_t& value : table[axis]) {
        value = DecodeParameterValue(std::span<const std::uint8_t, 4>(at, 4));
        at += 4;
      }
    }
    return TransferStatus::Ok;
  });
}

TransferStatus TakeUnnamedAxPara(Link& link, AxPara& table, int axes) {
  NoteInTrace(link.port(), "reading the axis parameters first: the send keeps the entries no file line names");
  AxPara held = table;
  const TransferStatus s = FetchAxPara(link, held, axes, Job::AxParaReadFirst);
  if (s != TransferStatus::Ok) return s;
  for (int axis = 0; axis < axes; ++axis) {
    for (const AxParaEntry& e : AxParaEntries())
      held[axis][static_cast<std::size_t>(e.entry)] = table[axis][static_cast<std::size_t>(e.entry)];
  }
  table = held;
  return s;
}

TransferStatus SendAxPara(Link& link, const AxPara& table, int axes) {
  if (!CheckAxisCount(axes, link.ui())) return TransferStatus::Failed;
  return GuardedTransfer(link, Job::AxPara, [&] {
    Ui& ui = link.ui();
    const int total = axes * kAxParaAxisBytes;
    ui.setProgressMaximum(Job::AxPara, 0, total);
    if (!link.StartCommand(cmd::kSendAxPara)) return CommunicationFailure(link);
    if (!link.SendTwoOperands(total, 0)) return CommunicationFailure(link);
    std::uint32_t sum = 0;
    int sent = 0;
    for (int axis = 0; axis < axes; ++axis) {
      for (std::int32_t value : table[axis]) {
        for (std::uint8_t b : EncodeParameterValue(value)) {
          link.SendByte(b);
          sum += b;
          ui.setProgressValue(Job::AxPara, 0, ++sent);
        }
      }
    }
    if (!link.SendChecksum(Link::ChecksumFor(sum))) return CommunicationFailure(link);
    return TransferStatus::Ok;
  });
}

}  // namespace zova
