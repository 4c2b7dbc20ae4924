// The line settings and flow-control texts fed arbitrary text (they come from a settings file or a command
// line). Nothing may crash; a refusal says why; accepted settings are ones a port can apply, and written
// again read back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "link/line_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zova::LineSettings line;
  std::string error;
  if (zova::ParseLineSettings(text, line, error)) {
    zova::LineSettings again;
    if (!error.empty() || !zova::PortCanApply(line) || line.baud < 50 || line.baud > 4000000) std::abort();
    if (!zova::ParseLineSettings(zova::FormatLineSettings(line), again, error) || again.baud != line.baud ||
        again.parity != line.parity || again.dataBits != line.dataBits ||
        again.stopBitsTimesTen != line.stopBitsTimesTen) {
      std::abort();
    }
  } else if (error.empty()) {
    std::abort();
  }
  zova::FlowControl flow = zova::FlowControl::None;
  error.clear();
  if (zova::ParseFlowControl(text, flow, error)) {
    if (static_cast<int>(flow) < 0 || static_cast<int>(flow) > 3) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
