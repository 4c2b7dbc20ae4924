// System parameter transfers.
#include "parameters/sys_para_transfer.h"

#include "link/commands.h"
#include "link/link_error.h"
#include "link/trace_port.h"
#include "parameters/block_transfer.h"
#include "parameters/wire_value.h"

namespace zova::parameters {

ReceivedBlock FetchSysParaBlock(Link& link, Job job) {
  ReceivedBlock block;
  block.outcome = ParameterExchange(link, job, [&] {
    if (Outcome o = link.StartCommand(cmd::kReceiveSysPara); !o) return CommunicationFailure(link, o);
    block = ReceiveParameterBlock(link, job, kSysParaBlockBytes);
    return block.outcome;
  });
  return block;
}

Outcome FetchSysPara(Link& link, SysPara& table, Job job) {
  const ReceivedBlock block = FetchSysParaBlock(link, job);
  if (!block.outcome) return block.outcome;
  for (int i = 0; i < kSysParaSize; ++i) {
    table[i] = DecodeParameterValue(std::span<const std::uint8_t, 4>(block.bytes.data() + 4 * i, 4));
  }
  return {};
}

Outcome TakeUnnamedSysPara(Link& link, SysPara& table) {
  NoteInTrace(link.port(), "reading the system parameters first: the send keeps the entries no file line names");
  SysPara held;
  const Outcome s = FetchSysPara(link, held, Job::SysParaReadFirst);
  if (!s) return s;
  for (const SysParaEntry& e : SysParaEntries()) held[e.index] = table[e.index];
  table = held;
  return s;
}

Outcome SendSysPara(Link& link, const SysPara& table) {
  return ParameterExchange(link, Job::SysPara, [&] {
    Ui& ui = link.ui();
    if (Outcome o = link.StartCommand(cmd::kSendSysPara); !o) return CommunicationFailure(link, o);
    if (Outcome o = link.SendTwoOperands(kSysParaBlockBytes, 0); !o) return CommunicationFailure(link, o);
    ui.setProgressMaximum(Job::SysPara, 0, kSysParaSize - 1);
    ui.setProgressValue(Job::SysPara, 0, 0);
    std::uint32_t sum = 0;
    for (int i = 0; i < kSysParaSize; ++i) {
      link.SendBytes(EncodeParameterValue(table[i]), sum);
      ui.setProgressValue(Job::SysPara, 0, i);
    }
    if (Outcome o = link.SendChecksum(Link::ChecksumFor(sum)); !o) return CommunicationFailure(link, o);
    return Outcome();
  });
}

}  // namespace zova::parameters
