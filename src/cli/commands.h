// The zovactl commands: each subsystem's runners, the table of all, and what their words are read with.
#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>

#include "backup/fleet.h"
#include "cli/cli_context.h"
#include "console/manual_console.h"
#include "console/status_monitor.h"

namespace zova::cli {

std::span<const Command> AllCommands();
const Command* FindCommand(std::string_view name);

// Each subsystem lists its own commands at the end of its cmd_*.cpp file.
std::span<const Command> LinkCommands();
std::span<const Command> LanguageCommands();
std::span<const Command> PositionCommands();
std::span<const Command> ProgramCommands();
std::span<const Command> ParameterCommands();
std::span<const Command> ConsoleCommands();
std::span<const Command> FirmwareCommands();
std::span<const Command> BackupCommands();
std::span<const Command> RecordCommands();
std::span<const Command> HistoryCommands();

// Reads a whole decimal number; false for anything else.
bool ParseInt(const std::string& text, int& out);

// One of a command's own options, `--name VALUE`, and where its value goes.
struct NamedArg {
  const char* name;
  std::optional<std::string>* value;
};

// The words after the command: `operands` gets every word that does not start with "--", in order, and each
// option of `named` its value, the word after it, whatever that is. False for any other word starting with
// "--", an option given twice, or one without its value.
bool ReadArgs(const Args& args, std::initializer_list<NamedArg> named, Args& operands);

// cmd_link.cpp: the link and the status display.
int RunPing(Context& ctx, const Args& args);
int RunClose(Context& ctx, const Args& args);
int RunServo(Context& ctx, const Args& args);
int RunAlarmReset(Context& ctx, const Args& args);
int RunOutputs(Context& ctx, const Args& args);
int RunInputs(Context& ctx, const Args& args);
int RunSensors(Context& ctx, const Args& args);
int RunPositions(Context& ctx, const Args& args);
int RunError(Context& ctx, const Args& args);
int RunSetOutput(Context& ctx, const Args& args);

// cmd_console.cpp: manual operation. The console's state for one zovactl run: the desktop's operations,
// without a window to draw on.
struct ConsoleSession {
  explicit ConsoleSession(Context& ctx) : status(*ctx.link, display, ctx.options.axes), console(status) {}
  console::ConsoleDisplay display;
  console::StatusMonitor status;
  console::ManualConsole console;
};

// "command v1 v2 ..." and "actual v1 v2 ..." from the positions last read.
void PrintPositions(Context& ctx, const console::ManualConsole& console, int axes);

int RunZeroReturn(Context& ctx, const Args& args);
int RunJog(Context& ctx, const Args& args);
int RunMove(Context& ctx, const Args& args);
int RunStartProgram(Context& ctx, const Args& args);
int CheckStartProgram(Context& ctx, const Args& args);
int RunStopProgram(Context& ctx, const Args& args);
int RunResetProgram(Context& ctx, const Args& args);
int RunLocSet(Context& ctx, const Args& args);

// cmd_language.cpp: compile FILE [--program N] | compile --line TEXT; check FILE (each problem as
// "FILE:LINE: message", in line order; exit 0 when none, 1 otherwise); list [FILE] (records
// "XXXXXXXX XXXXXXXX", one per line, from FILE or standard input).
int RunCompile(Context& ctx, const Args& args);
int RunCheck(Context& ctx, const Args& args);
int RunList(Context& ctx, const Args& args);

// cmd_positions.cpp: the location and shift tables between the controller and LOC/SFT files.
int RunLoc(Context& ctx, const Args& args);
int RunSft(Context& ctx, const Args& args);

// cmd_program.cpp: robot programs between source files and the controller.
int RunProgram(Context& ctx, const Args& args);

// cmd_parameters.cpp: syspara and axpara fetch and send.
int RunSysPara(Context& ctx, const Args& args);
int RunAxPara(Context& ctx, const Args& args);

// cmd_firmware.cpp: download an Intel HEX file into the controller's flash.
int RunFirmware(Context& ctx, const Args& args);

// cmd_backup.cpp: a whole controller into a folder, back from it, and against it; diff of two backups. Each
// with its refusals of the arguments and folder, before the port opens.
int RunBackup(Context& ctx, const Args& args);
int RunRestore(Context& ctx, const Args& args);
int RunCompare(Context& ctx, const Args& args);
int CheckBackup(Context& ctx, const Args& args);
int CheckRestore(Context& ctx, const Args& args);
int CheckCompare(Context& ctx, const Args& args);
int RunDiff(Context& ctx, const Args& args);
// cmd_fleet.cpp: every controller of a fleet file side by side, and the fleet file's refusals.
int RunFleet(Context& ctx, const Args& args);
int CheckFleet(Context& ctx, const Args& args);
// cmd_history.cpp: what changed when, and a fleet run into its history repository: the run's entry of the
// summary file (JSON), with `status` raised to kExitLink when the history was not kept or not pushed.
int RunHistory(Context& ctx, const Args& args);
std::string RecordHistory(Context& ctx, const backup::FleetHistory& settings, const std::string& stamp,
                          const std::vector<backup::FleetOutcome>& outcomes, int& status);

}  // namespace zova::cli
