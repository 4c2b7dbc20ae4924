// The simulated controller's firmware requests.
#include "sim/controller.h"

namespace zova::sim {

void RegisterFirmwareCommands(Controller&) {}

}  // namespace zova::sim
