// Text forms shared by the two parameter files: the printed number form and the reading of one line.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/outcome.h"
#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::parameters {

// The number form of printed output: a blank before a non-negative value or "-" before a negative
// one, the digits, and one blank after: 2 -> " 2 ", -5 -> "-5 ".
std::string FormatPrintedNumber(std::int32_t value);

// A box's message for a value that passes the box's own bounds but not what the controller holds.
inline std::string HeldRangeMessage(std::string_view lowest, std::string_view highest) {
  return Tr(" Enter a value from {1} to {2}.", {lowest, highest});
}

// One line of a parameter file as the program writes it: `prefix` ("AXES-------= ", "MOTOR----- = "),
// then one whole number per element of `values` (one per axis in the axis file), blanks and tabs in any
// runs. On success the numbers go into `values`; otherwise the fault says what is wrong (its line is left
// for the caller) and `values` may hold part of the line.
TextFault ReadParameterLine(std::string_view line, std::string_view prefix, std::span<std::int32_t> values);

// Reads a parameter file's text: one line per entry of `entries` (each with a `prefix`), in order, each
// with `Width` whole numbers, and nothing after the last. `store(entry, values)` takes the numbers of each
// line read; at the first line that is not in the form, reading stops with the fault.
template <std::size_t Width, class Entries, class Store>
TextFault ReadParameterFile(std::string_view text, const Entries& entries, Store store) {
  const std::vector<TextLine> lines = SplitTextLines(text);
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i >= lines.size()) {
      return {static_cast<int>(i) + 1, Tr("Input past end of file: no line for \"{1}\"", {entries[i].prefix})};
    }
    std::array<std::int32_t, Width> values{};
    TextFault fault = ReadParameterLine(lines[i].text, entries[i].prefix, values);
    if (fault.failed()) {
      fault.line = lines[i].number;
      return fault;
    }
    store(entries[i], values);
  }
  if (lines.size() > entries.size()) {
    return {lines[entries.size()].number, Tr("a line after \"{1}\", the last one", {entries.back().prefix})};
  }
  return {};
}

// Reads the file at `path` (at most `maxBytes`) and hands its text to `parse`, which returns a TextFault
// and changes the table only when it has none. `why` gets "FILE: why" for a file that cannot be read, or
// the fault as "FILE:LINE: ...".
// Ok, FileFailed (the file could not be opened or read) or FileDamaged (its text is not the file's form);
// the table changes only when the file was read whole.
Outcome ReadParameterFileAt(const std::string& path, std::size_t maxBytes, std::string* why,
                            const std::function<TextFault(std::string_view)>& parse);

}  // namespace zova::parameters
