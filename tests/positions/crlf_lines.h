// The lines of a saved file, for the tests of every file the program writes.
#pragma once

#include <string>
#include <vector>

namespace zova::test {

// Splits at CR LF; a last line without one is marked, and a bare LF stays inside its line.
inline std::vector<std::string> CrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t at = 0, end = 0; at < text.size(); at = end + 2) {
    end = text.find("\r\n", at);
    if (end == std::string::npos) {
      lines.push_back(text.substr(at) + "<no CR LF>");
      break;
    }
    lines.push_back(text.substr(at, end - at));
  }
  return lines;
}

}  // namespace zova::test
