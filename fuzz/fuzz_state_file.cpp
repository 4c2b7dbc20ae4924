// The simulator's state file fed arbitrary text. Nothing may crash; a refused text says why and leaves the
// memory as it was; an accepted one, written again, loads to the same memory.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "sim/state_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zova::sim::Controller controller;
  const std::string before = zova::sim::StateText(controller);
  std::string error;
  if (!zova::sim::LoadStateText(text, controller, error)) {
    if (error.empty() || zova::sim::StateText(controller) != before) std::abort();
    return 0;
  }
  const std::string written = zova::sim::StateText(controller);
  zova::sim::Controller again;
  if (!zova::sim::LoadStateText(written, again, error) || zova::sim::StateText(again) != written) std::abort();
  return 0;
}
