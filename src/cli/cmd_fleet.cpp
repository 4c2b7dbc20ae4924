// zovactl fleet backup FLEET --into DIR [--only LIST] [--keep N] [--jobs N].
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <thread>

#include "zova/version.h"
#include "backup/fleet.h"
#include "backup/run_lock.h"
#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/port_stack.h"
#include "base/atomic_file.h"
#include "link/connection.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

constexpr std::size_t kFleetFileMaxBytes = 1 << 20;
constexpr const char* kLockFile = ".fleet.lock";  // in DIR, while a run writes there
constexpr const char* kUsage = "fleet backup FLEET --into DIR [--only LIST] [--keep N] [--jobs N]";

struct FleetRequest {
  std::string file;
  std::string into;
  backup::Parts parts = backup::Parts::All();
  int keep = 0;
  int jobs = 0;
  std::vector<backup::FleetMember> members;
  backup::FleetHistory history;
};

// The words and the fleet file; kExitOk, or the refusal after its message. Nothing is opened here.
int ReadRequest(Context& ctx, const Args& args, FleetRequest& r) {
  Ui& ui = *ctx.ui;
  std::optional<std::string> list;
  std::optional<std::string> keep;
  std::optional<std::string> jobs;
  std::optional<std::string> into;
  Args words;
  bool usage = !ReadArgs(args, {{"--into", &into}, {"--only", &list}, {"--keep", &keep}, {"--jobs", &jobs}}, words) ||
               words.size() != 2 || words[0] != "backup";
  if (!usage) r.file = words[1];
  std::string error;
  if (!usage && list && !backup::Parts::Parse(*list, r.parts, error)) usage = true;
  if (!usage && keep && (!ParseInt(*keep, r.keep) || r.keep < 1)) {
    error = Tr("{1}: expected a whole number above 0", {"--keep"});
  }
  if (!usage && jobs && (!ParseInt(*jobs, r.jobs) || r.jobs < 1)) {
    error = Tr("{1}: expected a whole number above 0", {"--jobs"});
  }
  if (usage || r.file.empty() || !into || into->empty() || !error.empty()) {
    if (!error.empty()) ui.messageBox(error);
    ui.messageBox(Tr("usage: zovactl {1}", {kUsage}));
    return kExitUsage;
  }
  if (!ctx.options.port.empty()) {
    ui.messageBox(Tr("fleet backup takes each controller's port from {1}, not --port", {r.file}));
    return kExitUsage;
  }
  if (ctx.options.axes != 0) {
    ui.messageBox(Tr("fleet backup takes each controller's axis count from {1}, not --axes", {r.file}));
    return kExitUsage;
  }
  r.into = *into;
  std::string text;
  if (!ReadTextFile(r.file, kFleetFileMaxBytes, text, error)) {
    ui.messageBox(r.file + ": " + error);
    return kExitFile;
  }
  // The options before the command are defaults under the file's own.
  backup::FleetMember base;
  base.settings = ctx.options.settings;
  base.machineType = ctx.options.machineType;
  base.timeoutSeconds = ctx.options.timeoutSeconds;
  base.handshakeTimeoutSeconds = ctx.options.handshakeTimeoutSeconds;
  if (const TextFault fault = backup::ReadFleet(text, r.members, base, backup::SystemLookup(), &r.history);
      fault.failed()) {
    ui.messageBox(FormatTextFault(r.file, fault));
    return kExitUsage;
  }
  return kExitOk;
}

// A port, its link and its connection, made and used by one worker.
class CliFleetLine final : public backup::FleetLine {
 public:
  CliFleetLine(std::unique_ptr<PortStack> stack, Ui& ui, const Options& options)
      : stack_(std::move(stack)), link_(stack_->port(), ui, systemClock()), connection_(link_) {
    ApplyTimeouts(options, link_);
  }
  ~CliFleetLine() override {
    if (!closed_) stack_->port().close();
  }
  CliFleetLine(const CliFleetLine&) = delete;
  CliFleetLine& operator=(const CliFleetLine&) = delete;
  bool open() { return connection_.Open(false); }
  Link& link() override { return link_; }
  [[nodiscard]] std::string settings() const override { return stack_->settings(); }
  std::string close() override {
    closed_ = true;
    stack_->port().close();  // writes what the trace still holds
    return stack_->traceFault();
  }
  [[nodiscard]] std::string linkFault() const { return stack_->port().linkFault(); }

 private:
  std::unique_ptr<PortStack> stack_;
  bool closed_ = false;
  Link link_;
  Connection connection_;
};

// `traceFolder` (if not empty) takes one trace per controller, NAME-STAMP.trace.
std::unique_ptr<backup::FleetLine> OpenMember(const backup::FleetMember& member, Ui& ui, const std::string& traceFolder,
                                              const std::string& stamp, const ports::PortMakers& makers) {
  Options options;
  if (!traceFolder.empty()) {
    options.traceFile = (std::filesystem::path(traceFolder) / (member.name + "-" + stamp + ".trace")).string();
  }
  options.port = member.port;
  options.settings = member.settings;
  options.axes = member.axes;
  options.machineType = member.machineType;
  options.timeoutSeconds = member.timeoutSeconds;
  options.handshakeTimeoutSeconds = member.handshakeTimeoutSeconds;
  std::string error;
  int status = kExitOk;
  std::unique_ptr<PortStack> stack = MakePortStack(options, "", makers, ui, error, status);
  if (!stack) {
    ui.messageBox(error);
    return nullptr;
  }
  auto line = std::make_unique<CliFleetLine>(std::move(stack), ui, options);
  if (!line->open()) {
    if (const std::string fault = line->linkFault(); !fault.empty()) ui.messageBox(fault);
    return nullptr;
  }
  return line;
}

}  // namespace

int CheckFleet(Context& ctx, const Args& args) {
  FleetRequest request;
  return ReadRequest(ctx, args, request);
}

int RunFleet(Context& ctx, const Args& args) {
  Ui& ui = *ctx.ui;
  FleetRequest request;
  if (const int refused = ReadRequest(ctx, args, request); refused != kExitOk) return refused;
  const std::string& traceFolder = ctx.options.traceFile;
  std::error_code ec;
  for (const std::string& folder : {request.into, traceFolder}) {
    if (!folder.empty()) std::filesystem::create_directories(folder, ec);
    if (ec) {
      ui.messageBox(folder + ": " + ec.message());
      return kExitFile;
    }
  }
  const std::filesystem::path into(request.into);
  const backup::RunLock lock((into / kLockFile).string());
  if (lock.state() != backup::RunLock::State::Held) {
    const bool busy = lock.state() == backup::RunLock::State::Busy;
    ui.messageBox(busy ? Tr("{1}: another fleet backup is writing into this folder", {request.into})
                       : (into / kLockFile).string() + ": " + lock.error());
    return busy ? kExitUsage : kExitFile;
  }
  ports::PreparePorts(ctx.ports);
  backup::FleetRun run;
  run.into = request.into;
  // A run within the second of an earlier one would take its names: it waits for the next second.
  auto jsonFile = [&into](const std::string& stamp) { return (into / backup::SummaryFileName(stamp)).string(); };
  auto taken = [&](const std::string& stamp) {
    if (std::filesystem::exists(jsonFile(stamp), ec)) return true;
    return std::any_of(request.members.begin(), request.members.end(), [&](const backup::FleetMember& m) {
      return std::filesystem::exists(into / m.name / stamp, ec);
    });
  };
  run.stamp = backup::FleetStamp(std::chrono::system_clock::now());
  while (taken(run.stamp)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    run.stamp = backup::FleetStamp(std::chrono::system_clock::now());
  }
  run.parts = request.parts;
  run.keep = request.keep;
  run.jobs = request.jobs;
  run.version = VersionNumber();
  run.open = [&traceFolder, stamp = run.stamp, &ctx](const backup::FleetMember& member, Ui& memberUi) {
    return OpenMember(member, memberUi, traceFolder, stamp, ctx.ports);
  };
  run.startThread = [&ctx](std::function<void()> work) { return ports::StartPortThread(ctx.ports, std::move(work)); };
  run.stopRequested = [] { return InterruptWatch::received() != 0; };
  const std::vector<backup::FleetOutcome> outcomes = backup::RunFleet(request.members, run);

  int status = kExitOk;
  for (const backup::FleetOutcome& o : outcomes) {
    std::fprintf(ctx.out, "%s\n", backup::FleetSummaryLine(o).c_str());
    if (!o.result) {
      ui.messageBox((o.result == Outcome::Refused ? Tr("{1}: refused", {o.name}) : Tr("{1}: failed", {o.name})) +
                    (o.message.empty() ? "" : ": " + o.message));
      if (status == kExitOk) status = kExitLink;
    } else if (!o.message.empty()) {
      ui.messageBox(o.name + ": " + o.message);
    }
    if (o.stopped) status = kExitInterrupted;
  }
  std::fflush(ctx.out);
  // The backups stand whatever becomes of their history: it is kept after them, and only adds its entry.
  std::vector<std::string> entries;
  if (!request.history.git.empty()) entries.push_back(RecordHistory(ctx, request.history, run.stamp, outcomes, status));
  const std::string json = jsonFile(run.stamp);
  std::string error;
  if (!SaveFileAtomically(json, backup::FleetJson(outcomes, entries), error)) {
    ui.messageBox(json + ": " + error);
    if (status == kExitOk) status = kExitFile;
  } else if (request.keep > 0) {
    (void)backup::PruneSummaries(request.into, request.keep, run.stamp, error);
    if (!error.empty()) {
      ui.messageBox(error);
      if (status == kExitOk) status = kExitFile;
    }
  }
  return status;
}

}  // namespace zova::cli
