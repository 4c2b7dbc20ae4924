// How the transfer windows read the numbers typed into their boxes.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace zova::app {

// The whole text as a number, or nothing when it is not one (the check behind " 숫자를 입력하십시요").
std::optional<double> BoxNumber(const QString& text);

// The number a transfer takes from a box: the leading number of the text, rounded half to even.
// Clamped to the int range so a very long entry reaches the table check instead of overflowing.
int BoxInteger(const QString& text);

// A typed axis value in hundredths: the leading number times 100, rounded half to even, clamped to 32 bits.
std::int32_t BoxHundredths(const QString& text);

// A table value as the boxes show it: value / 100 in the "#0.00" form.
QString HundredthsText(std::int32_t hundredths);

// A number from BoxNumber as a row or program number, rounded half to even and clamped like BoxInteger.
int RoundedNumber(double value);

}  // namespace zova::app
