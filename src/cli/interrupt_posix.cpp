// Signal handling of zovactl on POSIX systems.
#include "cli/interrupt.h"

#include <signal.h>
#include <unistd.h>

#include <csignal>

namespace zova::cli {

namespace {

volatile std::sig_atomic_t g_received = 0;
struct sigaction g_savedInt {};
struct sigaction g_savedTerm {};

void OnSignal(int signal) {
  if (g_received == 0) {
    g_received = signal;
    static constexpr char kNote[] = "\nzovactl: stopping after the current exchange (once more to quit at once)\n";
    (void)!::write(STDERR_FILENO, kNote, sizeof kNote - 1);
  }
  // The next signal takes its default course: the operator insists.
  struct sigaction fallback {};
  fallback.sa_handler = SIG_DFL;
  ::sigaction(SIGINT, &fallback, nullptr);
  ::sigaction(SIGTERM, &fallback, nullptr);
}

}  // namespace

InterruptWatch::InterruptWatch() {
  g_received = 0;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  // Interrupted waits go on where they were: the link bounds every one of them.
  action.sa_flags = SA_RESTART;
  ::sigaction(SIGINT, &action, &g_savedInt);
  ::sigaction(SIGTERM, &action, &g_savedTerm);
}

InterruptWatch::~InterruptWatch() {
  ::sigaction(SIGINT, &g_savedInt, nullptr);
  ::sigaction(SIGTERM, &g_savedTerm, nullptr);
}

int InterruptWatch::received() { return g_received; }

}  // namespace zova::cli
