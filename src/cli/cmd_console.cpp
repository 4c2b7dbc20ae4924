// zovactl commands of manual operation, through the same console operations as the main window.
#include <algorithm>
#include <array>
#include <string>

#include "cli/commands.h"
#include "console/console_input.h"
#include "language/compiler.h"
#include "link/decoders.h"
#include "link/line_owner.h"
#include "base/translation.h"
#include "base/whole_number.h"

namespace zova::cli {

namespace {

int usage(Context& ctx, const char* text) { return ctx.refuse(Tr("usage: zovactl {1}", {text})); }

constexpr const char* kJogUsage = "jog AXIS + | - [--speed S] [--ms T]";
constexpr const char* kMoveUsage = "move TEXT [--speed S] [--accel A]";

// The console rounds what its boxes hold, as the windows do; a script's numbers must be whole instead, so
// that 4.5 never starts program 4. False (after a message) for the first that is not.
bool allWhole(Context& ctx, std::initializer_list<std::pair<const char*, const std::string*>> numbers) {
  for (auto [name, text] : numbers) {
    if (!ReadWholeNumber(*text)) {
      ctx.refuse(Tr("{1} takes a whole number, not {2}", {name, *text}));
      return false;
    }
  }
  return true;
}

// A jog runs for at most a minute: a script with a typo in --ms must not send an axis to its limit.
constexpr int kMaxJogMs = 60000;
// How soon a Ctrl-C stops a jog.
constexpr auto kCancelPollStep = milliseconds(20);

// Waits `total`, looking for the operator's request to stop every few hundredths of a second.
bool WaitUnlessCancelled(Context& ctx, Duration total) {
  Clock& clock = ctx.link->clock();
  const TimePoint end = clock.now() + total;
  for (TimePoint now = clock.now(); now < end; now = clock.now()) {
    if (ctx.ui->cancelRequested()) return false;
    clock.sleepFor(std::min<Duration>(end - now, kCancelPollStep));
  }
  return true;
}

int stopOrReset(Context& ctx, int index) {
  if (!ctx.requireAxes()) return kExitUsage;
  ConsoleSession session(ctx);
  return ExitFor(session.console.RunClick(index, ""));
}

}  // namespace

void PrintPositions(Context& ctx, const console::ManualConsole& console, int axes) {
  for (auto [label, values] : {std::pair{"command", &console.CommandPos}, std::pair{"actual", &console.ActualPos}}) {
    std::string line = label;
    for (int a = 0; a < axes; ++a) line += ' ' + FormatHundredths((*values)[a]);
    std::fprintf(ctx.out, "%s\n", line.c_str());
  }
}

int RunZeroReturn(Context& ctx, const Args&) {
  ConsoleSession session(ctx);
  return ExitFor(session.console.ZrClick());
}

int RunJog(Context& ctx, const Args& args) {
  std::optional<std::string> speedGiven;
  std::optional<std::string> msGiven;
  Args words;
  if (!ReadArgs(args, {{"--speed", &speedGiven}, {"--ms", &msGiven}}, words) || words.size() != 2 ||
      (words[1] != "+" && words[1] != "-")) {
    return usage(ctx, kJogUsage);
  }
  const std::string speed = speedGiven.value_or("10");
  const std::string msText = msGiven.value_or("500");
  if (!allWhole(ctx, {{"AXIS", &words[0]}, {"--speed", &speed}})) return kExitUsage;
  int ms = 0;
  if (!ParseInt(msText, ms) || ms < 0 || ms > kMaxJogMs) {
    ctx.ui->messageBox(Tr("--ms must be a whole number of milliseconds, 0 to {1}", {std::to_string(kMaxJogMs)}));
    return kExitUsage;
  }
  if (!ctx.requireAxes()) return kExitUsage;
  ConsoleSession session(ctx);
  const int index = words[1] == "+" ? console::kJogPositive : console::kJogNegative;
  if (Outcome pressed = session.console.JogPress(index, speed, words[0]); !pressed) return ExitFor(pressed);
  const bool wholeTime = WaitUnlessCancelled(ctx, milliseconds(ms));
  // The stop goes out on every path: an interrupted jog must not leave the axis running.
  if (Outcome released = session.console.JogRelease(index); !released) return ExitFor(released);
  PrintPositions(ctx, session.console, ctx.options.axes);
  return wholeTime ? kExitOk : kExitInterrupted;
}

int RunMove(Context& ctx, const Args& args) {
  std::optional<std::string> speedGiven;
  std::optional<std::string> accelGiven;
  Args words;
  if (!ReadArgs(args, {{"--speed", &speedGiven}, {"--accel", &accelGiven}}, words) || words.size() != 1) {
    return usage(ctx, kMoveUsage);
  }
  const std::string speed = speedGiven.value_or("10");
  const std::string accel = accelGiven.value_or("50");
  if (!allWhole(ctx, {{"--speed", &speed}, {"--accel", &accel}})) return kExitUsage;
  language::LanguageConfig config;
  config.axes = ctx.options.axes == 0 ? 6 : ctx.options.axes;
  config.machineType = ctx.options.machineType;
  language::ProgramStore store;
  language::Compiler compiler(store, ctx.ui->diagnostics(), config);
  ConsoleSession session(ctx);
  return ExitFor(session.console.MovClick(compiler, words[0], speed, accel));
}

// A program number the console would refuse is refused before the port opens.
int CheckStartProgram(Context& ctx, const Args& args) {
  if (args.size() != 1) return usage(ctx, "run N");
  if (!allWhole(ctx, {{"N", &args[0]}})) return kExitUsage;
  return console::ValueInRange(args[0], 0, console::kMaxProgram) ? kExitOk : ctx.refuse(Tr(console::kMsgProgramRange));
}

int RunStartProgram(Context& ctx, const Args& args) {
  ConsoleSession session(ctx);
  return ExitFor(session.console.RunClick(console::kRunStart, args[0]));
}

int RunStopProgram(Context& ctx, const Args&) { return stopOrReset(ctx, console::kRunStop); }
int RunResetProgram(Context& ctx, const Args&) { return stopOrReset(ctx, console::kRunReset); }

int RunLocSet(Context& ctx, const Args& args) {
  if (args.size() != 1) return usage(ctx, "loc-set N");
  if (!allWhole(ctx, {{"N", &args[0]}})) return kExitUsage;
  if (!ctx.requireAxes()) return kExitUsage;
  // Checked here too, so that a wrong number is refused before the positions are read.
  if (!console::ValueInRange(args[0], 0, console::kMaxLocPoint)) return ctx.refuse(Tr(console::kMsgLocRange));
  ConsoleSession session(ctx);
  // A fresh zovactl remembers no position: read the command position the desktop would have shown.
  if (!HoldLine(*ctx.link, [&] { return session.console.ReadPositions(1); })) return kExitLink;
  return ExitFor(session.console.LocSetClick(args[0]));
}

std::span<const Command> ConsoleCommands() {
  static const std::array commands = {
      Command{.name = "zero-return",
              .synopsis = "zero-return",
              .help = TrMark("run the zero return and wait until it is done"),
              .run = RunZeroReturn,
              .needsPort = true,
              .takesNoArguments = true},
      Command{
          .name = "jog",
          .synopsis = kJogUsage,
          .help = TrMark("jog an axis for T ms (default 500, at most 60000; speed 10), print positions (needs --axes)"),
          .run = RunJog,
          .needsPort = true},
      Command{.name = "move",
              .synopsis = kMoveUsage,
              .help = TrMark("execute one command line (defaults 10, 50)"),
              .run = RunMove,
              .needsPort = true},
      Command{.name = "run",
              .synopsis = "run N",
              .help = TrMark("start program N (0 to 31)"),
              .run = RunStartProgram,
              .check = CheckStartProgram,
              .needsPort = true},
      Command{.name = "stop",
              .synopsis = "stop",
              .help = TrMark("stop the program and wait until the axes rest (needs --axes)"),
              .run = RunStopProgram,
              .needsPort = true,
              .takesNoArguments = true},
      Command{.name = "reset",
              .synopsis = "reset",
              .help = TrMark("reset the program and wait until the axes rest (needs --axes)"),
              .run = RunResetProgram,
              .needsPort = true,
              .takesNoArguments = true},
      Command{.name = "loc-set",
              .synopsis = "loc-set N",
              .help = TrMark("store the current command position as location N (needs --axes)"),
              .run = RunLocSet,
              .needsPort = true},
  };
  return commands;
}

}  // namespace zova::cli
