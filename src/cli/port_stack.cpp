// Port construction for zovactl.
#include "cli/port_stack.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <vector>

#include "cli/interrupt.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "link/line_settings.h"
#include "net/network_port.h"
#include "link/trace_port.h"
#include "base/translation.h"
#include "sim/sim_options.h"
#include "sim/sim_port.h"
#include "sim/state_file.h"

namespace zova::cli {

namespace {

class Stack final : public PortStack {
 public:
  ~Stack() override {
    trace_.reset();
    if (traceFile_ != nullptr) std::fclose(traceFile_);
  }
  Port& port() override { return trace_ ? static_cast<Port&>(*trace_) : *inner_; }
  [[nodiscard]] std::string settings() const override { return FormatLineSettings(line_); }
  [[nodiscard]] std::string traceFault() const override { return trace_ ? trace_->fault() : std::string(); }

  LineSettings line_;

  std::unique_ptr<sim::Controller> controller_;
  std::unique_ptr<sim::StateKeeper> state_;  // saves the controller's memory before the controller goes
  std::unique_ptr<Port> inner_;
  std::unique_ptr<TracePort> trace_;
  std::FILE* traceFile_ = nullptr;
};

std::vector<std::string> splitWords(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

}  // namespace

std::unique_ptr<PortStack> MakePortStack(const Options& options, const std::string& simOptions,
                                         const ports::PortMakers& makers, Ui& ui, std::string& error, int& exitStatus) {
  exitStatus = kExitUsage;
  auto stack = std::make_unique<Stack>();
  if (options.port == "sim") {
    stack->controller_ = std::make_unique<sim::Controller>();
    if (options.axes > 0) stack->controller_->machine.axes = options.axes;
    sim::SimOptions so;
    error = sim::ApplySimOptions(splitWords(simOptions), *stack->controller_, so);
    if (!error.empty()) return nullptr;
    if (!so.stateFile.empty()) {
      stack->state_ = std::make_unique<sim::StateKeeper>(*stack->controller_, so.stateFile);
      if (!stack->state_->start(error)) {
        stack->state_.reset();
        exitStatus = kExitFile;
        return nullptr;
      }
    }
    if (!options.settings.empty() && !ParseLineSettings(options.settings, stack->line_, error)) return nullptr;
    stack->inner_ = std::make_unique<sim::SimPort>(*stack->controller_, systemClock());
  } else {
    // Opening a network port is bounded like every other wait.
    const Duration openLimit = std::chrono::duration_cast<Duration>(
        std::chrono::duration<double>(options.timeoutSeconds > 0 ? options.timeoutSeconds : 5.0));
    stack->inner_ = ports::MakeNamedPort(options.port, options.settings, openLimit, makers, ui, stack->line_, error);
    if (!stack->inner_) return nullptr;
    // A Ctrl-C while connecting or before the controller first answers ends the wait, not only the next one.
    if (auto* network = dynamic_cast<net::NetworkPort*>(stack->inner_.get())) {
      network->stopWhen([] { return InterruptWatch::received() != 0; });
    }
  }
  if (!options.traceFile.empty()) {
    // Never waits: a FIFO nobody reads would hang the command before it has started.
    stack->traceFile_ = OpenForWriting(options.traceFile);
    if (stack->traceFile_ == nullptr) {
      error = FormatFileFault(options.traceFile, std::strerror(errno));
      exitStatus = kExitFile;
      return nullptr;
    }
    stack->trace_ = std::make_unique<TracePort>(*stack->inner_, stack->traceFile_, systemClock(), options.traceFile);
  }
  return stack;
}

}  // namespace zova::cli
