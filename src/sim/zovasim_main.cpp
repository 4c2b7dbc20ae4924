// zovasim: a simulated controller on a pseudo-terminal. Prints the device path on its first line.
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "base/translation.h"
#include "options/help_text.h"
#include "options/language_option.h"
#include "sim/pty_server.h"
#include "sim/sim_options.h"
#include "sim/state_file.h"

namespace {
volatile bool stopRequested = false;
void onSignal(int) { stopRequested = true; }
}  // namespace

int main(int argc, char** argv) {
  zova::options::ChooseLanguage(argc, argv);
  zova::sim::Controller controller;
  std::string language;
  zova::sim::SimOptions options;
  CLI::App app(
      zova::Tr("Serves a simulated controller on a pseudo-terminal and prints the device's path on its first line."),
      "zovasim");
  app.formatter(std::make_shared<zova::options::HelpFormatter>());
  app.option_defaults()->group(zova::Tr("options"));
  zova::sim::AddSimOptions(app, controller, options);
  zova::options::AddLanguageOption(app, language);
  app.set_help_flag("-h,--help", zova::Tr("print this help"));
  app.set_version_flag("--version", "zovasim " ZOVA_VERSION, zova::Tr("print the program's version"));
  app.failure_message([](const CLI::App*, const CLI::Error& e) {
    const auto* refused = dynamic_cast<const CLI::ParseError*>(&e);
    return "zovasim: " + (refused != nullptr ? zova::options::ParseErrorReason(*refused) : std::string(e.what())) +
           "\n" + zova::Tr("usage: zovasim {1}", {"[OPTIONS] (zovasim --help)"}) + "\n";
  });
  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;  // help and version end well; every refused option is wrong usage
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
    if (state && !state->tick(why) && why != reported) {
      std::fprintf(stderr, "zovasim: %s\n", zova::Tr("cannot save the state: {1}", {why}).c_str());
    }
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
      std::fprintf(stderr, "zovasim: %s\n",
                   zova::Tr("cannot make the link {1}: {2}", {options.link, std::strerror(errno)}).c_str());
    }
  }
  std::signal(SIGINT, onSignal);
  std::signal(SIGTERM, onSignal);
  server.serve(stopRequested);
  if (!options.link.empty()) ::unlink(options.link.c_str());
  if (state && !state->flush(error)) {
    std::fprintf(stderr, "zovasim: %s\n", zova::Tr("cannot save the state: {1}", {error}).c_str());
    return 1;
  }
  return 0;
}
