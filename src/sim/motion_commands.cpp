// The simulated controller's motion requests.
#include "sim/controller.h"

namespace zova::sim {

void RegisterMotionCommands(Controller&) {}

}  // namespace zova::sim
