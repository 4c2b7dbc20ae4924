// Every request the simulated controller serves.
#include "sim/controller.h"

namespace zova::sim {

void RegisterAllCommands(Controller& c) {
  RegisterConsoleCommands(c);
  RegisterMotionCommands(c);
  RegisterProgramCommands(c);
  RegisterTableCommands(c);
  RegisterParameterCommands(c);
  RegisterFirmwareCommands(c);
}

}  // namespace zova::sim
