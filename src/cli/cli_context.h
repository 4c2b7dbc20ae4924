// What every zovactl command gets: the global options, the operator's side, and (for port commands) the link.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "base/outcome.h"
#include "base/ui.h"
#include "ports/port_factory.h"

namespace zova {
class Link;
class Connection;
}  // namespace zova

namespace zova::cli {

// Exit codes of zovactl.
inline constexpr int kExitOk = 0;
inline constexpr int kExitLink = 1;       // the controller or the link failed
inline constexpr int kExitUsage = 2;      // wrong usage or refused input
inline constexpr int kExitFile = 3;       // a file could not be read or written
inline constexpr int kExitDifferent = 4;  // compare (or a restore's read-back) found differences
// The operation ended early at the operator's request (Ctrl-C, SIGTERM); the program exits with
// 128 + the signal's number, as shells expect.
inline constexpr int kExitInterrupted = 130;

// The exit status for how an operation ended: the one mapping every command uses.
[[nodiscard]] int ExitFor(const Outcome& outcome);

struct Options {
  std::string port;
  std::string settings;
  int axes = 0;  // 0: not given
  int machineType = 0;
  double timeoutSeconds = 0;  // 0: the program's default
  double handshakeTimeoutSeconds = 100;
  std::string traceFile;
  bool quiet = false;
};

// The bounds --handshake-timeout and --timeout set on every wait of `link`.
void ApplyTimeouts(const Options& options, Link& link);

struct Context {
  Options options;
  Ui* ui = nullptr;      // messages to standard error
  Link* link = nullptr;  // set for commands on a port, after the port opened
  Connection* connection = nullptr;
  std::string lineSettings;  // for port commands: the settings the port was opened with ("9600,n,8,1")
  std::FILE* out = stdout;
  const char* command = "";  // the command's name, for refusals
  ports::PortMakers ports;   // how this program opens serial devices, if it can

  // A refusal of the command's words, naming the program and the command; returns kExitUsage.
  int refuse(const std::string& why) const;

  // Commands whose bytes depend on the axis count call this; false (after a message) when --axes is missing.
  bool requireAxes() const;
};

using Args = std::vector<std::string>;

// A command: its name and forms, what it does, its runner, and how it is opened.
struct Command {
  const char* name;
  const char* synopsis;  // the command's words, one form a line; the same in every language
  const char* help;      // marked for the catalog, looked up where it is shown
  int (*run)(Context& ctx, const Args& args);
  int (*check)(Context& ctx, const Args& args) = nullptr;  // refusals decided before the port opens, or kExitOk
  bool needsPort = false;
  bool linkCheck = false;         // open the port with the link check (ENQ answered by DC1)
  bool takesNoArguments = false;  // anything after the command word is refused before the port opens
};

}  // namespace zova::cli
