// Builds the port zovactl talks through: a serial device or the built-in simulated controller,
// optionally wrapped in a wire trace.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <string>

#include "cli/cli_context.h"
#include "link/port.h"

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

// Makes once what every port needs before ports are made in several threads at once.
void PreparePorts();
// Starts `work` in a new thread in which ports may be made and used; the call returned waits for its end.
std::function<void()> StartPortThread(std::function<void()> work);

// Null with `error` set when the options cannot make a port.
// A stored serial setting that cannot be used is reported through `ui` and the default kept. Null with
// `error` and the exit status set (usage, or a trace file that cannot be written) when no port can be made.
std::unique_ptr<PortStack> MakePortStack(const Options& options, const std::string& simOptions, Ui& ui,
                                         std::string& error, int& exitStatus);

}  // namespace zova::cli
