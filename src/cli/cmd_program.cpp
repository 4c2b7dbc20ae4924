// zovactl program send N FILE | send-all DIR | receive N FILE | receive-all DIR.
#include <array>
#include <string>

#include "cli/commands.h"
#include "language/program_store.h"
#include "programs/program_files.h"
#include "programs/program_transfer.h"
#include "link/link.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

using programs::ProgramTransfer;
using programs::TransferReport;

constexpr const char* kUsage = "program send N FILE | send-all DIR | receive N FILE | receive-all DIR";
// Axis-checked instructions compile against the configured axis count; without --axes the largest machine.
constexpr int kDefaultAxes = 6;

int Usage(Context& ctx) {
  ctx.ui->messageBox(Tr("usage: zovactl {1}", {kUsage}));
  return kExitUsage;
}

int TellAndExit(Context& ctx, const TransferReport& report) {
  if (report.rejected > 0) {
    // The window answers a bad block with DLE and says nothing; a script must learn which files are old.
    ctx.ui->messageBox(Tr("{1} program block(s) arrived with a wrong checksum: their files were not written",
                          {std::to_string(report.rejected)}));
  }
  for (const std::string& line : report.notCompilingBack) ctx.ui->messageBox(line);
  if (!report.notCompilingBack.empty()) {
    ctx.ui->messageBox(
        Tr("the written source does not compile back to what the controller holds; "
           "zovactl backup keeps the exact image"));
  }
  return ExitFor(report.outcome());
}

// A folder given as DIR/ names the same folder as DIR (the root stays "/").
std::string FolderArgument(std::string dir) {
  while (dir.size() > 1 && dir.back() == programs::kPathSeparator) dir.pop_back();
  return dir;
}

}  // namespace

int RunProgram(Context& ctx, const Args& args) {
  if (args.empty()) return Usage(ctx);
  const std::string& verb = args[0];
  const bool single = verb == "send" || verb == "receive";
  const bool all = verb == "send-all" || verb == "receive-all";
  if (!(single && args.size() == 3) && !(all && args.size() == 2)) return Usage(ctx);
  int number = 0;
  if (single && !ParseInt(args[1], number)) return Usage(ctx);

  const language::LanguageConfig config{ctx.options.axes != 0 ? ctx.options.axes : kDefaultAxes,
                                        ctx.options.machineType};
  language::ProgramStore store;
  ProgramTransfer transfer(store, config);
  transfer.problemsAsFileLine = true;
  Link& link = *ctx.link;
  const bool sending = verb == "send" || verb == "send-all";

  if (sending) {
    if (single) {
      transfer.TxProgramNo = number;
      transfer.TransFileName = args[2];
      return TellAndExit(ctx, transfer.SendPrograms(link, programs::kModeSingle));
    }
    transfer.TransFolder = FolderArgument(args[1]);
    if (!programs::CheckAllTransFiles(transfer.TransFolder, *ctx.ui)) return kExitFile;
    return TellAndExit(ctx, transfer.SendPrograms(link, programs::kModeAll));
  }
  if (single) {
    transfer.RxProgramNo = number;
    transfer.RecvFileName = args[2];
    return TellAndExit(ctx, transfer.ReceivePrograms(link, programs::kModeSingle));
  }
  transfer.RecvFolder = FolderArgument(args[1]);
  return TellAndExit(ctx, transfer.ReceivePrograms(link, programs::kModeAll));
}

namespace {

const std::array kCommands = {
    Command{.name = "program",
            .synopsis = "program send N FILE | send-all DIR\nprogram receive N FILE | receive-all DIR",
            .help = TrMark("send: compile and transmit program N (0 to 31) from FILE, or programs 0 to 31 from "
                           "DIR/ZOVAPRG00.dat to DIR/ZOVAPRG31.dat (axis checks use --axes, else 6); receive: fetch "
                           "program N, or all 32, and write their source files (exit 3 when a source does not compile "
                           "or a file cannot be read or written, 4 when a written source does not compile back to "
                           "what the controller holds)"),
            .run = RunProgram,
            .needsPort = true},
};

}  // namespace

std::span<const Command> ProgramCommands() { return kCommands; }

}  // namespace zova::cli
