// A transfer and a file in one step, as scripts and backups want them: fetch rows and save the
// table, or load a file and transmit it.
#pragma once

#include <string>

#include "link/link.h"
#include "positions/position_table.h"

namespace zova::positions {

enum class JobResult {
  Ok,
  Refused,       // a row number or range was refused with a message; nothing was sent
  LinkFailed,    // an exchange failed (error box shown); the file was not touched
  RowsRejected,  // some blocks had a wrong checksum: those rows kept their old values
  FileFailed,    // the file could not be read or written (message shown)
};

// Fetches rows (mode values as the windows pass them). When `file` is given and no exchange failed,
// saves rows 0..fileRows-1 to it afterwards; a cut-off transfer leaves the file as it was.
// `storedRows` (if given) receives the number of rows stored.
JobResult ReceiveRowsToFile(PositionTable& table, Link& link, int axes, int mode, int start, int end, int& rxPointNo,
                            const std::string* file, int* storedRows = nullptr);

// Loads `file` into the table, then transmits; nothing is sent when the file cannot be loaded.
// Sets the progress bar back to 0 afterwards, as the window does.
JobResult SendRowsFromFile(PositionTable& table, Link& link, int axes, int mode, int start, int end, int txPointNo,
                           const std::string& file);

}  // namespace zova::positions
