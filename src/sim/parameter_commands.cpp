// The simulated controller's parameter requests.
#include "sim/controller.h"

namespace zova::sim {

void RegisterParameterCommands(Controller&) {}

}  // namespace zova::sim
