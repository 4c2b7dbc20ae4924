// zova's command line.
#include "app/command_line.h"

#include <algorithm>
#include <ostream>
#include <set>
#include <string_view>
#include <vector>

#include "app/desktop_language.h"
#include "net/network_address.h"
#include "options/help_text.h"
#include "options/language_option.h"
#include "options/whole_number_option.h"

namespace zova::app {

namespace {

constexpr const char* kContext = "zova::app::CommandLine";

constexpr const char* kUsage = QT_TRANSLATE_NOOP(
    "zova::app::CommandLine",
    "usage: zova [--port DEVICE|sim] [--axes N] [--machine-type T] [--lang ko|en]\n"
    "       zova --help | --version\n"
    "\n"
    "  --port DEVICE|sim   open the serial device (/dev/ttyUSB0, COM3), a serial device server\n"
    "                      (tcp://HOST:PORT raw TCP, rfc2217://HOST:PORT Telnet with RFC 2217;\n"
    "                      HOST a name, an IPv4 address or [IPv6]) or the built-in simulated\n"
    "                      controller once the main window is shown\n"
    "  --axes N            the controller's axis count, 2 to 6: no selection window\n"
    "  --machine-type T    PLC family 0, 1 or 2 (default 0; without --axes the selection window\n"
    "                      opens with it chosen)\n"
    "  --lang ko|en        language of the windows and messages (default: the one chosen in the\n"
    "                      \"View\" menu, else the system's: LC_ALL, LC_MESSAGES, LANG)\n"
    "  --help              this text\n"
    "  --version           the program's version\n"
    "\n"
    "Without --port, the port last opened is opened again when \"Open Last Port at Start\" is checked\n"
    "in the \"Comm Port\" menu. Options of the Qt toolkit (one dash, such as -platform offscreen) pass to it.\n"
    "For measuring: --screenshots FOLDER, --measure startup|loc-receive-all|poll:SECONDS|record:SECONDS\n"
    "[--monitor].\n");

std::string Translated(const char* text) { return TranslateText(kContext, text).toStdString(); }

// Qt's own options, which it takes out of the arguments itself; those of the first set take a value.
const std::set<std::string_view> kToolkitOptionsWithValue = {
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-style",  "-stylesheet",      "-session",
    "-display",     "-geometry",           "-title",         "-name",   "-visual", "-qwindowgeometry", "-qwindowicon",
    "-qwindowtitle"};
const std::set<std::string_view> kToolkitFlags = {"-reverse", "-widgetcount", "-nograb", "-dograb", "-sync"};

}  // namespace

int ParseStartOptions(int argc, const char* const* argv, StartOptions& options, std::ostream& out, std::ostream& err) {
  // Qt's own options (one dash) are the toolkit's to read, not ours.
  std::vector<std::string> ours;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (kToolkitOptionsWithValue.count(arg) != 0 && i + 1 < argc) {
      ++i;
    } else if (kToolkitFlags.count(arg) == 0) {
      ours.emplace_back(arg);
    }
  }
  CLI::App app("", "zova");
  app.set_help_flag("-h,--help");
  app.set_version_flag("--version", "zova " ZOVA_VERSION);
  // An option given twice is a mistake, not a choice between its values.
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  const CLI::Validator device(
      [](std::string& text) {
        net::NetworkAddress address;
        std::string error;
        if (net::IsNetworkPortName(text) && !net::ParseNetworkAddress(text, address, error)) return error;
        return text.empty() ? Translated(QT_TRANSLATE_NOOP("zova::app::CommandLine", "needs a device or sim"))
                            : std::string();
      },
      "");
  app.add_option("--port", options.port)->check(device);
  app.add_option("--axes", options.axes)->check(options::WholeNumber(2, 6));
  app.add_option("--machine-type", options.machineType)->check(options::WholeNumber(0, 2));
  app.add_option("--screenshots", options.screenshots);
  app.add_option("--measure", options.measure);
  app.add_flag("--monitor", options.monitor);
  options::AddLanguageOption(app, options.language);
  std::reverse(ours.begin(), ours.end());  // CLI11 takes the words last first
  try {
    app.parse(ours);
  } catch (const CLI::CallForHelp&) {
    out << Translated(kUsage);
    return 0;
  } catch (const CLI::CallForVersion& e) {
    out << e.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& e) {
    err << "zova: " << options::ParseErrorReason(e) << "\n" << Translated(kUsage);
    return 2;
  }
  return -1;
}

}  // namespace zova::app
