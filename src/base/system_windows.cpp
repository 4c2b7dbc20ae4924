// Terminal and local time on Windows.
#include <io.h>
#include <windows.h>

#include <cstdlib>
#include <ctime>

#include "base/system.h"

namespace zova {

bool PrepareTerminal(std::FILE* stream) {
  // _isatty also says yes for the NUL device; only a console has a console mode.
  const auto handle = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(stream)));
  DWORD mode = 0;
  if (handle == INVALID_HANDLE_VALUE || ::GetConsoleMode(handle, &mode) == 0) return false;
  // The console shows the bytes in its own code page (CP949 on a Korean system) unless told they are UTF-8.
  ::SetConsoleOutputCP(CP_UTF8);
  // A console takes the progress line's escape sequences once asked to (Windows 10 and later).
  return (mode & ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0 ||
         ::SetConsoleMode(handle, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING) != 0;
}

std::string UserDataFolder() {
  const char* local = std::getenv("LOCALAPPDATA");
  return std::string(local != nullptr ? local : ".") + "\\zova";
}

std::string LocalTimeStamp() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  std::tm utc{};
  ::localtime_s(&local, &now);
  ::gmtime_s(&utc, &now);
  // The C library's %z writes the zone's name here, not its offset: the offset is worked out instead.
  int days = local.tm_yday - utc.tm_yday;
  if (local.tm_year != utc.tm_year) days = local.tm_year > utc.tm_year ? 1 : -1;
  const int minutes = days * 1440 + (local.tm_hour - utc.tm_hour) * 60 + (local.tm_min - utc.tm_min);
  char text[40];
  const std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  std::snprintf(text + n, sizeof text - n, "%c%02d%02d", minutes < 0 ? '-' : '+', std::abs(minutes) / 60,
                std::abs(minutes) % 60);
  return text;
}

std::string SystemLocaleName() {
  // The language Windows shows its own texts in; only Korean or not matters to the program.
  return PRIMARYLANGID(::GetUserDefaultUILanguage()) == LANG_KOREAN ? "ko" : "en";
}

}  // namespace zova
