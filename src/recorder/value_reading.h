// What the CSV and VCD readers share: the header's signals and the values of a sample.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"
#include "recorder/recording.h"

namespace zova::recorder {

// The signals `names[first..]` name, each once, into `set` (its axis count the highest axis named, at least 1).
TextFault SignalsNamed(const std::vector<std::string_view>& names, std::size_t first,
                       const std::function<bool(std::string_view, Signal&)>& lookup, SignalSet& set);
// Stores a value as the controller counts it: 0 or 1, a sensor word, hundredths of a position, an error field.
void Store(Sample& s, Signal signal, std::int64_t raw);
// A value as ValueText writes it; false when it is not of that form or out of the signal's range.
bool SetValue(Sample& s, Signal signal, std::string_view text);
// Why SetValue refused `text`.
std::string BadValue(Signal signal, std::string_view text);

TextFault ReadCsv(const std::vector<TextLine>& lines, Recording& out);
TextFault ReadVcd(const std::vector<TextLine>& lines, Recording& out);

}  // namespace zova::recorder
