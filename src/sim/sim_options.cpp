// Options of the simulated controller.
#include "sim/sim_options.h"

#include <charconv>

namespace zova::sim {

namespace {

bool toLong(const std::string& text, long& out) {
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
  return ec == std::errc() && end == text.data() + text.size();
}

}  // namespace

std::string ApplySimOptions(const std::vector<std::string>& args, Controller& c, SimOptions& options) {
  Faults& f = c.faults;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto number = [&](long& out) -> bool { return i + 1 < args.size() && toLong(args[++i], out); };
    long v = 0;
    long w = 0;
    if (a == "--wrong-echo") {
      f.wrongEcho = true;
    } else if (a == "--dle-for-syn") {
      f.dleForSyn = true;
    } else if (a == "--bad-checksum") {
      f.badChecksum = true;
    } else if (a == "--bad-terminator") {
      f.badTerminator = true;
    } else if (a == "--refuse-blocks") {
      f.refuseBlocks = true;
    } else if (a == "--link" && i + 1 < args.size()) {
      options.link = args[++i];
    } else if (a == "--state" && i + 1 < args.size()) {
      options.stateFile = args[++i];
    } else if (a == "--axes" && number(v) && v >= 1 && v <= kMaxAxes) {
      c.machine.axes = static_cast<int>(v);
    } else if (a == "--baud" && number(v) && v >= 0) {
      options.baud = static_cast<int>(v);
      c.setBaud(options.baud);
    } else if (a == "--silence-after" && number(v)) {
      f.silenceAfter = v;
    } else if (a == "--disconnect-after" && number(v)) {
      f.disconnectAfter = v;
    } else if (a == "--short-block" && number(v)) {
      f.shortBlock = static_cast<int>(v);
    } else if (a == "--extra-bytes" && number(v)) {
      f.extraBytes = static_cast<int>(v);
    } else if (a == "--announce" && number(v)) {
      f.announce = v;
    } else if (a == "--from-command" && number(v)) {
      f.fromCommand = static_cast<int>(v);
    } else if (a == "--only-command" && number(v)) {
      f.onlyCommand = static_cast<int>(v);
    } else if (a == "--input" && number(v) && v >= 0 && v < 64) {
      c.machine.setInput(static_cast<int>(v), true);
    } else if (a == "--error" && number(v) && number(w)) {
      c.machine.errorCode = static_cast<int>(v);
      c.machine.errorValue = static_cast<int>(w);
      c.machine.setOutput(kOutError, true);
    } else {
      return "unknown or incomplete simulator option: " + a;
    }
  }
  return {};
}

const char* SimOptionsHelp() {
  return "  --axes N             axis count of the controller (default 4)\n"
         "  --baud B             pace the line both ways at B baud (default: unpaced)\n"
         "  --input P            input point P is on\n"
         "  --error CODE VALUE   the controller reports this error\n"
         "  --state FILE         keep programs, tables, parameters and the axis count in FILE across\n"
         "                       runs: loaded at start, saved after every change (a new FILE starts\n"
         "                       from the other options)\n"
         "faults:\n"
         "  --silence-after N    stop sending after N bytes\n"
         "  --disconnect-after N drop the line after N bytes\n"
         "  --wrong-echo         echo a different command code\n"
         "  --dle-for-syn        answer DLE where SYN accepts\n"
         "  --bad-checksum       reply blocks carry a wrong checksum\n"
         "  --bad-terminator     reply blocks end without ETX\n"
         "  --short-block N      reply blocks lose N bytes\n"
         "  --extra-bytes N      N junk bytes after each reply block\n"
         "  --announce N         length announcements claim N bytes\n"
         "  --refuse-blocks      answer host blocks with DLE\n"
         "  --from-command N     faults start at the N-th command\n"
         "  --only-command C     faults act on command code C only\n";
}

}  // namespace zova::sim
