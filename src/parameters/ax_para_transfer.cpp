// Axis parameter transfers.
#include "parameters/ax_para_transfer.h"

#include "link/commands.h"
#include "link/link_error.h"
#include "link/trace_port.h"
#include "parameters/block_transfer.h"
#include "parameters/wire_value.h"

namespace zova::parameters {

ReceivedBlock FetchAxParaBlock(Link& link, int axes, Job job) {
  if (!CheckAxisCount(axes, link.ui())) return {{Outcome::Refused, "axis count " + std::to_string(axes)}, {}};
  ReceivedBlock block;
  block.outcome = ParameterExchange(link, job, [&] {
    if (Outcome o = link.StartCommand(cmd::kReceiveAxPara); !o) return CommunicationFailure(link, o);
    block = ReceiveParameterBlock(link, job, axes * kAxParaAxisBytes);
    return block.outcome;
  });
  return block;
}

Outcome FetchAxPara(Link& link, AxPara& table, int axes, Job job) {
  const ReceivedBlock block = FetchAxParaBlock(link, axes, job);
  if (!block.outcome) return block.outcome;
  const std::uint8_t* at = block.bytes.data();
  for (int axis = 0; axis < axes; ++axis) {
    for (std::int32_t& value : table[axis]) {
      value = DecodeParameterValue(std::span<const std::uint8_t, 4>(at, 4));
      at += 4;
    }
  }
  return {};
}

Outcome TakeUnnamedAxPara(Link& link, AxPara& table, int axes) {
  NoteInTrace(link.port(), "reading the axis parameters first: the send keeps the entries no file line names");
  AxPara held = table;
  const Outcome s = FetchAxPara(link, held, axes, Job::AxParaReadFirst);
  if (!s) return s;
  for (int axis = 0; axis < axes; ++axis) {
    for (const AxParaEntry& e : AxParaEntries())
      held[axis][static_cast<std::size_t>(e.entry)] = table[axis][static_cast<std::size_t>(e.entry)];
  }
  table = held;
  return s;
}

Outcome SendAxPara(Link& link, const AxPara& table, int axes) {
  if (!CheckAxisCount(axes, link.ui())) return {Outcome::Refused, "axis count " + std::to_string(axes)};
  return ParameterExchange(link, Job::AxPara, [&] {
    Ui& ui = link.ui();
    const int total = axes * kAxParaAxisBytes;
    ui.setProgressMaximum(Job::AxPara, 0, total);
    if (Outcome o = link.StartCommand(cmd::kSendAxPara); !o) return CommunicationFailure(link, o);
    if (Outcome o = link.SendTwoOperands(total, 0); !o) return CommunicationFailure(link, o);
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
    if (Outcome o = link.SendChecksum(Link::ChecksumFor(sum)); !o) return CommunicationFailure(link, o);
    return Outcome();
  });
}

}  // namespace zova::parameters
