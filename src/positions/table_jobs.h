// A transfer and a file in one step, as scripts and backups want them: fetch rows and save the
// table, or load a file and transmit it.
#pragma once

#include <string>

#include "link/link.h"
#include "positions/position_table.h"
#include "positions/table_transfer.h"

namespace zova::positions {

// Fetches the rows of `scope`. When `file` is given, an existing file is read
// first (nothing is sent when it cannot be) and, when no exchange failed, rows 0..fileRows-1 are saved
// to it afterwards, so only the received rows change; a cut-off transfer leaves the file as it was.
// `counts` (if given) receives the transfer's counts of stored and rejected rows. Rows that came with a wrong
// checksum (they kept their old values) end it BadChecksum.
Outcome ReceiveRowsToFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int& rxPointNo,
                          const std::string* file, TransferOutcome* counts = nullptr);

// Loads `file` into the table, then transmits; nothing is sent when the file cannot be loaded or a
// requested row lies beyond the file's rows.
// Sets the progress bar back to 0 afterwards, as the window does.
Outcome SendRowsFromFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int txPointNo,
                         const std::string& file);

}  // namespace zova::positions
