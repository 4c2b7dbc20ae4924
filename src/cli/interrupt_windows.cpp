// Console control events of zovactl on Windows.
#include <io.h>
#include <windows.h>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <string>

#include "cli/interrupt.h"
#include "base/translation.h"

namespace zova::cli {

namespace {

// The handler runs on a thread of its own that the system starts for the event.
std::atomic<int> g_received{0};
std::atomic<bool> g_unstoppable{false};

// The notes the handler writes, in the chosen language, looked up before the handler goes in.
std::string g_stopping;
std::string g_cannotStop;

void say(const std::string& text) {
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

BOOL WINAPI OnControl(DWORD event) {
  if (g_unstoppable) {
    say(g_cannotStop);
    return TRUE;  // a closing window still ends the process when the system's own wait runs out
  }
  int expected = 0;
  if (!g_received.compare_exchange_strong(expected, event == CTRL_C_EVENT ? SIGINT : SIGTERM)) {
    return FALSE;  // the operator insists: the default handler ends the process
  }
  say(g_stopping);
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    // The system ends the process as soon as the handler returns (after 5 s at most for a close): the
    // wait gives the operation the time to stop between exchanges and leave its files whole.
    ::Sleep(4000);
  }
  return TRUE;
}

}  // namespace

InterruptWatch::InterruptWatch() {
  g_stopping = "\nzovactl: " + Tr("stopping after the current exchange (once more to quit at once)") + "\n";
  g_cannotStop = "\nzovactl: " + Tr("the download cannot be stopped now; it ends by itself") + "\n";
  g_received = 0;
  g_unstoppable = false;
  ::SetConsoleCtrlHandler(OnControl, TRUE);
}

InterruptWatch::~InterruptWatch() { ::SetConsoleCtrlHandler(OnControl, FALSE); }

int InterruptWatch::received() { return g_received; }

bool InterruptWatch::stoppable() { return !g_unstoppable; }

void InterruptWatch::setStoppable(bool stoppable) {
  g_unstoppable = !stoppable;
  if (!stoppable && g_received != 0) say(g_cannotStop);
}

bool WritesToPipe(std::FILE* stream) {
  return ::GetFileType(reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)))) == FILE_TYPE_PIPE;
}

}  // namespace zova::cli
