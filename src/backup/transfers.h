// The existing transfers, run for a whole controller: each part fetched with its blocks kept as the
// controller sent them, and each part sent back from those blocks byte for byte.
#pragma once

#include "backup/progress.h"
#include "backup/snapshot.h"
#include "link/link.h"

namespace zova::backup {

// What one part or program is worth on the progress bar, and the share of a program's first bar.
[[nodiscard]] double FetchUnits(Parts parts, int axes);
[[nodiscard]] double SendUnits(const Snapshot& snapshot, Parts parts);

// Fetches `part` (Programs: program `program`) into the snapshot, whose axis count sizes the blocks.
// Each ends Ok, Cancelled (the operator asked to stop before the transfer began or between its exchanges),
// BadChecksum (a fetched block was answered DLE, nothing kept) or the failure of the link (its message shown).
Outcome FetchPart(Link& link, OverallProgress& progress, Snapshot& snapshot, Part part, int program = 0);

// Sends `part` (Programs: program `program`) from the snapshot. `rowsSent` counts the table rows the
// controller acknowledged.
Outcome SendPart(Link& link, OverallProgress& progress, const Snapshot& snapshot, Part part, int program,
                 int& rowsSent);

}  // namespace zova::backup
