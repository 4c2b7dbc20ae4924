// The configured axis count.
#include "parameters/axis_count.h"

namespace zova::parameters {

bool CheckAxisCount(std::int64_t axes, Ui& ui) {
  if (AxisCountInRange(axes)) return true;
  ui.messageBox(Tr(kMsgAxesRange));
  return false;
}

bool TakeAxisCount(std::int32_t axesEntry, int& configuredAxes, Ui& ui) {
  if (!CheckAxisCount(axesEntry, ui)) return false;
  configuredAxes = axesEntry;
  return true;
}

}  // namespace zova::parameters
