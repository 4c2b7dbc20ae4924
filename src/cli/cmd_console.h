// zovactl commands of manual operation: zero return, jog, move, run/stop/reset, storing a location.
#pragma once

#include "cli/cli_context.h"
#include "console/manual_console.h"
#include "console/status_monitor.h"

namespace zova::cli {

// The console's state for one zovactl run: the desktop's operations, without a window to draw on.
struct ConsoleSession {
  explicit ConsoleSession(Context& ctx) : status(*ctx.link, display, ctx.options.axes), console(status) {}
  ConsoleDisplay display;
  StatusMonitor status;
  ManualConsole console;
};

// Exit status of a console operation.
int ExitFor(ActionResult result);

// "command v1 v2 ..." and "actual v1 v2 ..." from the positions last read.
void PrintPositions(Context& ctx, const ManualConsole& console, int axes);

int RunZeroReturn(Context& ctx, const Args& args);
int RunJog(Context& ctx, const Args& args);
int RunMove(Context& ctx, const Args& args);
int RunStartProgram(Context& ctx, const Args& args);
int CheckStartProgram(Context& ctx, const Args& args);
int RunStopProgram(Context& ctx, const Args& args);
int RunResetProgram(Context& ctx, const Args& args);
int RunLocSet(Context& ctx, const Args& args);

}  // namespace zova::cli
