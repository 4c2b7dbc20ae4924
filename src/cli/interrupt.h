// Ctrl-C (SIGINT) and SIGTERM end a zovactl operation safely: the handler only records the signal, and
// the operation looks at it between exchanges (through Ui::cancelRequested), stops what moves and
// leaves files old or new. A second signal ends the program at once. On Windows, Ctrl-C counts as SIGINT
// and Ctrl-Break, closing the console window, logging off or shutting down as SIGTERM
// (interrupt_posix.cpp, interrupt_windows.cpp).
#pragma once

#include "link/terminal_ui.h"

namespace zova::cli {

// Installs the handlers for its lifetime.
class InterruptWatch {
 public:
  InterruptWatch();
  ~InterruptWatch();
  InterruptWatch(const InterruptWatch&) = delete;
  InterruptWatch& operator=(const InterruptWatch&) = delete;

  // The signal received (SIGINT or SIGTERM), or 0.
  [[nodiscard]] static int received();
};

// Messages on standard error, and the operator's request to stop from the signal.
class CliUi final : public TerminalUi {
 public:
  using TerminalUi::TerminalUi;
  bool cancelRequested() override { return InterruptWatch::received() != 0; }
};

}  // namespace zova::cli
