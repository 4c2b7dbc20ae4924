// How a console handler ended, and the guard every handler starts with.
#pragma once

#include "link/link.h"
#include "link/link_error.h"

namespace zova {

enum class ActionResult {
  Done,        // the exchange went through
  Busy,        // another exchange held the link: nothing was done, silently
  PortClosed,  // the port was closed: error box 1, nothing sent
  Refused,     // an entry was wrong: its message was shown, nothing sent
  LinkFailed,  // the exchange failed; its message was shown
  TimedOut,    // the controller did not finish within our bound; reported
  Cancelled,   // the operator asked to stop: what moved was stopped
};

// The last exchange found the controller silent, or the operator's stop ended it: the refresh that follows
// a console action would only wait as long again, and say so a second time.
inline bool LineGaveUp(const Link& link) { return link.HandshakeTimedOut || link.WaitCancelled; }

// Port closed: error box 1. LinkBusy held elsewhere: return silently. Otherwise runs `body`
// holding LinkBusy and releases it on every path out.
template <typename Body>
ActionResult RunGuarded(Link& link, Body&& body) {
  if (!link.port().isOpen()) {
    ShowLinkError(link.ui(), kLinkErrorPortClosed);
    return ActionResult::PortClosed;
  }
  BusyGuard busy(link);
  if (!busy.acquired()) return ActionResult::Busy;
  return body();
}

}  // namespace zova
