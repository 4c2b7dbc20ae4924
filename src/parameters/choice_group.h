// The selector groups of both parameter screens: which button a stored value highlights, and what a
// click stores.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zova::parameters {

struct ChoiceGroup {
  std::string_view buttons;     // control array of the buttons, e.g. "cmdJgio"
  std::string_view indicators;  // control array of the indicators, e.g. "txtJgio"
  int entry;                    // SysPara index, or AxPara entry of the current axis
  std::array<std::string_view, 4> captions;
  int count;   // buttons in the group
  int offset;  // stored value = button index + offset (1 for I/O, else 0)
};

// The nine groups of the system screen and the seventeen of the axis screen, in screen order.
std::span<const ChoiceGroup> SysChoiceGroups();
std::span<const ChoiceGroup> AxChoiceGroups();

// The button whose indicator a stored value highlights; nothing when no button has that value.
std::optional<int> HighlightedButton(const ChoiceGroup& group, std::int32_t value);

// What a value no button offers is refused with: the values the buttons store, each with its caption.
std::string ChoiceRefusal(const ChoiceGroup& group);

// The value a click on button `index` stores.
[[nodiscard]] inline std::int32_t ChoiceValue(const ChoiceGroup& group, int index) { return index + group.offset; }

}  // namespace zova::parameters
