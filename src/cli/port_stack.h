// Builds the port zovactl talks through: what the port factory makes of --port, or the built-in simulated
// controller, optionally wrapped in a wire trace.
#pragma once

#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "link/port.h"
#include "ports/port_factory.h"

namespace zova::cli {

class PortStack {
 public:
  virtual ~PortStack() = default;
  virtual Port& port() = 0;
  // The line settings in use: typed, else stored, else the default (the simulated controller takes any).
  [[nodiscard]] virtual std::string settings() const = 0;
  // Why the wire trace could not be written, or empty (also when there is no trace).
  [[nodiscard]] virtual std::string traceFault() const = 0;
};

// `makers` open serial devices, where the program can. A stored serial setting that cannot be used is reported
// through `ui` and the default kept. Null with `error` and the exit status set (usage, or a trace file that
// cannot be written) when no port can be made.
std::unique_ptr<PortStack> MakePortStack(const Options& options, const std::string& simOptions,
                                         const ports::PortMakers& makers, Ui& ui, std::string& error, int& exitStatus);

}  // namespace zova::cli
