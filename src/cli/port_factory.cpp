// Port construction for zovactl.
#include "cli/port_factory.h"

#include <sstream>
#include <vector>

#include "link/trace_port.h"
#include "sim/sim_options.h"
#include "sim/sim_port.h"

#ifdef ZOVA_HAVE_QT_SERIAL
#include <QCoreApplication>

#include "app/qt_serial_port.h"
#include "app/stored_settings.h"
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
    // QSerialPort's notifiers want an application object, even without an event loop.
    if (QCoreApplication::instance() == nullptr) {
      static int argc = 1;
      static char name[] = "zovactl";
      static char* argv[] = {name, nullptr};
      static QCoreApplication app(argc, argv);
    }
    LineSettings line;
    FlowControl flow = FlowControl::None;
    app::StoredSettings stored = app::ReadStoredSettings();
    std::string settings = !options.settings.empty() ? options.settings : stored.settings.toStdString();
    if (!settings.empty() && !ParseLineSettings(settings, line, error)) return nullptr;
    if (!stored.handshaking.isEmpty() && !ParseFlowControl(stored.handshaking.toStdString(), flow, error)) {
      return nullptr;
    }
    stack->inner_ = std::make_unique<app::QtSerialPort>(app::ResolvePortName(QString::fromStdString(options.port)),
                                                        line, flow, false);
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
