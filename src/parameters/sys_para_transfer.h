// System parameter transfers: fetch (command 7) and send (command 8) of the 400-byte block.
#pragma once

#include "link/link.h"
#include "base/translation.h"
#include "parameters/sys_para.h"
#include "base/outcome.h"

namespace zova::parameters {

// Fetches all 100 entries. They are replaced only after a correct checksum; a wrong one is answered
// with DLE and leaves the table as it was, without a message. The caller holds the line (HoldLine).
Outcome FetchSysPara(Link& link, SysPara& table, Job job = Job::SysPara);
// The same, giving the block as the controller sent it (at least the 400 bytes of the entries).
ReceivedBlock FetchSysParaBlock(Link& link, Job job = Job::SysPara);

// Before a send of what a file or the screen names (the 41 named entries): reads the controller's block and
// takes its other entries into `table`, so that they go back as the controller holds them. Says so in the
// trace; progress on Job::SysParaReadFirst. `table` changes only when the block was read.
Outcome TakeUnnamedSysPara(Link& link, SysPara& table);

// Sends all 100 entries. The caller holds the line.
Outcome SendSysPara(Link& link, const SysPara& table);

}  // namespace zova::parameters
