// The link error box.
#include "link/link_error.h"

#include "link/link.h"
#include "base/translation.h"

namespace zova {

const std::array<std::string, 101>& LinkMessage() {
  static const std::array<std::string, 101> table = [] {
    std::array<std::string, 101> t{};
    t[0] = TrMark("통신이상 발생");
    t[1] = TrMark("통신포트가 열려 있지 않습니다. 통신포트를 열고 다시 하십시오");
    return t;
  }();
  return table;
}

MessageResult ShowLinkError(Ui& ui, int code) {
  const auto& table = LinkMessage();
  const std::string_view text = code >= 0 && code < static_cast<int>(table.size()) ? table[code] : std::string_view{};
  // An empty entry stays empty: the catalog's own header sits under the empty text.
  return ui.messageBox(text.empty() ? std::string() : Tr(text), Tr("ERROR"), MessageButtons::OkCancel);
}

void ShowOutcome(Ui& ui, const Outcome& outcome) {
  if (outcome == Outcome::PortClosed) ShowLinkError(ui, kLinkErrorPortClosed);
  if (outcome.linkFailed()) ShowLinkError(ui, kLinkErrorCommunication);
}

void ShowLinkFailure(Link& link) {
  if (!link.WaitCancelled) ShowLinkError(link.ui(), kLinkErrorCommunication);
}

}  // namespace zova
