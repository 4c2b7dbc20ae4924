// Opening and closing the port.
#include "link/connection.h"

#include "link/requests.h"

namespace zova {

bool Connection::Open(bool checkLink) {
  Port& port = link_.port();
  if (port.isOpen()) return true;
  std::string error;
  if (!port.open(error)) {
    link_.ui().messageBox(error);
    return false;
  }
  BusyGuard busy(link_);
  if (!busy.acquired()) return true;
  if (checkLink && !link_.CheckLink()) {
    if (!link_.WaitCancelled) link_.ui().messageBox(Tr(kMsgNotConnected));  // a stop is no news to the operator
    port.close();
    return false;
  }
  link_.ResetReceive();
  ++openings_;
  if (onStateChanged) onStateChanged(true);
  if (onOpened) onOpened();
  return true;
}

bool Connection::Close() {
  BusyGuard busy(link_);
  if (!busy.acquired()) return false;
  link_.RxArrived = false;
  Port& port = link_.port();
  if (!port.isOpen()) return true;
  if (!RequestCloseLink(link_)) return false;
  port.close();
  if (onStateChanged) onStateChanged(false);
  return true;
}

}  // namespace zova
