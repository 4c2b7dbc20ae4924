// What the console offers the operator, mirrored to its display.
#include "console/console_display.h"

namespace zova::console {

Availability::Availability(ConsoleDisplay& display) : display_(display) { available_.fill(true); }

void Availability::set(Available what, bool available) {
  available_[static_cast<std::size_t>(what)] = available;
  display_.setAvailable(what, available);
}

void Availability::setPolling(bool on) {
  polling_ = on;
  display_.setPolling(on);
}

}  // namespace zova::console
