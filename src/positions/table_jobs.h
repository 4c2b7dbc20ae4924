// A transfer and a file in one step, as scripts and backups want them: fetch rows and save the
// table, or load a file and transmit it.
#pragma once

#include <string>

#include "link/link.h"
#include "positions/position_table.h"
#include "positions/table_transfer.h"

namespace zova::positions {

enum class JobResult {
  Ok,
  Refused,       // a row number or range was refused with a message; nothing was sent
  LinkFailed,    // an exchange failed (error box shown); the file was not touched
  RowsRejected,  // some blocks had a wrong checksum: those rows kept their old values
  FileFailed,    // the file could not be read or written (message shown)
  Cancelled,     // the operator asked to stop: rows before it were transferred, the file was not touched
};

// Fetches the rows of `scope`. When `file` is given, an existing file is read
// first (nothing is sent when it cannot be) and, when no exchange failed, rows 0..fileRows-1 are saved
// to it afterwards, so only the received rows change; a cut-off transfer leaves the file as it was.
// `counts` (if given) receives the transfer's counts of stored and rejected rows.
JobResult ReceiveRowsToFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int& rxPointNo,
                            const std::string* file, TransferOutcome* counts = nullptr);

// Loads `file` into the table, then transmits; nothing is sent when the file cannot be loaded or a
// requested row lies beyond the file's rows.
// Sets the progress bar back to 0 afterwards, as the window does.
JobResult SendRowsFromFile(PositionTable& table, Link& link, int axes, Scope scope, int start, int end, int txPointNo,
                           const std::string& file);

}  // namespace zova::positions
