// Text forms of the parameter files.
#include "parameters/parameter_text.h"

#include <algorithm>
#include <limits>
#include <vector>

#include "base/atomic_file.h"

namespace zova::parameters {

std::string FormatPrintedNumber(std::int32_t value) {
  std::string digits = std::to_string(value);
  return (value < 0 ? digits : " " + digits) + " ";
}

TextFault ReadParameterLine(std::string_view line, std::string_view prefix, std::span<std::int32_t> values) {
  constexpr long long kLowest = std::numeric_limits<std::int32_t>::min();
  constexpr long long kHighest = std::numeric_limits<std::int32_t>::max();
  const std::vector<std::string_view> words = SplitWords(line);
  const std::vector<std::string_view> key = SplitWords(prefix);
  if (words.size() != key.size() + values.size() || !std::equal(key.begin(), key.end(), words.begin())) {
    // The files have one value a line (system) or one for each of six axes.
    if (values.size() == 1) return {0, Tr("expected \"{1}\" and one whole number", {prefix})};
    if (values.size() == 6) return {0, Tr("expected \"{1}\" and six whole numbers", {prefix})};
    return {0, Tr("expected \"{1}\" and {2} whole numbers", {prefix, std::to_string(values.size())})};
  }
  for (std::size_t i = 0; i < values.size(); ++i) {
    const std::string_view word = words[key.size() + i];
    long long value = 0;
    if (!ReadFixedDecimal(word, 0, kLowest, kHighest, value)) {
      const std::string why = FixedDecimalFault(word, 0, kLowest, kHighest);
      return {0, values.size() == 1 ? why : Tr("axis {1}: {2}", {std::to_string(i + 1), why})};
    }
    values[i] = static_cast<std::int32_t>(value);
  }
  return {};
}

Outcome ReadParameterFileAt(const std::string& path, std::size_t maxBytes, std::string* why,
                            const std::function<TextFault(std::string_view)>& parse) {
  std::string text;
  std::string error;
  if (!ReadTextFile(path, maxBytes, text, error)) {
    if (why) *why = FormatFileFault(path, error);
    return Outcome::FileFailed;
  }
  const TextFault fault = parse(text);
  if (!fault.failed()) return Outcome::Ok;
  if (why) *why = FormatTextFault(path, fault);
  return Outcome::FileDamaged;
}

}  // namespace zova::parameters
