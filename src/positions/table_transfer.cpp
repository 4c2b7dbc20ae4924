// Table transfers.
#include "positions/table_transfer.h"

#include <algorithm>
#include <array>
#include <span>

#include "link/link_error.h"
#include "base/translation.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"

namespace zova::positions {

namespace {

constexpr std::string_view kMsgReversedRange = TrMark(" End Loc 는 Start Loc 보다 커야 합니다.");

// Which rows a request covers, and how the progress bar follows it.
struct Plan {
  bool single = false;
  int first = 0;
  int last = 0;
  int endOperand = 0;  // second operand of the block and all transfers
  int maximum = 0;
  int progressBase = 0;  // progress value = row - progressBase
};

// Works out the rows of a request; false (after a message where the operator can mend it) when refused.
bool MakePlan(const PositionTable& table, Ui& ui, int axes, Scope scope, int start, int end, int point, Plan& plan) {
  const TableLayout& layout = table.layout();
  if (axes < 1 || axes > kTableAxes) return false;
  if (scope == Scope::Single) {
    if (!table.contains(point)) {
      ui.messageBox(Tr(layout.rangeMessage));
      return false;
    }
    plan = {.single = true, .first = point, .last = point, .endOperand = point, .maximum = 4 * axes};
    return true;
  }
  if (scope == Scope::Block && layout.blocks) {
    if (!table.contains(start) || !table.contains(end)) {
      ui.messageBox(Tr(layout.rangeMessage));
      return false;
    }
    if (start > end) {
      ui.messageBox(Tr(kMsgReversedRange));
      return false;
    }
    plan = {.first = start, .last = end, .endOperand = end, .maximum = end - start + 1, .progressBase = start};
    return true;
  }
  if (scope == Scope::All) {
    const int last = layout.fileRows - 1;
    plan = {.first = 0, .last = last, .endOperand = last, .maximum = layout.fileRows};
    return true;
  }
  return false;
}

// The first value of the rows to send that would travel corrupted is named, and nothing is sent.
bool ValuesTravel(const PositionTable& table, Ui& ui, int axes, const Plan& plan) {
  for (int n = plan.first; n <= plan.last; ++n) {
    for (int a = 0; a < axes; ++a) {
      if (PositionValueTravels(table[n][static_cast<std::size_t>(a)])) continue;
      ui.messageBox(ValueRangeMessage(table.layout(), n, a));
      return false;
    }
  }
  return true;
}

Outcome Fail(Link& link, Outcome why) {
  ShowOutcome(link.ui(), why);
  return why;
}

// Handshake and operands.
Outcome OpenExchange(Link& link, std::uint8_t code, int number, const Plan& plan) {
  if (Outcome o = link.StartCommand(code); !o) return Fail(link, o);
  if (Outcome o = link.SendTwoOperands(number, plan.single ? number : plan.endOperand); !o) return Fail(link, o);
  return {};
}

Outcome SendRow(const PositionTable& table, Link& link, int axes, int number, const Plan& plan) {
  const TableLayout& layout = table.layout();
  if (Outcome o = OpenExchange(link, layout.sendCode, number, plan); !o) return o;
  std::uint32_t sum = 0;
  for (int a = 0; a < axes; ++a) {
    const auto bytes = EncodePositionValue(table[number][static_cast<std::size_t>(a)]);
    for (int i = 0; i < 4; ++i) {
      link.SendByte(bytes[static_cast<std::size_t>(i)]);
      sum += bytes[static_cast<std::size_t>(i)];
      if (plan.single) link.ui().setProgressValue(layout.sendJob, 0, 4 * a + i);
    }
  }
  if (Outcome o = link.SendChecksum(Link::ChecksumFor(sum)); !o) return Fail(link, o);
  return {};
}

Outcome ReceiveRow(PositionTable& table, Link& link, int axes, int number, const Plan& plan, TransferOutcome& outcome) {
  const TableLayout& layout = table.layout();
  if (Outcome o = OpenExchange(link, layout.receiveCode, number, plan); !o) return o;
  std::uint32_t sum = 0;
  std::array<std::uint8_t, 4 * kTableAxes> row{};
  const std::span<std::uint8_t> block(row.data(), static_cast<std::size_t>(4 * axes));
  Ui& ui = link.ui();
  auto onByte = [&](int count) { ui.setProgressValue(layout.receiveJob, 0, count); };
  if (Outcome o =
          link.ReceiveBytes(block, sum, plan.single ? std::function<void(int)>(onByte) : std::function<void(int)>{});
      !o) {
    return Fail(link, o);
  }
  if (Outcome o = link.ReceiveChecksum(sum); !o) {
    if (o != Outcome::BadChecksum) return Fail(link, o);
    ++outcome.rejected;  // answered DLE: the row keeps its values
    return {};
  }
  for (int a = 0; a < axes; ++a) {
    table[number][static_cast<std::size_t>(a)] =
        DecodePositionValue(std::span<const std::uint8_t, 4>(block.data() + static_cast<std::size_t>(4 * a), 4));
  }
  std::copy(block.begin(), block.end(),
            outcome.blocks.begin() + static_cast<std::ptrdiff_t>(block.size()) * (number - plan.first));
  ++outcome.stored;
  return {};
}

}  // namespace

std::string ValueRangeMessage(const TableLayout& layout, int number, int axis) {
  return Tr("{1} axis {2}:{3}", {FormatRowName(layout, number), std::to_string(axis + 1), Tr(kMsgPositionValueRange)});
}

TransferOutcome SendTableRows(const PositionTable& table, Link& link, int axes, Scope scope, int start, int end,
                              int txPointNo, bool asHeld) {
  TransferOutcome outcome;
  Plan plan;
  if (!MakePlan(table, link.ui(), axes, scope, start, end, txPointNo, plan) ||
      (!asHeld && !ValuesTravel(table, link.ui(), axes, plan))) {
    outcome.result = Outcome::Refused;
    return outcome;
  }
  const Job bar = table.layout().sendJob;
  link.ui().setProgressMaximum(bar, 0, plan.maximum);
  for (int n = plan.first; n <= plan.last; ++n) {
    if (link.ui().cancelRequested()) {
      outcome.result = Outcome::Cancelled;
      return outcome;
    }
    if (!plan.single) link.ui().setProgressValue(bar, 0, n - plan.progressBase);
    outcome.result = SendRow(table, link, axes, n, plan);
    if (!outcome.result) return outcome;
    ++outcome.sent;
  }
  return outcome;
}

TransferOutcome ReceiveTableRows(PositionTable& table, Link& link, int axes, Scope scope, int start, int end,
                                 int& rxPointNo) {
  TransferOutcome outcome;
  Plan plan;
  if (!MakePlan(table, link.ui(), axes, scope, start, end, rxPointNo, plan)) {
    outcome.result = Outcome::Refused;
    return outcome;
  }
  outcome.blocks.assign(static_cast<std::size_t>((plan.last - plan.first + 1) * 4 * axes), 0);
  const Job bar = table.layout().receiveJob;
  link.ui().setProgressMaximum(bar, 0, plan.maximum);
  for (int n = plan.first; n <= plan.last; ++n) {
    if (link.ui().cancelRequested()) {
      outcome.result = Outcome::Cancelled;
      break;
    }
    if (!plan.single) {
      link.ui().setProgressValue(bar, 0, n - plan.progressBase);
      rxPointNo = n;
    }
    outcome.result = ReceiveRow(table, link, axes, n, plan, outcome);
    if (!outcome.result) break;
  }
  link.ui().setProgressValue(bar, 0, 0);
  return outcome;
}

}  // namespace zova::positions
