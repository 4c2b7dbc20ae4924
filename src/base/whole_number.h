// Whole numbers as an operator types them on a command line.
#pragma once

#include <optional>
#include <string_view>

namespace zova {

// An optional "-" and decimal digits, nothing else, within int. "4.5", "1e1", "+3", "0x3", " 7" and ""
// are not whole numbers: a script that wrote them meant something the program would otherwise round.
std::optional<int> ReadWholeNumber(std::string_view text);

}  // namespace zova
