// Options of the simulated controller.
#include "sim/sim_options.h"

#include <CLI/CLI.hpp>
#include <chrono>
#include <limits>
#include <utility>

#include "base/text_lines.h"
#include "base/translation.h"
#include "options/help_text.h"
#include "options/whole_number_option.h"

namespace zova::sim {

namespace {
// Far beyond a script a person writes.
constexpr std::size_t kMaxScriptBytes = 1 << 20;
}  // namespace

void AddSimOptions(CLI::App& app, Controller& c, SimOptions& options) {
  Faults& f = c.faults;
  // An option given twice is a mistake in the script, not a choice between its values.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  constexpr int kMost = std::numeric_limits<int>::max();
  const CLI::Validator count = options::WholeNumber(0, kMost);
  app.add_option("--axes", c.machine.axes, Tr("axis count of the controller (default 4)"))
      ->option_text("N")
      ->check(options::WholeNumber(1, kMaxAxes));
  app.add_option_function<int>(
         "--baud",
         [&](int baud) {
           options.baud = baud;
           c.setBaud(baud);
         },
         Tr("pace the line both ways at B baud (default: unpaced)"))
      ->option_text("B")
      ->check(options::WholeNumber(0, 4000000));
  app.add_option_function<int>(
         "--input", [&c](int point) { c.machine.setInput(point, true); }, Tr("input point P is on (repeatable)"))
      ->option_text("P")
      ->check(options::WholeNumber(0, 63))
      ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
      ->trigger_on_parse();
  app.add_option_function<std::pair<int, int>>(
         "--error",
         [&c](const std::pair<int, int>& error) {
           c.machine.errorCode = error.first;
           c.machine.errorValue = error.second;
           c.machine.setOutput(kOutError, true);
         },
         Tr("the controller reports this error"))
      ->option_text("CODE VALUE")
      ->check(options::WholeNumber(std::numeric_limits<int>::min(), kMost));
  app.add_option("--state", options.stateFile,
                 Tr("keep programs, tables, parameters and the axis count in FILE across runs: loaded at start, "
                    "saved after every change (a new FILE starts from the other options)"))
      ->option_text("FILE");
  // A host that is slow to be scheduled (a loaded test machine) must not lose its exchange to this wait.
  app.add_option_function<int>(
         "--host-timeout", [&c](int s) { c.hostTimeout = std::chrono::seconds(s); },
         Tr("abandon a request after S seconds without the host's next byte (default 2)"))
      ->option_text("S")
      ->check(options::WholeNumber(1, 3600));
  app.add_option_function<std::string>(
         "--script",
         [&c](const std::string& path) {
           std::string text;
           std::string error;
           if (!ReadTextFile(path, kMaxScriptBytes, text, error))
             throw CLI::ValidationError(FormatFileFault(path, error));
           std::vector<ScriptEvent> events;
           const TextFault fault = ParseScript(text, events);
           if (fault.failed()) throw CLI::ValidationError(FormatTextFault(path, fault));
           c.setScript(std::move(events));
         },
         Tr("apply the events of FILE at their times: \"SECONDS in P on|off\", \"jog AXIS +|- SPEED\", \"stop\", "
            "\"error CODE VALUE\", one a line"))
      ->option_text("FILE");
  app.add_option("--link", options.link, Tr("make PATH a symbolic link to the device while serving"))
      ->option_text("PATH");

  const std::string faults = Tr("faults");
  auto addCount = [&](const char* name, auto& field, const char* help) {
    app.add_option(name, field, Tr(help))->option_text("N")->check(count)->group(faults);
  };
  addCount("--silence-after", f.silenceAfter, TrMark("stop sending after N bytes"));
  addCount("--disconnect-after", f.disconnectAfter, TrMark("drop the line after N bytes"));
  app.add_flag("--wrong-echo", f.wrongEcho, Tr("echo a different command code"))->group(faults);
  app.add_flag("--dle-for-syn", f.dleForSyn, Tr("answer DLE where SYN accepts"))->group(faults);
  app.add_flag("--bad-checksum", f.badChecksum, Tr("reply blocks carry a wrong checksum"))->group(faults);
  app.add_flag("--bad-terminator", f.badTerminator, Tr("reply blocks end without ETX"))->group(faults);
  addCount("--short-block", f.shortBlock, TrMark("reply blocks lose N bytes"));
  addCount("--extra-bytes", f.extraBytes, TrMark("N junk bytes after each reply block"));
  addCount("--announce", f.announce, TrMark("length announcements claim N bytes"));
  app.add_flag("--refuse-blocks", f.refuseBlocks, Tr("answer host blocks with DLE"))->group(faults);
  addCount("--from-command", f.fromCommand, TrMark("faults start at the N-th command"));
  app.add_option("--only-command", f.onlyCommand, Tr("faults act on command code C only"))
      ->option_text("C")
      ->check(count)
      ->group(faults);
}

std::string ApplySimOptions(const std::vector<std::string>& args, Controller& controller, SimOptions& options) {
  CLI::App app;
  app.set_help_flag();  // zovasim --help describes these
  AddSimOptions(app, controller, options);
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 takes the words last first
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& e) {
    return Tr("simulator options: {1}", {options::ParseErrorReason(e)});
  }
  return {};
}

}  // namespace zova::sim
