// The machine's name from the system.
#include <unistd.h>

#include "history/history.h"

namespace zova::history {

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0 || name[0] == '\0') return "localhost";
  return name;
}

}  // namespace zova::history
