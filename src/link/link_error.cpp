// The link error box.
#include "link/link_error.h"

namespace zova {

const std::array<std::string, 101>& LinkMessage() {
  static const std::array<std::string, 101> table = [] {
    std::array<std::string, 101> t{};
    t[0] = "통신이상 발생";
    t[1] = "통신포트가 열려 있지 않습니다. 통신포트를 열고 다시 하십시오";
    return t;
  }();
  return table;
}

MessageResult ShowLinkError(Ui& ui, int code) {
  const auto& table = LinkMessage();
  std::string_view text = code >= 0 && code < static_cast<int>(table.size()) ? table[code] : std::string_view{};
  return ui.messageBox(text, "ERROR", MessageButtons::OkCancel);
}

}  // namespace zova
