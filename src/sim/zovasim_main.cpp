// zovasim: a simulated controller on a pseudo-terminal. Prints the device path on its first line.
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "sim/pty_server.h"
#include "sim/sim_options.h"
#include "sim/state_file.h"

namespace {
volatile bool stopRequested = false;
void onSignal(int) { stopRequested = true; }
}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
    std::printf("usage: zovasim [OPTIONS]\nServes a simulated controller on a pseudo-terminal.\n%s",
                zova::sim::SimOptionsHelp());
    return 0;
  }
  zova::sim::Controller controller;
  zova::sim::SimOptions options;
  if (std::string error = zova::sim::ApplySimOptions(args, controller, options); !error.empty()) {
    std::fprintf(stderr, "zovasim: %s\n", error.c_str());
    return 2;
  }
  std::string error;
  std::unique_ptr<zova::sim::StateKeeper> state;
  if (!options.stateFile.empty()) {
    state = std::make_unique<zova::sim::StateKeeper>(controller, options.stateFile);
    if (!state->start(error)) {
      std::fprintf(stderr, "zovasim: %s\n", error.c_str());
      return 1;
    }
  }
  zova::sim::PtyServer server(controller);
  std::string reported;  // a failing save is reported once, not at every retry
  server.onWake = [&] {
    std::string why;
    if (state && !state->tick(why) && why != reported) std::fprintf(stderr, "zovasim: cannot save: %s\n", why.c_str());
    if (!why.empty()) reported = why;
  };
  if (!server.create(error)) {
    std::fprintf(stderr, "zovasim: %s\n", error.c_str());
    return 1;
  }
  std::printf("%s\n", server.devicePath().c_str());
  std::fflush(stdout);
  if (!options.link.empty()) {
    ::unlink(options.link.c_str());
    if (::symlink(server.devicePath().c_str(), options.link.c_str()) != 0) {
      std::fprintf(stderr, "zovasim: cannot link %s: %s\n", options.link.c_str(), std::strerror(errno));
    }
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  server.serve(stopRequested);
  if (!options.link.empty()) ::unlink(options.link.c_str());
  if (state && !state->flush(error)) {
    std::fprintf(stderr, "zovasim: cannot save: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
