// The command-line check for whole decimal numbers in a range, for every program's options. CLI11's own
// conversion would also take 0x3, 010 as octal, or 1e1, which no operator means.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "base/translation.h"
#include "base/whole_number.h"

namespace zova::options {

inline CLI::Validator WholeNumber(int low, int high) {
  return CLI::Validator(
      [low, high](std::string& text) {
        const std::optional<int> value = ReadWholeNumber(text);
        return value && *value >= low && *value <= high
                   ? std::string()
                   : Tr("takes {1} to {2}, not {3}", {std::to_string(low), std::to_string(high), text});
      },
      "");
}

}  // namespace zova::options
