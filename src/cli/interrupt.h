// Ctrl-C (SIGINT), SIGTERM and SIGHUP (a closed terminal) end a zovactl operation safely: the handler only
// records the signal, and the operation looks at it between exchanges and in every wait on a silent
// controller (through Ui::stopAsked), stops
// what moves and leaves files old or new. A second signal ends the program at once, except while a
// firmware download cannot be stopped. SIGPIPE is ignored from then on: a closed standard output ends the
// operation the same way, when the next write fails. On Windows, Ctrl-C counts as SIGINT and Ctrl-Break, closing the
// console window, logging off or shutting down as SIGTERM (interrupt_posix.cpp, interrupt_windows.cpp).
#pragma once

#include <cstdio>

#include "cli/terminal_ui.h"

namespace zova::cli {

// SIGHUP and SIGPIPE as POSIX systems number them, for exit codes that read alike everywhere (Windows has
// neither signal).
inline constexpr int kSignalHangUp = 1;
inline constexpr int kSignalPipe = 13;

// Installs the handlers for its lifetime.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // The signal received (SIGINT, SIGTERM or SIGHUP), or 0.
  [[nodiscard]] static int received();

  // While false, signals neither stop the operation nor end the program: each one only says so.
  static void setStoppable(bool stoppable);
  [[nodiscard]] static bool stoppable();
};

// Whether `stream` is a pipe or socket, where a failed write means that the reader has gone.
[[nodiscard]] bool WritesToPipe(std::FILE* stream);

// Messages on standard error, and the operator's request to stop: a signal, or standard output that
// can no longer be written (sending on would only lose what the operation prints).
class CliUi final : public TerminalUi {
 public:
  explicit CliUi(std::FILE* err = stderr, bool showProgress = true, std::FILE* out = stdout)
      : TerminalUi(err, showProgress), out_(out) {}
  // Never while the operation cannot be stopped: its waits must not end early either.
  bool stopAsked() override { return InterruptWatch::stoppable() && (InterruptWatch::received() != 0 || outputLost()); }

  // Sends on what waits for standard output; true once a write to it has failed.
  bool outputLost() {
    if (!lost_ && (std::fflush(out_) != 0 || std::ferror(out_) != 0)) lost_ = true;
    return lost_;
  }

 private:
  std::FILE* out_;
  bool lost_ = false;
};

}  // namespace zova::cli
