// zova's command line.
#include "app/command_line.h"

#include <charconv>
#include <ostream>
#include <set>
#include <string_view>

#include "app/version.h"

namespace zova::app {

namespace {

constexpr const char* kUsage =
    "usage: zova [--port DEVICE|sim] [--axes N] [--machine-type T]\n"
    "       zova --help | --version\n"
    "\n"
    "  --port DEVICE|sim   open the serial device (/dev/ttyUSB0, COM3) or the built-in simulated\n"
    "                      controller once the main window is shown\n"
    "  --axes N            the controller's axis count, 2 to 6: no selection window\n"
    "  --machine-type T    PLC family 0, 1 or 2 (default 0; without --axes the selection window\n"
    "                      opens with it chosen)\n"
    "  --help              this text\n"
    "  --version           the program's version\n"
    "\n"
    "Without --port, the port last opened is opened again when \"Open Last Port at Start\" is checked\n"
    "in the \"Comm Port\" menu. Options of the Qt toolkit (one dash, such as -platform offscreen) pass to it.\n"
    "For measuring: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS [--monitor].\n";

// Qt's own options, which it takes out of the arguments itself; those of the first set take a value.
const std::set<std::string_view> kToolkitOptionsWithValue = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-style",  "-stylesheet",      "-session",
    "-display",     "-geometry",           "-title",         "-name",   "-visual", "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle"};
const std::set<std::string_view> kToolkitFlags = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

bool ReadInt(std::string_view text, int low, int high, int& out) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) return false;
  out = value;
  return true;
}

}  // namespace

int ParseStartOptions(int argc, const char* const* argv, StartOptions& options, std::ostream& out, std::ostream& err) {
  auto refuse = [&err](const std::string& why) {
    err << "zova: " << why << "\n" << kUsage;
    return 2;
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return 0;
    }
    if (arg == "--version") {
      out << "zova " << kVersionMajor << "." << kVersionMinor << kVersionRevision << "\n";
      return 0;
    }
    if (arg == "--monitor") {
      options.monitor = true;
      continue;
    }
    if (arg == "--port" || arg == "--axes" || arg == "--machine-type" || arg == "--screenshots" || arg == "--measure") {
      if (!hasValue) return refuse(std::string(arg) + " needs a value");
      const std::string_view value = argv[++i];
      if (arg == "--port") {
        if (value.empty()) return refuse("--port needs a device or sim");
        options.port = value;
      } else if (arg == "--axes") {
        if (!ReadInt(value, 2, 6, options.axes)) return refuse("--axes takes 2 to 6, not " + std::string(value));
      } else if (arg == "--machine-type") {
        if (!ReadInt(value, 0, 2, options.machineType)) {
          return refuse("--machine-type takes 0, 1 or 2, not " + std::string(value));
        }
      } else if (arg == "--screenshots") {
        options.screenshots = value;
      } else {
        options.measure = value;
      }
      continue;
    }
    if (kToolkitOptionsWithValue.count(arg) != 0 && hasValue) {
      ++i;
      continue;
    }
    if (kToolkitFlags.count(arg) != 0) continue;
    if (arg.starts_with("-")) return refuse("unknown option " + std::string(arg));
    return refuse("unexpected argument " + std::string(arg));
  }
  return -1;
}

}  // namespace zova::app
