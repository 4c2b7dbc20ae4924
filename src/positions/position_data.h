// The position data of one session: the location and shift tables and the point numbers of
// single transfers, with the operations the transfer windows call.
#pragma once

#include <string>

#include "link/link.h"
#include "link/ui.h"
#include "positions/position_table.h"
#include "positions/table_transfer.h"

namespace zova::positions {

class PositionData {
 public:
  PositionTable LocTable{kLocationLayout};  // locations 0..2500
  PositionTable SftTable{kShiftLayout};     // shifts 0..1000
  // Rows of the last single transmit and receive; shared by the two tables, as the windows share them.
  int TxPointNo = 0;
  int RxPointNo = 0;

  // mode: kModeSingle (TxPointNo / RxPointNo), kLocModeBlock (start..end) or kLocModeAll.
  TransferOutcome SendLocations(Link& link, int axes, int mode, int start = 0, int end = 0);
  // outcome.stored > 0 is the window's "a location was received".
  TransferOutcome ReceiveLocations(Link& link, int axes, int mode, int start = 0, int end = 0);
  void DecodeLocation(const Link& link, int axes);
  bool SaveLocationFile(Ui& ui, const std::string& fileName) const;
  bool LoadLocationFile(Ui& ui, const std::string& fileName);

  // mode: kModeSingle or kSftModeAll; start and end are not used.
  TransferOutcome SendShifts(Link& link, int axes, int mode, int start = 0, int end = 0);
  TransferOutcome ReceiveShifts(Link& link, int axes, int mode, int start = 0, int end = 0);
  void DecodeShift(const Link& link, int axes);
  bool SaveShiftFile(Ui& ui, const std::string& fileName) const;
  bool LoadShiftFile(Ui& ui, const std::string& fileName);
};

}  // namespace zova::positions
