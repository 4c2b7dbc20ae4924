// Command-line options of the simulated controller, shared by zovasim and `zovactl --port sim`.
#pragma once

#include <string>
#include <vector>

#include "sim/controller.h"

namespace CLI {
class App;
}  // namespace CLI

namespace zova::sim {

struct SimOptions {
  int baud = 0;
  std::string link;       // a symbolic link to create to the device
  std::string stateFile;  // the file that keeps the controller's memory across runs (StateKeeper)
};

// Declares the simulator's options on `app`; parsing applies them to `controller` and `options`.
void AddSimOptions(CLI::App& app, Controller& controller, SimOptions& options);

// Applies "--name value" words (zovactl's --sim-options) to the controller; returns an error text or "".
std::string ApplySimOptions(const std::vector<std::string>& args, Controller& controller, SimOptions& options);

}  // namespace zova::sim
