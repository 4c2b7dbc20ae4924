// Moving table rows between the host and the controller, one row per exchange:
// single (one row), block (start..end, locations only) and all (rows 0..fileRows-1).
#pragma once

#include <cstdint>
#include <vector>

#include "link/link.h"
#include "positions/position_table.h"

namespace zova::positions {

struct TransferOutcome {
  // Ok when every exchange ran; Refused (with a message) before anything was sent; Cancelled when the operator
  // asked to stop (the rows before it were transferred, no more); else the link's failure (error box shown).
  Outcome result;
  int stored = 0;    // receive: rows stored
  int sent = 0;      // send: rows the controller accepted
  int rejected = 0;  // receive: blocks answered DLE for a wrong checksum (no message)
  // receive: each row's block as the controller sent it, the rows of the request one after another
  // (4 bytes per axis); zeros for a row not stored.
  std::vector<std::uint8_t> blocks;
};

// "P007 axis 2: -167772.16 ~ 167772.15 ...": the refusal of a value the line cannot carry, naming the row
// and the axis (0-based) it stands in.
std::string ValueRangeMessage(const TableLayout& layout, int number, int axis);

// Transmits rows of `table` to the controller; a single transfer sends row `txPointNo`. A value of the rows and
// axes to send outside what the controller holds is refused, naming row and axis, before anything is sent,
// unless `asHeld`: the values are blocks the controller itself gave (a restore), sent back whatever they hold.
TransferOutcome SendTableRows(const PositionTable& table, Link& link, int axes, Scope scope, int start, int end,
                              int txPointNo, bool asHeld = false);

// Fetches rows into `table`; a single transfer fetches row `rxPointNo`, the others set `rxPointNo`
// to each row before fetching it. A row whose block has a wrong checksum keeps its old values.
// Sets the progress bar back to 0 when it ends.
TransferOutcome ReceiveTableRows(PositionTable& table, Link& link, int axes, Scope scope, int start, int end,
                                 int& rxPointNo);

}  // namespace zova::positions
