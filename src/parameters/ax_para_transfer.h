// Axis parameter transfers: fetch (command 11) and send (command 12) of the configured axes.
#pragma once

#include "link/link.h"
#include "base/translation.h"
#include "parameters/ax_para.h"
#include "base/outcome.h"

namespace zova::parameters {

// Fetches the 200 entries of axes 0 to axes-1; the other axes stay as they were. Entries change
// only after a correct checksum. An axis count outside 2 to 6 is refused with the AXES range
// message before the link is touched. The caller holds the line (HoldLine).
Outcome FetchAxPara(Link& link, AxPara& table, int axes, Job job = Job::AxPara);
// The same, giving the block as the controller sent it (at least axes × 800 bytes).
ReceivedBlock FetchAxParaBlock(Link& link, int axes, Job job = Job::AxPara);

// Before a send of what a file or the screen names (the 36 named entries of each axis): reads the controller's
// block of axes 0 to axes-1 and takes their other entries into `table`. As TakeUnnamedSysPara otherwise.
Outcome TakeUnnamedAxPara(Link& link, AxPara& table, int axes);

// Sends the 200 entries of axes 0 to axes-1 (axes × 800 bytes). Same axis count rule as the fetch.
Outcome SendAxPara(Link& link, const AxPara& table, int axes);

}  // namespace zova::parameters
