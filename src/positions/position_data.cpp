// The session's position data.
#include "positions/position_data.h"

#include "positions/table_file.h"

namespace zova::positions {

TransferOutcome PositionData::SendLocations(Link& link, int axes, int mode, int start, int end) {
  return SendTableRows(LocTable, link, axes, mode, start, end, TxPointNo);
}

TransferOutcome PositionData::ReceiveLocations(Link& link, int axes, int mode, int start, int end) {
  return ReceiveTableRows(LocTable, link, axes, mode, start, end, RxPointNo);
}

void PositionData::DecodeLocation(const Link& link, int axes) { DecodeTableRow(LocTable, link, axes, RxPointNo); }

bool PositionData::SaveLocationFile(Ui& ui, const std::string& fileName) const {
  return SaveTableFile(LocTable, ui, fileName);
}

bool PositionData::LoadLocationFile(Ui& ui, const std::string& fileName) {
  return LoadTableFile(LocTable, ui, fileName);
}

// The shift table has no block mode, so start and end never reach the transfer.
TransferOutcome PositionData::SendShifts(Link& link, int axes, int mode, int, int) {
  return SendTableRows(SftTable, link, axes, mode, 0, 0, TxPointNo);
}

TransferOutcome PositionData::ReceiveShifts(Link& link, int axes, int mode, int, int) {
  return ReceiveTableRows(SftTable, link, axes, mode, 0, 0, RxPointNo);
}

void PositionData::DecodeShift(const Link& link, int axes) { DecodeTableRow(SftTable, link, axes, RxPointNo); }

bool PositionData::SaveShiftFile(Ui& ui, const std::string& fileName) const {
  return SaveTableFile(SftTable, ui, fileName);
}

bool PositionData::LoadShiftFile(Ui& ui, const std::string& fileName) { return LoadTableFile(SftTable, ui, fileName); }

}  // namespace zova::positions
