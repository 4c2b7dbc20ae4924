// System parameter transfers: fetch (command 7) and send (command 8) of the 400-byte block.
#pragma once

#include "link/link.h"
#include "parameters/sys_para.h"
#include "parameters/transfer_status.h"

namespace zova {

inline constexpr std::string_view kSysProgressBar = "ProgressSysBar";

// Fetches all 100 entries. They are replaced only after a correct checksum; a wrong one is answered
// with DLE and leaves the table as it was, without a message. Takes LinkBusy for the exchange.
TransferStatus FetchSysPara(Link& link, SysPara& table);

// Sends all 100 entries. Takes LinkBusy for the exchange.
TransferStatus SendSysPara(Link& link, const SysPara& table);

}  // namespace zova
