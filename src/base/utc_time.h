// UTC times as the program writes them: in files and on screens with milliseconds, in the names of files
// and folders without colons.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace zova {

using Utc = std::chrono::time_point<std::chrono::system_clock, std::chrono::microseconds>;

// "2026-12-07T22:30:01.123Z": ISO 8601 UTC with milliseconds.
std::string UtcText(Utc t);
// Reads that form back (milliseconds, a 'Z' or "+00:00"); false for anything else.
bool ParseUtc(std::string_view text, Utc& out);
// "2026-12-07T223001Z": whole seconds, no colons, for names of files and folders.
std::string UtcStamp(std::chrono::system_clock::time_point t);

}  // namespace zova
