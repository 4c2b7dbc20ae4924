// Outcome of a parameter transfer with the controller.
#pragma once

namespace zova {

enum class TransferStatus {
  Ok,           // the block went across; a fetched one was decoded
  BadChecksum,  // a fetched block was answered with DLE; the table is unchanged, no message
  Failed,       // the link failed (the error box was shown) or the port was closed
  Busy,         // another exchange holds the link; nothing was done
  Cancelled,    // the operator had asked to stop before the exchange began; nothing was sent
};

}  // namespace zova
