// zovactl history PATH NAME [--since DATE] [--item TEXT], and a fleet run into its history repository.
#include <array>
#include <cstdio>

#include "backup/fleet.h"
#include "base/translation.h"
#include "cli/commands.h"
#ifdef ZOVA_HISTORY
#include "history/history.h"
#endif

namespace zova::cli {

namespace {

constexpr const char* kUsage = "history PATH NAME [--since DATE] [--item TEXT]";

}  // namespace

int RunHistory(Context& ctx, const Args& args) {
  Ui& ui = *ctx.ui;
  std::optional<std::string> since;
  std::optional<std::string> item;
  Args words;
  const bool usage = !ReadArgs(args, {{"--since", &since}, {"--item", &item}}, words) || words.size() != 2 ||
                     words[0].empty() || (item && item->empty());
#ifdef ZOVA_HISTORY
  if (!usage && since && !history::IsSinceDate(*since)) {
    ui.messageBox(Tr("{1}: expected a date, YYYY-MM-DD or YYYY-MM-DDTHHMMSSZ", {"--since"}));
    ui.messageBox(Tr("usage: zovactl {1}", {kUsage}));
    return kExitUsage;
  }
#endif
  if (usage || !backup::IsFleetName(words[1])) {
    if (!usage) ui.messageBox(Tr("\"{1}\" is not a name of 1 to 64 letters, digits, '.', '_' or '-'", {words[1]}));
    ui.messageBox(Tr("usage: zovactl {1}", {kUsage}));
    return kExitUsage;
  }
#ifdef ZOVA_HISTORY
  std::vector<history::Change> changes;
  const Outcome read = history::ReadChanges(words[0], words[1], {since.value_or(""), item.value_or("")}, changes);
  for (const history::Change& c : changes) std::fprintf(ctx.out, "%s\n", history::ChangeLine(c).c_str());
  std::fflush(ctx.out);
  if (!read) ui.messageBox(read.detail);
  return read ? kExitOk : kExitFile;
#else
  ui.messageBox(Tr("this zovactl was built without libgit2: no history"));
  return kExitUsage;
#endif
}

std::string RecordHistory(Context& ctx, const backup::FleetHistory& settings, const std::string& stamp,
                          const std::vector<backup::FleetOutcome>& outcomes, int& status) {
#ifdef ZOVA_HISTORY
  Ui& ui = *ctx.ui;
  std::vector<history::ControllerRun> runs;
  for (const backup::FleetOutcome& o : outcomes) {
    runs.push_back({o.name, o.folder, o.message.empty() ? to_string(o.result) : o.message});
  }
  history::Options options;
  options.host = history::HostName();
  options.pushLimit = std::chrono::milliseconds(static_cast<std::int64_t>(settings.timeoutSeconds * 1000));
  options.step = [&ctx](const std::string& text) {
    if (!ctx.options.quiet) std::fprintf(stderr, "%s\n", text.c_str());
  };
  const history::Recorded r = history::RecordRun(settings, stamp, runs, options);
  if (!r.result) {
    ui.messageBox(Tr("history: {1}", {r.reason}));
    if (status == kExitOk) status = kExitLink;
  } else if (!ctx.options.quiet) {
    std::fprintf(stderr, "%s\n", Tr("history: {1}", {r.summary}).c_str());
  }
  using backup::JsonString;
  const bool remote = !settings.remote.empty();
  return "{\"history\": {\"repository\": " + JsonString(settings.git) +
         ", \"committed\": " + (r.committed ? "true" : "false") +
         ", \"commit\": " + (r.commit.empty() ? "null" : JsonString(r.commit)) +
         ", \"summary\": " + JsonString(r.summary) + ", \"pushed\": " +
         (!remote    ? "null"
          : r.pushed ? "true"
                     : "false") +
         ", \"reason\": " + (r.reason.empty() ? "null" : JsonString(r.reason)) + "}}";
#else
  (void)stamp;
  (void)outcomes;
  ctx.ui->messageBox(Tr("this zovactl was built without libgit2: no history"));
  if (status == kExitOk) status = kExitLink;
  return "{\"history\": {\"repository\": " + backup::JsonString(settings.git) + ", \"committed\": false}}";
#endif
}

namespace {

const std::array kCommands = {
    Command{.name = "history",
            .synopsis = kUsage,
            .help = TrMark("print what changed when for controller NAME, oldest first, one line per change "
                           "(\"STAMP ITEM: OLD -> NEW\"), from the history repository PATH of a fleet file's "
                           "[history] or from the fleet folder PATH's dated backups; --since DATE from that day, "
                           "--item TEXT that item alone (exit 3 when PATH is damaged or not a history)"),
            .run = RunHistory},
};

}  // namespace

std::span<const Command> HistoryCommands() { return kCommands; }

}  // namespace zova::cli
