// The two table layouts.
#include "positions/position_table.h"

#include "link/commands.h"
#include "base/translation.h"

namespace zova::positions {

const TableLayout kLocationLayout{
    .lastNumber = 2500,
    .fileRows = 2500,
    .receiveCode = cmd::kReceiveLocations,
    .sendCode = cmd::kSendLocations,
    .prefix = "P",
    .numberDigits = 3,
    .blocks = true,
    .sendJob = Job::LocationSend,
    .receiveJob = Job::LocationReceive,
    .rangeMessage = TrMark(" 0 ~ 2500 까지 입력하십시요."),
};

const TableLayout kShiftLayout{
    .lastNumber = 1000,
    .fileRows = 1000,
    .receiveCode = cmd::kReceiveShifts,
    .sendCode = cmd::kSendShifts,
    .prefix = "S",
    .numberDigits = 2,
    .blocks = false,
    .sendJob = Job::ShiftSend,
    .receiveJob = Job::ShiftReceive,
    .rangeMessage = TrMark(" 0 ~ 1000 까지 입력하십시요."),
};

}  // namespace zova::positions
