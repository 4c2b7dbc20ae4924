// The link error box: one message box, title "ERROR", OK and Cancel, with an entry of the link message table.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "link/ui.h"

namespace zova {

class Link;

inline constexpr int kLinkErrorCommunication = 0;
inline constexpr int kLinkErrorPortClosed = 1;

// Link error texts, indices 0..100; only 0 and 1 carry text, as written (ShowLinkError looks them up).
const std::array<std::string, 101>& LinkMessage();

// Shows LinkMessage(code); callers ignore the pressed button.
MessageResult ShowLinkError(Ui& ui, int code);

// Error box 0 after a failed exchange of `link`, unless the operator's stop ended it (Link::WaitCancelled):
// a stop is no fault of the line.
void ShowLinkFailure(Link& link);

}  // namespace zova
