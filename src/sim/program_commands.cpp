// The simulated controller's program requests.
#include "sim/controller.h"

namespace zova::sim {

void RegisterProgramCommands(Controller&) {}

}  // namespace zova::sim
