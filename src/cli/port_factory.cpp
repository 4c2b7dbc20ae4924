// Port construction for zovactl.
#include "cli/port_factory.h"

#include <sstream>
#include <vector>

#include "link/trace_port.h"
#include "sim/sim_options.h"
#include "sim/sim_port.h"

#ifdef ZOVA_HAVE_QT_SERIAL
#include "app/serial_port_factory.h"
#endif

namespace zova::cli {

namespace {

class Stack final : public PortStack {
 public:
  ~Stack() override {
    trace_.reset();
    if (traceFile_ != nullptr) std::fclose(traceFile_);
  }
  Port& port() override { return trace_ ? static_cast<Port&>(*trace_) : *inner_; }

  std::unique_ptr<sim::Controller> controller_;
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

std::unique_ptr<PortStack> MakePortStack(const Options& options, const std::string& simOptions, std::string& error) {
  auto stack = std::make_unique<Stack>();
  if (options.port == "sim") {
    stack->controller_ = std::make_unique<sim::Controller>();
    if (options.axes > 0) stack->controller_->machine.axes = options.axes;
    sim::SimOptions so;
    error = sim::ApplySimOptions(splitWords(simOptions), *stack->controller_, so);
    if (!error.empty()) return nullptr;
    stack->inner_ = std::make_unique<sim::SimPort>(*stack->controller_, systemClock());
  } else {
#ifdef ZOVA_HAVE_QT_SERIAL
    stack->inner_ = app::MakeSerialPort(options.port, options.settings, false, error);
    if (!stack->inner_) return nullptr;
#else
    error = "this build talks only to the simulated controller (--port sim)";
    return nullptr;
#endif
  }
  if (!options.traceFile.empty()) {
    stack->traceFile_ = std::fopen(options.traceFile.c_str(), "w");
    if (stack->traceFile_ == nullptr) {
      error = "cannot write the trace file " + options.traceFile;
      return nullptr;
    }
    stack->trace_ = std::make_unique<TracePort>(*stack->inner_, stack->traceFile_, systemClock());
  }
  return stack;
}

}  // namespace zova::cli
