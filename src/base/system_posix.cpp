// Terminal and local time on POSIX systems.
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "base/system.h"

namespace zova {

// Terminals here take UTF-8 and escape sequences as they are.
bool PrepareTerminal(std::FILE* stream) { return ::isatty(::fileno(stream)) != 0; }

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[40];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S%z", &local);
  return text;
}

std::string UserDataFolder() {
  const char* data = std::getenv("XDG_DATA_HOME");
  const char* home = std::getenv("HOME");
  const std::string base =
      data != nullptr && *data == '/' ? std::string(data) : std::string(home != nullptr ? home : ".") + "/.local/share";
  return base + "/zova";
}

std::string SystemLocaleName() {
  // POSIX's order of precedence for the messages category; an empty variable counts as unset.
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    if (const char* value = std::getenv(name); value != nullptr && *value != '\0') return value;
  }
  return {};
}

}  // namespace zova
