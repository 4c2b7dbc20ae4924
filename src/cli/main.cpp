// zovactl: every operation of the program without windows.
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "cli/port_factory.h"
#include "link/connection.h"
#include "link/link.h"

namespace zova::cli {

namespace {

void printHelp() {
  std::printf(
      "usage: zovactl [OPTIONS] COMMAND [ARGS...]\n\n"
      "options:\n"
      "  --port DEVICE              serial device, COMn, or sim for a built-in simulated controller\n"
      "  --settings S               line settings, e.g. 9600,n,8,1 (default: stored settings, else 9600,n,8,1)\n"
      "  --axes N                   configured axis count, 2 to 6\n"
      "  --machine-type T           PLC family 0, 1 or 2 (default 0)\n"
      "  --timeout SECONDS          bound on every wait after the handshake (default 5)\n"
      "  --handshake-timeout SECONDS bound on each handshake wait (default 100)\n"
      "  --trace FILE               write every byte sent (>) and received (<) with time stamps\n"
      "  --sim-options \"OPTS\"       options of the simulated controller (with --port sim; see zovasim --help)\n"
      "  --quiet                    no progress output\n\n"
      "commands:\n");
  for (const Command& c : AllCommands()) std::printf("  %s\n", c.usage);
  std::printf(
      "\nexit status: 0 success, 1 controller or link failed, 2 wrong usage, 3 file error, 4 differences "
      "found;\n128 + the signal's number when Ctrl-C or SIGTERM ended the operation early\n");
}

bool parseSeconds(const std::string& text, double& out) {
  char* end = nullptr;
  out = std::strtod(text.c_str(), &end);
  return end != text.c_str() && *end == '\0' && out > 0 && out < 1e6;
}

// Parses the options before the command; returns the index of the command word, or -1 after an error.
int parseOptions(const std::vector<std::string>& argv, Options& o, std::string& simOptions, std::string& error) {
  std::size_t i = 0;
  for (; i < argv.size(); ++i) {
    const std::string& a = argv[i];
    if (a.rfind("--", 0) != 0 || a == "--help") break;
    if (a == "--quiet") {
      o.quiet = true;
      continue;
    }
    if (i + 1 >= argv.size()) {
      error = a + " needs a value";
      return -1;
    }
    const std::string& v = argv[++i];
    bool ok = true;
    if (a == "--port") {
      o.port = v;
    } else if (a == "--settings") {
      o.settings = v;
    } else if (a == "--axes") {
      ok = ParseInt(v, o.axes) && o.axes >= 2 && o.axes <= 6;
    } else if (a == "--machine-type") {
      ok = ParseInt(v, o.machineType) && o.machineType >= 0 && o.machineType <= 2;
    } else if (a == "--timeout") {
      ok = parseSeconds(v, o.timeoutSeconds);
    } else if (a == "--handshake-timeout") {
      ok = parseSeconds(v, o.handshakeTimeoutSeconds);
    } else if (a == "--trace") {
      o.traceFile = v;
    } else if (a == "--sim-options") {
      simOptions = v;
    } else {
      error = "unknown option " + a;
      return -1;
    }
    if (!ok) {
      error = "bad value for " + a + ": " + v;
      return -1;
    }
  }
  return static_cast<int>(i);
}

Duration toDuration(double seconds) {
  return std::chrono::duration_cast<Duration>(std::chrono::duration<double>(seconds));
}

// Opens the port where the command needs one, runs the command, and closes the port again.
int RunCommand(const Command& command, Context& ctx, const Args& args, const std::string& simOptions) {
  if (!command.needsPort) return command.run(ctx, args);
  const Options& options = ctx.options;
  Ui& ui = *ctx.ui;
  if (options.port.empty()) {
    ui.messageBox("this command needs --port DEVICE (or --port sim)");
    return kExitUsage;
  }
  std::string error;
  int failure = kExitUsage;
  std::unique_ptr<PortStack> stack = MakePortStack(options, simOptions, ui, error, failure);
  if (!stack) {
    ui.messageBox(error);
    return failure;
  }
  Link link(stack->port(), ui, systemClock());
  link.timeouts.handshake = toDuration(options.handshakeTimeoutSeconds);
  if (options.timeoutSeconds > 0) link.timeouts.reply = toDuration(options.timeoutSeconds);
  Connection connection(link);
  if (!connection.Open(command.linkCheck)) return kExitLink;
  ctx.link = &link;
  ctx.connection = &connection;
  const int status = command.run(ctx, args);
  stack->port().close();
  return status;
}

// Every failure leaves a line on standard error, also where the operation itself had nothing to show.
int Conclude(const CliUi& terminal, int status) {
  if (const int signal = InterruptWatch::received(); signal != 0 && status == kExitInterrupted) {
    std::fprintf(stderr, "zovactl: interrupted by %s; stopped after the last complete exchange\n",
                 signal == SIGINT ? "Ctrl-C" : "SIGTERM");
    return 128 + signal;
  }
  if (status == kExitOk || terminal.messageCount > 0) return status;
  const char* why = status == kExitUsage       ? "the input was refused"
                    : status == kExitFile      ? "a file could not be read or written"
                    : status == kExitDifferent ? "the controller and the backup differ"
                                               : "the controller or the link failed";
  std::fprintf(stderr, "zovactl: %s (exit %d)\n", why, status);
  return status;
}

}  // namespace

int Main(int argc, char** argv) {
  std::vector<std::string> words(argv + 1, argv + argc);
  Options options;
  std::string simOptions;
  std::string error;
  int at = parseOptions(words, options, simOptions, error);
  if (at < 0 || at >= static_cast<int>(words.size())) {
    if (at >= 0 && words.empty()) {
      printHelp();
      return kExitUsage;
    }
    std::fprintf(stderr, "zovactl: %s\n", at < 0 ? error.c_str() : "no command given (zovactl --help)");
    return kExitUsage;
  }
  const std::string name = words[static_cast<std::size_t>(at)];
  Args args(words.begin() + at + 1, words.end());
  if (name == "--help" || name == "help") {
    printHelp();
    return kExitOk;
  }
  const Command* command = FindCommand(name);
  if (command == nullptr) {
    std::fprintf(stderr, "zovactl: unknown command %s (zovactl --help)\n", name.c_str());
    return kExitUsage;
  }
  if (!args.empty() && args[0] == "--help") {
    std::printf("usage: zovactl [OPTIONS] %s\n", command->usage);
    return kExitOk;
  }

  CliUi terminal(stderr, !options.quiet);
  Context ctx;
  ctx.options = options;
  ctx.ui = &terminal;
  if (command->takesNoArguments && !args.empty()) {
    ctx.ui->messageBox("usage: zovactl " + std::string(command->usage));
    return kExitUsage;
  }
  InterruptWatch interrupts;
  const int status = RunCommand(*command, ctx, args, simOptions);
  return Conclude(terminal, status);
}

}  // namespace zova::cli

int main(int argc, char** argv) { return zova::cli::Main(argc, argv); }
