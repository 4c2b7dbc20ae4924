// zovactl loc and sft.
#include <array>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "link/link.h"
#include "base/translation.h"
#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/table_jobs.h"

namespace zova::cli {

namespace {

using positions::PositionData;
using positions::PositionTable;

constexpr const char* kLocUsage =
    "loc receive single N | block A B | all [--file F]; loc send single N | block A B | all --file F";
constexpr const char* kSftUsage = "sft receive single N | all [--file F]; sft send single N | all --file F";

// One parsed loc/sft request.
struct Request {
  bool receive = false;
  positions::Scope mode = positions::Scope::Single;
  int start = 0;
  int end = 0;
  std::optional<std::string> file;
};

int Usage(Context& ctx, const char* text) {
  ctx.ui->messageBox(Tr("usage: zovactl {1}", {text}));
  return kExitUsage;
}

// DIRECTION MODE [numbers] [--file F]; false on anything else.
bool ParseRequest(const Args& args, bool withBlock, positions::Scope allMode, Request& r) {
  Args words;
  if (!ReadArgs(args, {{"--file", &r.file}}, words)) return false;
  if (words.size() < 2 || (words[0] != "receive" && words[0] != "send")) return false;
  r.receive = words[0] == "receive";
  const std::string& mode = words[1];
  if (mode == "single" && words.size() == 3) {
    r.mode = positions::Scope::Single;
    return ParseInt(words[2], r.start);
  }
  if (mode == "block" && withBlock && words.size() == 4) {
    r.mode = positions::Scope::Block;
    return ParseInt(words[2], r.start) && ParseInt(words[3], r.end);
  }
  if (mode == "all" && words.size() == 2) {
    r.mode = allMode;
    return true;
  }
  return false;
}

int Run(Context& ctx, const Args& args, bool locations) {
  Request r;
  const positions::Scope allMode = positions::Scope::All;
  const char* usage = locations ? kLocUsage : kSftUsage;
  if (!ParseRequest(args, locations, allMode, r)) return Usage(ctx, usage);
  if (!r.receive && !r.file) return Usage(ctx, usage);
  if (!ctx.requireAxes()) return kExitUsage;

  PositionData data;
  PositionTable& table = locations ? data.LocTable : data.SftTable;
  Link& link = *ctx.link;
  const int axes = ctx.options.axes;

  if (!r.receive) {
    data.TxPointNo = r.start;
    return ExitFor(positions::SendRowsFromFile(table, link, axes, r.mode, r.start, r.end, data.TxPointNo, *r.file));
  }
  data.RxPointNo = r.start;
  const std::string* file = r.file ? &*r.file : nullptr;
  positions::TransferOutcome counts;
  const Outcome result =
      positions::ReceiveRowsToFile(table, link, axes, r.mode, r.start, r.end, data.RxPointNo, file, &counts);
  // Without a file the rows go to standard output in the file's form; a single row always does.
  if ((result.ok() || result == Outcome::BadChecksum) && (r.mode == positions::Scope::Single || !file)) {
    const bool all = r.mode == allMode;
    const int first = all ? 0 : r.start;
    const int last = all ? table.layout().fileRows - 1 : r.mode == positions::Scope::Single ? r.start : r.end;
    for (int n = first; n <= last; ++n) {
      std::fprintf(ctx.out, "%s\n", positions::FormatTableLine(table.layout(), n, table[n]).c_str());
    }
  }
  if (result == Outcome::BadChecksum) {
    // The window answers a bad block with DLE and says nothing; a script must learn that its copy is not whole.
    const char* why = counts.rejected == 1
                          ? (file ? TrMark("{1} row arrived with a wrong checksum and kept the file's values")
                                  : TrMark("{1} row arrived with a wrong checksum and kept no value"))
                          : (file ? TrMark("{1} rows arrived with a wrong checksum and kept the file's values")
                                  : TrMark("{1} rows arrived with a wrong checksum and kept no value"));
    ctx.ui->messageBox(Tr(why, {std::to_string(counts.rejected)}));
  }
  return ExitFor(result);
}

}  // namespace

int RunLoc(Context& ctx, const Args& args) { return Run(ctx, args, true); }
int RunSft(Context& ctx, const Args& args) { return Run(ctx, args, false); }

namespace {

const std::array kCommands = {
    Command{
        .name = "loc",
        .synopsis = "loc receive single N | block A B | all [--file F]\nloc send single N | block A B | all --file F",
        .help = TrMark("receive: fetch locations and print their LOC file lines (--file: save locations 0 to 2499 "
                       "to F instead; single prints its line too); send: load F, then transmit (needs --axes)"),
        .run = RunLoc,
        .needsPort = true},
    Command{.name = "sft",
            .synopsis = "sft receive single N | all [--file F]\nsft send single N | all --file F",
            .help = TrMark("the same for shifts (needs --axes)"),
            .run = RunSft,
            .needsPort = true},
};

}  // namespace

std::span<const Command> PositionCommands() { return kCommands; }

}  // namespace zova::cli
