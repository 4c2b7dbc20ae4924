// Control names and enabled flags of the console.
#include "console/console_display.h"

namespace zova {

std::string_view ControlName(Control control) {
  static constexpr std::array<std::string_view, kControlCount> names = {
      "cmdSvon_0", "cmdSvon_1", "cmdSvon_2",     "cmdZR",    "cmdJog_0", "cmdJog_1", "cmdRun_0",
      "cmdRun_1",  "cmdRun_2",  "cmdIoStatus_0", "fraIoOut", "fraRunZr", "fraJog",   "tmrUpStatus",
  };
  return names[static_cast<std::size_t>(control)];
}

ControlStates::ControlStates(ConsoleDisplay& display) : display_(display) {
  enabled_.fill(true);
  // The poll timer starts disabled; everything else starts usable.
  enabled_[static_cast<std::size_t>(Control::UpStatusTimer)] = false;
}

void ControlStates::set(Control control, bool enabled) {
  enabled_[static_cast<std::size_t>(control)] = enabled;
  display_.setEnabled(control, enabled);
}

}  // namespace zova
