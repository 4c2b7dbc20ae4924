// zovactl backup DIR, restore DIR, compare DIR, each with [--only LIST].
#include "cli/cmd_backup.h"

#include <cstdio>
#include <string>

#include "app/version.h"
#include "backup/whole_controller.h"
#include "link/terminal_ui.h"

namespace zova::cli {

namespace {

using backup::Result;

enum class Operation { Backup, Restore, Compare };

const char* Name(Operation op) {
  return op == Operation::Backup ? "backup" : op == Operation::Restore ? "restore" : "compare";
}

int ExitFor(Result result) {
  switch (result) {
    case Result::Ok:
      return kExitOk;
    case Result::Different:
      return kExitDifferent;
    case Result::Refused:
      return kExitUsage;
    case Result::Damaged:
    case Result::FileFailed:
      return kExitFile;
    case Result::LinkFailed:
      return kExitLink;
    case Result::Cancelled:
      return kExitInterrupted;
  }
  return kExitLink;
}

int Run(Context& ctx, const Args& args, Operation op) {
  Ui& ui = *ctx.ui;
  std::string dir;
  std::string list;
  bool usage = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--only" && i + 1 < args.size() && list.empty()) {
      list = args[++i];
    } else if (dir.empty() && !args[i].empty() && !args[i].starts_with("--")) {
      dir = args[i];
    } else {
      usage = true;
    }
  }
  backup::Parts parts = backup::Parts::All();
  std::string error;
  if (usage || dir.empty() || (!list.empty() && !backup::Parts::Parse(list, parts, error))) {
    if (!error.empty()) ui.messageBox(error);
    ui.messageBox(std::string("usage: zovactl ") + Name(op) + " DIR [--only programs,loc,sft,sys,axis]");
    return kExitUsage;
  }
  if (!ctx.requireAxes()) return kExitUsage;

  const backup::Setup setup{
      ctx.options.axes, ctx.options.machineType, ctx.options.port,
      ctx.options.settings.empty() ? "the stored settings, else 9600,n,8,1" : ctx.options.settings,
      std::to_string(app::kVersionMajor) + "." + std::to_string(app::kVersionMinor) + "." +
          std::to_string(app::kVersionRevision)};
  const backup::Parts* only = list.empty() ? nullptr : &parts;
  backup::Report report;
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
  // The differences go to standard output: the bar on standard error must not run into them.
  if (auto* terminal = dynamic_cast<TerminalUi*>(&ui)) terminal->clearProgressLine();
  for (const backup::Difference& d : report.differences)
    std::fprintf(ctx.out, "%s\n", backup::DifferenceLine(d).c_str());
  std::fflush(ctx.out);
  // What was sent, when a restore did not end as it should; why a backup left nothing; how much differs.
  if (report.result != Result::Ok && (op != Operation::Compare || report.result == Result::Different)) {
    for (const std::string& line : report.summary) ui.messageBox(std::string(Name(op)) + ": " + line);
  }
  return ExitFor(report.result);
}

}  // namespace

int RunBackup(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Backup); }
int RunRestore(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Restore); }
int RunCompare(Context& ctx, const Args& args) { return Run(ctx, args, Operation::Compare); }

}  // namespace zova::cli
