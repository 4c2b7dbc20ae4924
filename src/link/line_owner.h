// One owner of the line per operation: the outermost operation holds it for its whole run, and the
// transfers and requests inside it assume it is held and never take it again.
#pragma once

#include "base/outcome.h"
#include "link/link.h"
#include "link/link_error.h"

namespace zova {

// False after error box 1 when the port is closed: the first thing HoldLine checks, and what a window checks
// by itself where a message about the operator's entries must come after it and before the line is taken.
inline bool LineOpen(Link& link) {
  if (link.port().isOpen()) return true;
  ShowOutcome(link.ui(), Outcome::PortClosed);
  return false;
}

// Port closed: error box 1, PortClosed, nothing sent. Line held by another operation: Busy, silently.
// Otherwise runs `body` (returning an Outcome) holding the line, released on every path out.
template <typename Body>
Outcome HoldLine(Link& link, Body&& body) {
  if (!LineOpen(link)) return Outcome::PortClosed;
  BusyGuard held(link);
  if (!held.acquired()) return Outcome::Busy;
  return body();
}

}  // namespace zova
