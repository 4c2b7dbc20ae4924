// zovactl backup DIR, restore DIR, compare DIR, each with [--only LIST].
#include <array>
#include <cstdio>
#include <optional>
#include <string>

#include "zova/version.h"
#include "backup/backup_folder.h"
#include "backup/whole_controller.h"
#include "cli/commands.h"
#include "link/line_owner.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

enum class Operation { Backup, Restore, Compare };

const char* Name(Operation op) {
  return op == Operation::Backup ? "backup" : op == Operation::Restore ? "restore" : "compare";
}

struct Request {
  std::string dir;
  std::optional<std::string> list;
  backup::Parts parts = backup::Parts::All();
};

// The folder and the parts; kExitOk, or the refusal after its message.
int Read(Context& ctx, const Args& args, Operation op, Request& request) {
  Ui& ui = *ctx.ui;
  Args words;
  const bool usage = !ReadArgs(args, {{"--only", &request.list}}, words) || words.size() != 1;
  if (!usage) request.dir = words[0];
  std::string error;
  if (usage || request.dir.empty() || (request.list && !backup::Parts::Parse(*request.list, request.parts, error))) {
    if (!error.empty()) ui.messageBox(error);
    ui.messageBox(Tr("usage: zovactl {1}", {Name(op) + std::string(" DIR [--only programs,loc,sft,sys,axis]")}));
    return kExitUsage;
  }
  if (!ctx.requireAxes()) return kExitUsage;
  if (op == Operation::Backup && !backup::BackupTargetFree(ui, request.dir)) return kExitUsage;
  return kExitOk;
}

int Run(Context& ctx, const Args& args, Operation op) {
  Ui& ui = *ctx.ui;
  Request request;
  if (const int refused = Read(ctx, args, op, request); refused != kExitOk) return refused;
  const std::string& dir = request.dir;
  const backup::Parts& parts = request.parts;

  const backup::Setup setup{ctx.options.axes, ctx.options.machineType, ctx.options.port, ctx.lineSettings,
                            VersionNumber()};
  const backup::Parts* only = request.list ? &parts : nullptr;
  backup::Report report;
  // One operation holds the line from the first part to the last.
  report.result = HoldLine(*ctx.link, [&] {
    switch (op) {
      case Operation::Backup:
        report = backup::Backup(*ctx.link, setup, parts, dir);
        break;
      case Operation::Restore:
        report = backup::Restore(*ctx.link, setup, only, dir);
        break;
      case Operation::Compare:
        report = backup::Compare(*ctx.link, setup, only, dir);
        break;
    }
    return report.result;
  });
  // The differences go to standard output; the operation's bar on standard error ended with it.
  for (const backup::Difference& d : report.differences)
    std::fprintf(ctx.out, "%s\n", backup::DifferenceLine(d).c_str());
  std::fflush(ctx.out);
  // What was sent, when a restore did not end as it should; why a backup left nothing; how much differs.
  if (report.result != Outcome::Ok && (op != Operation::Compare || report.result == Outcome::Different)) {
    for (const std::string& line : report.summary) ui.messageBox(std::string(Name(op)) + ": " + line);
  } else {
    for (const std::string& line : report.notices) ui.messageBox(std::string(Name(op)) + ": " + line);
  }
  return ExitFor(report.result);
}

}  // namespace

int RunBackup(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Backup); }
int RunRestore(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Restore); }
int RunCompare(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Compare); }

int RunDiff(Context& ctx, const Args& args) {
  Ui& ui = *ctx.ui;
  if (args.size() != 2 || args[0].empty() || args[1].empty() || args[0].starts_with("--") ||
      args[1].starts_with("--")) {
    ui.messageBox(Tr("usage: zovactl {1}", {"diff OLD NEW"}));
    return kExitUsage;
  }
  const backup::Report report = backup::DiffBackups(ui, args[0], args[1]);
  for (const backup::Difference& d : report.differences)
    std::fprintf(ctx.out, "%s\n", backup::DifferenceLine(d, "old", "new").c_str());
  std::fflush(ctx.out);
  if (report.result == Outcome::Different) {
    const std::string command = "diff";
    for (const std::string& line : report.summary) ui.messageBox(command + ": " + line);
  }
  // A backup whose blocks disagree with its own BACKUP.txt is as damaged as one that fails its sums.
  return report.result == Outcome::Refused ? kExitFile : ExitFor(report.result);
}

int CheckBackup(Context& ctx, const Args& args) {
  Request request;
  return Read(ctx, args, Operation::Backup, request);
}
int CheckRestore(Context& ctx, const Args& args) {
  Request request;
  return Read(ctx, args, Operation::Restore, request);
}
int CheckCompare(Context& ctx, const Args& args) {
  Request request;
  return Read(ctx, args, Operation::Compare, request);
}

namespace {

const std::array kCommands = {
    Command{.name = "backup",
            .synopsis = "backup DIR [--only LIST]",
            .help = TrMark("fetch programs 0 to 31, the location and shift tables and the system and axis "
                           "parameters into the new or empty folder DIR: source, table and parameter files, the "
                           "blocks as sent under raw/, BACKUP.txt and SHA256SUMS (needs --axes; LIST: some of "
                           "programs,loc,sft,sys,axis)"),
            .run = RunBackup,
            .check = CheckBackup,
            .needsPort = true},
    Command{.name = "restore",
            .synopsis = "restore DIR [--only LIST]",
            .help = TrMark("check DIR against its SHA256SUMS (exit 3) and its axis count (exit 2), send "
                           "it back exactly as fetched, read it back and compare (needs --axes)"),
            .run = RunRestore,
            .check = CheckRestore,
            .needsPort = true},
    Command{.name = "compare",
            .synopsis = "compare DIR [--only LIST]",
            .help = TrMark("print one line per difference between the controller and the backup DIR "
                           "(exit 4 when they differ; needs --axes)"),
            .run = RunCompare,
            .check = CheckCompare,
            .needsPort = true},
    Command{.name = "diff",
            .synopsis = "diff OLD NEW",
            .help = TrMark("print one line per difference between the backup folders OLD and NEW, both checked as "
                           "restore checks them (exit 4 when they differ, 3 when one is damaged)"),
            .run = RunDiff},
    Command{.name = "fleet",
            .synopsis = "fleet backup FLEET --into DIR [--only LIST] [--keep N] [--jobs N]",
            .help = TrMark("back up every controller of the TOML file FLEET side by side into "
                           "DIR/NAME/YYYY-MM-DDTHHMMSSZ (DIR/NAME/latest names the newest), print one line per "
                           "controller and write DIR/fleet-YYYY-MM-DDTHHMMSSZ.json; --keep N keeps each controller's "
                           "N newest backups, --jobs N runs at most N at once; --settings, --machine-type, --timeout "
                           "and --handshake-timeout before the command are defaults under FLEET's, --trace DIR writes "
                           "one trace per controller (exit 1 when any failed, 2 for a mistake in FLEET or a DIR "
                           "another run is writing into)"),
            .run = RunFleet,
            .check = CheckFleet},
};

}  // namespace

std::span<const Command> BackupCommands() { return kCommands; }

}  // namespace zova::cli
