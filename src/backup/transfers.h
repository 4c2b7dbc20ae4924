// The existing transfers, run for a whole controller: each part fetched with its blocks kept as the
// controller sent them, and each part sent back from those blocks byte for byte.
#pragma once

#include "backup/progress.h"
#include "backup/snapshot.h"
#include "link/link.h"

namespace zova::backup {

enum class StepResult {
  Ok,
  Failed,     // the link failed (its message shown) or the controller refused a block
  Rejected,   // a fetched block had a wrong checksum (answered DLE, nothing kept)
  Cancelled,  // the operator asked to stop before the transfer began or between its exchanges
};

// What one part or program is worth on the progress bar, and the share of a program's first bar.
[[nodiscard]] double FetchUnits(Parts parts, int axes);
[[nodiscard]] double SendUnits(const Snapshot& snapshot, Parts parts);

// Fetches `part` (Programs: program `program`) into the snapshot, whose axis count sizes the blocks.
StepResult FetchPart(Link& link, OverallProgress& progress, Snapshot& snapshot, Part part, int program = 0);

// Sends `part` (Programs: program `program`) from the snapshot. `rowsSent` counts the table rows the
// controller acknowledged.
StepResult SendPart(Link& link, OverallProgress& progress, const Snapshot& snapshot, Part part, int program,
                    int& rowsSent);

}  // namespace zova::backup
