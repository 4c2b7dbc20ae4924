// Command-line options of the simulated controller, shared by zovasim and `zovactl --port sim`.
#pragma once

#include <string>
#include <vector>

#include "sim/controller.h"

namespace zova::sim {

struct SimOptions {
  int baud = 0;
  std::string link;       // a symbolic link to create to the device
  std::string stateFile;  // the file that keeps the controller's memory across runs (StateKeeper)
};

// Applies "--name value" options to the controller; returns an error text or an empty string.
// Known: --axes N --baud B --silence-after N --disconnect-after N --wrong-echo --dle-for-syn
// --bad-checksum --bad-terminator --short-block N --extra-bytes N --announce N --refuse-blocks
// --from-command N --only-command C --error CODE VALUE --input POINT --link PATH --state FILE
std::string ApplySimOptions(const std::vector<std::string>& args, Controller& controller, SimOptions& options);

// One line per option, for --help.
const char* SimOptionsHelp();

}  // namespace zova::sim
