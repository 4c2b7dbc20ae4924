// How the parameter editors read numbers typed into their boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zova::parameters {

// The whole text as a number, or nothing when it is not one: blanks around it, a sign, digits with
// one decimal point, an exponent (E or D), or &H hexadecimal / &O octal digits.
std::optional<double> ParseNumericText(std::string_view text);

// The number at the start of a text: blanks and tabs anywhere are ignored, reading stops at the
// first character that cannot continue the number, and a text that does not begin with one is 0.
double LeadingNumber(std::string_view text);

// Hexadecimal digits (blanks around them allowed) as the 32-bit two's-complement value they spell:
// "3F" -> 63, "FFFFFFFF" -> -1. Nothing when the text is not hexadecimal or needs more than 8 digits.
std::optional<std::int32_t> ParseHexText(std::string_view text);

}  // namespace zova::parameters
