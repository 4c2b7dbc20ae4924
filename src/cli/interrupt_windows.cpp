// Console control events of zovactl on Windows.
#include <windows.h>

#include <atomic>
#include <csignal>
#include <cstdio>

#include "cli/interrupt.h"

namespace zova::cli {

namespace {

// The handler runs on a thread of its own that the system starts for the event.
std::atomic<int> g_received{0};

BOOL WINAPI OnControl(DWORD event) {
  int expected = 0;
  if (!g_received.compare_exchange_strong(expected, event == CTRL_C_EVENT ? SIGINT : SIGTERM)) {
    return FALSE;  // the operator insists: the default handler ends the process
  }
  static constexpr char kNote[] = "\nzovactl: stopping after the current exchange (once more to quit at once)\n";
  DWORD written = 0;
  ::WriteFile(::GetStdHandle(STD_ERROR_HANDLE), kNote, sizeof kNote - 1, &written, nullptr);
  if (event == CTRL_CLOSE_EVENT || event == CTRL_LOGOFF_EVENT || event == CTRL_SHUTDOWN_EVENT) {
    // The system ends the process as soon as the handler returns (after 5 s at most for a close): the
    // wait gives the operation the time to stop between exchanges and leave its files whole.
    ::Sleep(4000);
  }
  return TRUE;
}

}  // namespace

InterruptWatch::InterruptWatch() {
  g_received = 0;
  ::SetConsoleCtrlHandler(OnControl, TRUE);
}

InterruptWatch::~InterruptWatch() { ::SetConsoleCtrlHandler(OnControl, FALSE); }

int InterruptWatch::received() { return g_received; }

}  // namespace zova::cli
