// What the command line needs from the system besides files: whether a stream is a terminal, and the
// local time. The system's own calls live in system_posix.cpp and system_windows.cpp.
#pragma once

#include <cstdio>
#include <string>

namespace zova {

// Makes `stream`, where it is a terminal, show UTF-8 text (the program's Korean messages) and take the
// escape sequences of a progress line ("\r\033[K"); true when it is such a terminal.
[[nodiscard]] bool PrepareTerminal(std::FILE* stream);

// The local time now, as "2024-05-01T14:03:09+0900".
[[nodiscard]] std::string LocalTimeStamp();

// The folder of the user's data the programs keep (the alarm log, the recorder's captures):
// $XDG_DATA_HOME/zova, else ~/.local/share/zova; on Windows %LOCALAPPDATA%\zova.
[[nodiscard]] std::string UserDataFolder();

// The name of the locale the user chose for messages: the first set of LC_ALL, LC_MESSAGES and LANG on
// POSIX, the user's display language ("ko", "en"...) on Windows; empty where none is set.
[[nodiscard]] std::string SystemLocaleName();

}  // namespace zova
