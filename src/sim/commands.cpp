// Every request the simulated controller serves.
#include "sim/controller.h"

namespace zova::sim {

void RegisterAllCommands(Controller& c) { RegisterConsoleCommands(c); }

}  // namespace zova::sim
