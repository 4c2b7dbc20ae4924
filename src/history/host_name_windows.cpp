// The machine's name from the system.
#include <windows.h>

#include "history/history.h"

namespace zova::history {

std::string HostName() {
  char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
  DWORD size = sizeof name;
  if (!GetComputerNameA(name, &size) || size == 0) return "localhost";
  return std::string(name, size);
}

}  // namespace zova::history
