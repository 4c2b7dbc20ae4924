// The link error box: one message box, title "ERROR", OK and Cancel, with an entry of the link message table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "base/outcome.h"
#include "base/ui.h"

namespace zova {

class Link;

inline constexpr int kLinkErrorCommunication = 0;
inline constexpr int kLinkErrorPortClosed = 1;

// Link error texts, indices 0..100; only 0 and 1 carry text, as written (ShowLinkError looks them up).
const std::array<std::string, 101>& LinkMessage();

// Shows LinkMessage(code); callers ignore the pressed button.
MessageResult ShowLinkError(Ui& ui, int code);

// The one mapping of outcomes to the operator's messages: error box 1 for a closed port, error box 0 for a
// failure of the line or the controller; nothing for the rest (a stop is no fault of the line, a busy link
// and a block answered DLE pass silently, files and entries say their own messages where they fail).
void ShowOutcome(Ui& ui, const Outcome& outcome);

// Error box 0 after a failed exchange of `link`, unless the operator's stop ended it (Link::WaitCancelled).
void ShowLinkFailure(Link& link);

}  // namespace zova
