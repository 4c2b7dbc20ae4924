// The configured axis count: 2 to 6, whatever a file or a controller block says.
#pragma once

#include <cstdint>
#include <string_view>

#include "base/translation.h"
#include "base/ui.h"

namespace zova::parameters {

inline constexpr int kMinAxes = 2;
inline constexpr int kMaxAxes = 6;
inline constexpr std::string_view kMsgAxesRange = TrMark(" 2 ~ 6 까지 입력하십시요.");

[[nodiscard]] constexpr bool AxisCountInRange(std::int64_t axes) { return axes >= kMinAxes && axes <= kMaxAxes; }

// True when `axes` is a usable count; otherwise tells the operator with the AXES range message.
bool CheckAxisCount(std::int64_t axes, Ui& ui);

// Sets the configured axis count from the AXES entry when it is 2 to 6. Another value (from a file
// or a fetched block) would send the axis loops past the sixth axis: the operator is told and the
// count stays as it was. Returns whether the count was taken.
bool TakeAxisCount(std::int32_t axesEntry, int& configuredAxes, Ui& ui);

}  // namespace zova::parameters
