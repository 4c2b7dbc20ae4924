// The simulated controller's table requests.
#include "sim/controller.h"

namespace zova::sim {

void RegisterTableCommands(Controller&) {}

}  // namespace zova::sim
