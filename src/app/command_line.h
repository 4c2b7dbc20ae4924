// The command line of zova: what to open at start, and the answers that need no window.
#pragma once

#include <iosfwd>
#include <string>

namespace zova::app {

struct StartOptions {
  std::string port;         // --port: a device or "sim", opened once the main window is shown
  int axes = 0;             // --axes 2..6: no selection window; 0: the operator chooses
  int machineType = -1;     // --machine-type 0..2; -1: the selection window's default
  std::string screenshots;  // --screenshots FOLDER: pictures of every window, then exit
  std::string measure;      // --measure WHAT: a scripted run for measuring, then exit
  bool monitor = false;     // --monitor: measuring runs with the line monitor open
  std::string language;     // --lang ko|en: chosen before the options are read (StartLanguage); checked here
};

// Reads the arguments. Returns -1 when the program goes on; otherwise the exit status, after the help or
// the version on `out`, or the reason and the usage on `err` (2), in the language already chosen. Options of
// the Qt toolkit (one dash, such as -platform offscreen) are left to it.
int ParseStartOptions(int argc, const char* const* argv, StartOptions& options, std::ostream& out, std::ostream& err);

}  // namespace zova::app
