// Help and refusals of the command-line programs in the chosen language: help lines broken to fit a
// terminal of kHelpColumns (a Korean syllable takes two columns), and CLI11's own reasons in our words.
#pragma once

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <string_view>

#include "base/translation.h"

namespace zova::options {

inline constexpr std::size_t kHelpColumns = 100;

// The columns `text` (UTF-8) takes on a terminal: two for East Asian wide characters, else one.
inline std::size_t DisplayWidth(std::string_view text) {
  std::size_t width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1 ? lead : lead & (0x3FU >> (length - 1));
    for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
    }
    const bool wide = (code >= 0x1100 && code <= 0x115F) || (code >= 0x2E80 && code <= 0xA4CF) ||
                      (code >= 0xAC00 && code <= 0xD7A3) || (code >= 0xF900 && code <= 0xFAFF) ||
                      (code >= 0xFE30 && code <= 0xFE4F) || (code >= 0xFF00 && code <= 0xFF60) ||
                      (code >= 0xFFE0 && code <= 0xFFE6);
    if ((lead & 0xC0) != 0x80) width += wide ? 2 : 1;
    i += length;
  }
  return width;
}

// `text` broken at blanks into lines of at most `width` columns (a longer word stays whole), joined by
// '\n' and each after the first led by `indent` blanks.
inline std::string WrapText(std::string_view text, std::size_t width, std::size_t indent = 0) {
  std::string out;
  std::size_t used = 0;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t end = std::min(text.find(' ', from), text.size());
    const std::string_view word = text.substr(from, end - from);
    from = end + 1;
    if (word.empty()) continue;
    const std::size_t w = DisplayWidth(word);
    if (used > 0 && used + 1 + w > width) {
      out += '\n' + std::string(indent, ' ');
      used = 0;
    } else if (used > 0) {
      out += ' ';
      ++used;
    }
    out += word;
    used += w;
  }
  return out;
}

// CLI11's help with its labels, group names and descriptions in the chosen language, broken to fit.
class HelpFormatter : public CLI::Formatter {
 public:
  HelpFormatter() { label("Usage", Tr("Usage")); }

  std::string make_option_desc(const CLI::Option* option) const override {
    return WrapText(option->get_description(), kHelpColumns - get_column_width());
  }
  std::string make_description(const CLI::App* app) const override {
    const std::string text = app->get_description();
    return text.empty() ? std::string() : WrapText(text, kHelpColumns) + "\n";
  }
};

// Why the parser refused the arguments: CLI11's reason where it only passes on one of our checks' (those
// are translated where they are made), otherwise our own words for it.
inline std::string ParseErrorReason(const CLI::ParseError& error) {
  const std::string what = error.what();
  const std::size_t colon = what.find(": ");
  if (colon == std::string::npos) return what;
  const std::string head = what.substr(0, colon);
  const std::string rest = what.substr(colon + 2);
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) {
    return head.find("arguments") != std::string::npos ? Tr("The following arguments were not expected: {1}", {rest})
                                                       : Tr("The following argument was not expected: {1}", {rest});
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    // Every option counts once: more is a repetition, fewer a value left out.
    if (rest.starts_with("At Most")) return Tr("{1}: given more than once", {head});
    if (rest.ends_with("missing") || rest.starts_with("At least")) return Tr("{1}: the value is missing", {head});
  }
  if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) {
    // "Could not convert: NAME = VALUE", or "NAME: why" for a flag given a value.
    const std::size_t equals = rest.find(" = ");
    return equals == std::string::npos ? Tr("{1}: takes no value", {head})
                                       : Tr("{1}: cannot take {2}", {rest.substr(0, equals), rest.substr(equals + 3)});
  }
  return what;
}

}  // namespace zova::options
