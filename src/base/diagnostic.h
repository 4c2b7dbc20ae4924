// A check's finding as a value: the line it belongs to and the text the operator reads. Checks hand their
// findings to a sink; the desktop shows them as message boxes, the command line prints them, the program
// editor marks them on their lines.
#pragma once

#include <functional>
#include <string>

namespace zova {

struct Diagnostic {
  int line = 0;  // 1-based line of the text checked; 0 when the finding has no line
  std::string text;
  bool operator==(const Diagnostic&) const = default;
};

using DiagnosticSink = std::function<void(const Diagnostic&)>;

}  // namespace zova
