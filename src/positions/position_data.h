// The position data of one session: the location and shift tables and the point numbers of
// single transfers.
#pragma once

#include "positions/position_table.h"

namespace zova::positions {

struct PositionData {
  PositionTable LocTable{kLocationLayout};  // locations 0..2500
  PositionTable SftTable{kShiftLayout};     // shifts 0..1000
  // Rows of the last single transmit and receive; shared by the two tables, as the windows share them.
  int TxPointNo = 0;
  int RxPointNo = 0;
};

}  // namespace zova::positions
