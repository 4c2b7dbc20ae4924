// Signal handling of zovactl on POSIX systems.
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <string>

#include "cli/interrupt.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

volatile std::sig_atomic_t g_received = 0;
volatile std::sig_atomic_t g_unstoppable = 0;
bool g_watching = false;  // an InterruptWatch has put its handlers in place
struct sigaction g_saved[3]{};

// The notes a handler writes, in the chosen language: looked up before the handlers go in, since a
// handler may only write what is already there.
std::string g_stopping;
std::string g_cannotStop;

void say(const std::string& text) { (void)!::write(STDERR_FILENO, text.data(), text.size()); }

void install(void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  // Interrupted waits go on where they were: the link bounds every one of them.
  action.sa_flags = SA_RESTART;
  for (int s : kStopSignals) ::sigaction(s, &action, nullptr);
}

void OnSignal(int signal) {
  if (g_unstoppable != 0) {
    say(g_cannotStop);
    return;
  }
  if (g_received == 0) {
    g_received = signal;
    say(g_stopping);
  }
  // The next signal takes its default course: the operator insists.
  install(SIG_DFL);
}

}  // namespace

InterruptWatch::InterruptWatch() {
  g_stopping = "\nzovactl: " + Tr("stopping after the current exchange (once more to quit at once)") + "\n";
  g_cannotStop = "\nzovactl: " + Tr("the download cannot be stopped now; it ends by itself") + "\n";
  g_watching = true;
  g_received = 0;
  g_unstoppable = 0;
  for (int i = 0; i < 3; ++i) ::sigaction(kStopSignals[i], nullptr, &g_saved[i]);
  install(OnSignal);
  // For the rest of the process: what is left in standard output's buffer is written at exit.
  struct sigaction ignore {};
  ignore.sa_handler = SIG_IGN;
  ::sigaction(SIGPIPE, &ignore, nullptr);
}

InterruptWatch::~InterruptWatch() {
  for (int i = 0; i < 3; ++i) ::sigaction(kStopSignals[i], &g_saved[i], nullptr);
  g_watching = false;
}

static_assert(SIGHUP == kSignalHangUp && SIGPIPE == kSignalPipe);

int InterruptWatch::received() { return g_received; }

bool InterruptWatch::stoppable() { return g_unstoppable == 0; }

void InterruptWatch::setStoppable(bool stoppable) {
  g_unstoppable = stoppable ? 0 : 1;
  if (!g_watching) return;
  if (!stoppable) {
    // A signal that came just before has put back the default action: the download must outlive a second one.
    install(OnSignal);
    if (g_received != 0) say(g_cannotStop);
  }
  if (stoppable && g_received != 0) install(SIG_DFL);
}

bool WritesToPipe(std::FILE* stream) {
  struct stat info {};
  return ::fstat(::fileno(stream), &info) == 0 && (S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode));
}

}  // namespace zova::cli
