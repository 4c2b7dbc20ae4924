// The fuzz targets' yardstick for an accepted text file: it means what the program's own writer makes of
// the values read from it. It is the written text apart from an editor's habits (blanks, tabs, line ends,
// byte order mark, blank lines and an end-of-file mark after the last line) and numbers that give fewer
// decimals than the writer does ("1.5", "0", "-12" for "1.50", "0.00", "-12.00"). Worked out from the
// two texts alone, so a fault in a reader's number rules cannot hide behind the same rules here.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace zova::fuzz {

inline std::vector<std::string_view> Pieces(std::string_view text, char at) {
  std::vector<std::string_view> pieces;
  for (std::size_t pos = 0; pos <= text.size();) {
    const std::size_t end = std::min(text.find(at, pos), text.size());
    pieces.push_back(text.substr(pos, end - pos));
    pos = end + 1;
  }
  return pieces;
}

inline bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// "1.5" for "1.50": the same sign and whole part, and the written decimals begin with the given ones and
// go on in zeros.
inline bool SameNumber(std::string_view given, std::string_view written) {
  if (given.starts_with('-') != written.starts_with('-')) return false;
  const std::vector<std::string_view> g = Pieces(given.substr(given.starts_with('-') ? 1 : 0), '.');
  const std::vector<std::string_view> w = Pieces(written.substr(written.starts_with('-') ? 1 : 0), '.');
  if (w.size() != 2 || g.size() > 2 || g[0] != w[0] || !AllDigits(w[0]) || !AllDigits(w[1])) return false;
  const std::string_view fraction = g.size() == 2 ? g[1] : std::string_view{};
  if (g.size() == 2 && !AllDigits(fraction)) return false;
  return w[1].starts_with(fraction) && w[1].find_first_not_of('0', fraction.size()) == std::string_view::npos;
}

inline bool MeansTheSame(std::string_view given, std::string_view written) {
  const std::string a = NormalizeEditorText(given);
  const std::string b = NormalizeEditorText(written);
  const std::vector<std::string_view> givenLines = Pieces(a, '\n');
  const std::vector<std::string_view> writtenLines = Pieces(b, '\n');
  if (givenLines.size() != writtenLines.size()) return false;
  for (std::size_t n = 0; n < givenLines.size(); ++n) {
    const std::vector<std::string_view> g = Pieces(givenLines[n], ' ');
    const std::vector<std::string_view> w = Pieces(writtenLines[n], ' ');
    if (g.size() != w.size()) return false;
    for (std::size_t k = 0; k < g.size(); ++k) {
      if (g[k] != w[k] && !SameNumber(g[k], w[k])) return false;
    }
  }
  return true;
}

}  // namespace zova::fuzz
