// A CLI11 check for whole decimal numbers in a range: CLI11's own conversion would also take 0x3, and
// 010 as octal, which no operator means. Shared by zovactl, zovasim and zova.
#pragma once

#include <CLI/CLI.hpp>
#include <charconv>
#include <string>

namespace zova::cli {

inline CLI::Validator WholeNumber(int low, int high) {
  return CLI::Validator(
      [low, high](std::string& text) {
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        const bool whole = !text.empty() && ec == std::errc() && end == text.data() + text.size();
        return whole && value >= low && value <= high
                   ? std::string()
                   : "takes " + std::to_string(low) + " to " + std::to_string(high) + ", not " + text;
      },
      "");
}

}  // namespace zova::cli
