// The shift window "SHIFT LOCATION": names, captions and rules that set it apart from the location window.
#pragma once

#include "app/windows/position_screen.h"

namespace zova::app {

const PositionScreenTraits& SftScreenTraits();

}  // namespace zova::app
