// The location window "LOCATION": names, captions and rules that set it apart from the shift window.
#pragma once

#include "app/windows/position_screen.h"

namespace zova::app {

const PositionScreenTraits& LocScreenTraits();

}  // namespace zova::app
