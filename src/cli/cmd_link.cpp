// zovactl commands of the link and the status display, through the console's operations.
#include <array>
#include <cstdio>
#include <string>

#include "cli/alarm_logging.h"
#include "cli/commands.h"
#include "console/error_text.h"
#include "link/connection.h"
#include "link/line_owner.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

int usage(Context& ctx, const char* text) {
  ctx.ui->messageBox(Tr("usage: zovactl {1}", {text}));
  return kExitUsage;
}

void printPoints(Context& ctx, const IoImage& image) {
  std::string line;
  for (int p = 0; p < 64; ++p) {
    if (!image.point(p)) continue;
    if (!line.empty()) line += ' ';
    line += std::to_string(p);
  }
  std::fprintf(ctx.out, "%s\n", line.c_str());
}

int readImage(Context& ctx, int which) {
  ConsoleSession session(ctx);
  if (!HoldLine(*ctx.link, [&] { return session.status.ReadIoStatus(which, true); })) return kExitLink;
  printPoints(ctx, which == console::kReadInputs ? session.status.InputImage : session.status.OutputImage);
  return kExitOk;
}

}  // namespace

int RunPing(Context& ctx, const Args&) {
  // The port was opened with the link check before we got here; a script or a person sees that it answered.
  std::fputs("ok\n", ctx.out);
  return kExitOk;
}

int RunClose(Context& ctx, const Args&) {
  if (ctx.connection->Close()) return kExitOk;
  ctx.ui->messageBox(Tr("the controller did not accept the close-link command"));
  return kExitLink;
}

int RunServo(Context& ctx, const Args& args) {
  if (args.size() != 1 || (args[0] != "on" && args[0] != "off")) return usage(ctx, "servo on|off");
  ConsoleSession session(ctx);
  return ExitFor(args[0] == "on" ? session.console.ServoOn() : session.console.ServoOff());
}

int RunAlarmReset(Context& ctx, const Args&) {
  ConsoleSession session(ctx);
  return ExitFor(session.console.AlarmReset());
}

int RunOutputs(Context& ctx, const Args&) { return readImage(ctx, console::kReadOutputs); }
int RunInputs(Context& ctx, const Args&) { return readImage(ctx, console::kReadInputs); }

int RunSensors(Context& ctx, const Args&) {
  if (!ctx.requireAxes()) return kExitUsage;
  ConsoleSession session(ctx);
  if (!HoldLine(*ctx.link, [&] { return session.status.ReadSensorStatus(); })) return kExitLink;
  for (int a = 0; a < ctx.options.axes; ++a) std::fprintf(ctx.out, "%d %08X\n", a + 1, session.status.SensorWord[a]);
  return kExitOk;
}

int RunPositions(Context& ctx, const Args&) {
  if (!ctx.requireAxes()) return kExitUsage;
  ConsoleSession session(ctx);
  if (Outcome read = session.console.PositionsClick(); !read) return ExitFor(read);
  PrintPositions(ctx, session.console, ctx.options.axes);
  return kExitOk;
}

int RunError(Context& ctx, const Args&) {
  ConsoleSession session(ctx);
  const Outcome read = session.status.ControllerErrorClick();
  if (!read || !session.status.LastError) return ExitFor(read);
  // Printed as the controller's table writes it: data a script reads, the same in every language.
  const ErrorReport& report = *session.status.LastError;
  if (report.code != 0) LogAlarm(ctx, report.code, report.value);
  std::fprintf(ctx.out, "%s\n", console::ErrorText(report.code, report.value, true).c_str());
  return kExitOk;
}

int RunSetOutput(Context& ctx, const Args& args) {
  int point = 0;
  if (args.size() != 2 || !ParseInt(args[0], point) || (args[1] != "on" && args[1] != "off")) {
    return usage(ctx, "set-output N on|off");
  }
  if (point < 8 || point > 63) {
    ctx.ui->messageBox(Tr("output point must be 8 to 63 (points 0 to 7 belong to the controller)"));
    return kExitUsage;
  }
  ConsoleSession session(ctx);
  return ExitFor(session.console.SwitchOutput(point, args[1] == "on"));
}

namespace {

const std::array kCommands = {
    Command{.name = "ping",
            .synopsis = "ping",
            .help = TrMark("open the port, run the link check and print ok"),
            .run = RunPing,
            .needsPort = true,
            .linkCheck = true,
            .takesNoArguments = true},
    Command{.name = "close",
            .synopsis = "close",
            .help = TrMark("send the close-link command"),
            .run = RunClose,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "servo",
            .synopsis = "servo on|off",
            .help = TrMark("servo amplifiers on or off"),
            .run = RunServo,
            .needsPort = true},
    Command{.name = "alarm-reset",
            .synopsis = "alarm-reset",
            .help = TrMark("reset the controller's alarm"),
            .run = RunAlarmReset,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "outputs",
            .synopsis = "outputs",
            .help = TrMark("print the output points that are on"),
            .run = RunOutputs,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "inputs",
            .synopsis = "inputs",
            .help = TrMark("print the input points that are on"),
            .run = RunInputs,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "sensors",
            .synopsis = "sensors",
            .help = TrMark("print each axis's sensor word (needs --axes)"),
            .run = RunSensors,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "positions",
            .synopsis = "positions",
            .help = TrMark("print command and actual positions (needs --axes)"),
            .run = RunPositions,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "error",
            .synopsis = "error",
            .help = TrMark("print the controller's error report"),
            .run = RunError,
            .needsPort = true,
            .takesNoArguments = true},
    Command{.name = "set-output",
            .synopsis = "set-output N on|off",
            .help = TrMark("switch output point N (8 to 63)"),
            .run = RunSetOutput,
            .needsPort = true},
};

}  // namespace

std::span<const Command> LinkCommands() { return kCommands; }

}  // namespace zova::cli
