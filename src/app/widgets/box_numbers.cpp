// How the transfer windows read the numbers typed into their boxes.
#include "app/widgets/box_numbers.h"

#include <algorithm>
#include <limits>

#include "app/widgets/window_util.h"
#include "link/decoders.h"
#include "parameters/number_text.h"
#include "positions/record_reader.h"

namespace zova::app {

namespace {
double Clamped(double value, double low, double high) { return std::clamp(value, low, high); }
}  // namespace

std::optional<double> BoxNumber(const QString& text) { return parameters::ParseNumericText(text.toStdString()); }

int RoundedNumber(double value) {
  return static_cast<int>(
      Clamped(RoundHalfEven(value), std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int BoxInteger(const QString& text) { return RoundedNumber(positions::LeadingNumber(text.toStdString())); }

std::int32_t BoxHundredths(const QString& text) {
  const double value = RoundHalfEven(positions::LeadingNumber(text.toStdString()) * 100.0);
  return static_cast<std::int32_t>(
      Clamped(value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

QString HundredthsText(std::int32_t hundredths) { return Qs(FormatHundredths(static_cast<std::int64_t>(hundredths))); }

}  // namespace zova::app
