// Whole-controller transfers, composed of the program, table and parameter transfers.
#include "backup/transfers.h"

#include <algorithm>

#include "programs/program_transfer.h"
#include "programs/program_wire.h"
#include "link/decoders.h"
#include "parameters/ax_para_transfer.h"
#include "parameters/sys_para_transfer.h"
#include "positions/table_transfer.h"

namespace zova::backup {

namespace {

// Bytes on the line around a block: handshake, operands, checksum and answers.
constexpr double kExchangeBytes = 20;
constexpr double kFullProgramUnits = static_cast<double>(kFullProgramBytes) + kExchangeBytes;
constexpr double kProgramBlockShare = static_cast<double>(programs::kProgramBlockBytes) / kFullProgramUnits;

const positions::TableLayout& Layout(Part part) {
  return part == Part::Loc ? positions::kLocationLayout : positions::kShiftLayout;
}

double TableUnits(Part part, int axes) { return Layout(part).fileRows * (4.0 * axes + kExchangeBytes); }

double PartUnits(Part part, int axes) {
  switch (part) {
    case Part::Sys:
      return parameters::kSysParaBlockBytes + kExchangeBytes;
    case Part::Axis:
      return parameters::kAxParaAxisBytes * axes + kExchangeBytes;
    case Part::Loc:
    case Part::Sft:
      return TableUnits(part, axes);
    case Part::Programs:
      break;
  }
  return kBackupPrograms * kFullProgramUnits;
}

Outcome FromRows(const positions::TransferOutcome& o) {
  if (o.result.ok() && o.rejected > 0) return {Outcome::BadChecksum, std::to_string(o.rejected) + " rows"};
  return o.result;
}

Outcome FetchProgram(Link& link, Snapshot& s, int program) {
  language::ProgramStore store;
  programs::ProgramTransfer transfer(store, {});
  Bytes block;
  const Outcome received = transfer.ReceiveStoredProgram(link, program, block).outcome();
  if (!received) return received;
  Bytes& raw = s.programs[static_cast<std::size_t>(program)];
  raw = std::move(block);
  if (raw.size() > 1) {
    const Bytes comments = programs::PackCommentBlock(store);
    raw.insert(raw.end(), comments.begin(), comments.end());
  }
  return received;
}

Outcome FetchTable(Link& link, Snapshot& s, Part part) {
  const positions::TableLayout& layout = Layout(part);
  positions::PositionTable table(layout);
  int point = 0;
  positions::TransferOutcome rows =
      positions::ReceiveTableRows(table, link, s.axes, positions::Scope::All, 0, 0, point);
  s.block(part) = std::move(rows.blocks);
  return FromRows(rows);
}

// Keeps a parameter block as the controller sent it.
Outcome Keep(ReceivedBlock block, Bytes& raw) {
  if (block.outcome) raw = std::move(block.bytes);
  return block.outcome;
}

}  // namespace

double FetchUnits(Parts parts, int axes) {
  double units = 0;
  for (Part p : kEveryPart) {
    if (parts.has(p)) units += PartUnits(p, axes);
  }
  return units;
}

double SendUnits(const Snapshot& s, Parts parts) {
  double units = 0;
  for (Part p : kEveryPart) {
    if (!parts.has(p)) continue;
    if (p != Part::Programs) {
      units += PartUnits(p, s.axes);
      continue;
    }
    for (const Bytes& program : s.programs) units += static_cast<double>(program.size()) + kExchangeBytes;
  }
  return units;
}

Outcome FetchPart(Link& link, OverallProgress& progress, Snapshot& s, Part part, int program) {
  if (progress.cancelRequested()) return Outcome::Cancelled;
  Outcome result;
  if (part == Part::Programs) {
    progress.beginStep(kFullProgramUnits, kProgramBlockShare);
    result = FetchProgram(link, s, program);
  } else {
    progress.beginStep(PartUnits(part, s.axes));
    if (part == Part::Loc || part == Part::Sft) {
      result = FetchTable(link, s, part);
    } else if (part == Part::Sys) {
      result = Keep(parameters::FetchSysParaBlock(link), s.sys);
    } else {
      result = Keep(parameters::FetchAxParaBlock(link, s.axes), s.axis);
    }
  }
  progress.endStep();
  return result;
}

Outcome SendPart(Link& link, OverallProgress& progress, const Snapshot& s, Part part, int program, int& rowsSent) {
  // Values are rebuilt from all 32 bits of each block's bytes, so the transfers send those bytes unchanged.
  auto value = [](const Bytes& raw, std::size_t index) { return DecodePosition(raw, static_cast<int>(index)); };
  Outcome result;
  if (part == Part::Programs) {
    const Bytes& raw = s.programs[static_cast<std::size_t>(program)];
    progress.beginStep(static_cast<double>(raw.size()) + kExchangeBytes, kProgramBlockShare);
    language::ProgramStore store;
    LoadProgram(raw, store, program);
    programs::ProgramTransfer transfer(store, {});
    result = transfer.SendStoredProgram(link, program).outcome();
  } else if (part == Part::Loc || part == Part::Sft) {
    progress.beginStep(PartUnits(part, s.axes));
    const positions::TableLayout& layout = Layout(part);
    positions::PositionTable table(layout);
    const Bytes& raw = s.block(part);
    for (int r = 0; r < layout.fileRows; ++r) {
      for (int a = 0; a < s.axes; ++a) {
        table[r][static_cast<std::size_t>(a)] = value(raw, static_cast<std::size_t>(r * s.axes + a));
      }
    }
    const positions::TransferOutcome outcome =
        positions::SendTableRows(table, link, s.axes, positions::Scope::All, 0, 0, 0, true);
    rowsSent = outcome.sent;
    result = FromRows(outcome);
  } else if (part == Part::Sys) {
    progress.beginStep(PartUnits(part, s.axes));
    parameters::SysPara table;
    for (int i = 0; i < parameters::kSysParaSize; ++i) table[i] = value(s.sys, static_cast<std::size_t>(i));
    result = parameters::SendSysPara(link, table);
  } else {
    progress.beginStep(PartUnits(part, s.axes));
    parameters::AxPara table;
    for (int a = 0; a < s.axes; ++a) {
      for (int e = 0; e < parameters::kAxParaEntries; ++e) {
        table[a][static_cast<std::size_t>(e)] =
            value(s.axis, static_cast<std::size_t>(a * parameters::kAxParaEntries + e));
      }
    }
    result = parameters::SendAxPara(link, table, s.axes);
  }
  progress.endStep();
  return result;
}

}  // namespace zova::backup
