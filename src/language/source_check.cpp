// Source check: each problem the compiler finds is filed with its line and the step reached there.
#include "language/source_check.h"

#include <algorithm>

#include "base/text_lines.h"

namespace zova::language {
namespace {

int CountLines(std::string_view source) { return static_cast<int>(SplitTextLines(source).size()); }

}  // namespace

SourceCheck CheckSource(std::string_view source, LanguageConfig config, ProgramStore& scratch, int program) {
  SourceCheck check;
  // The sink runs only once the compile is under way, so it may ask the compiler for its step.
  Compiler compiler(
      scratch,
      [&check, &compiler](const Diagnostic& d) {
        check.problems.push_back({d.line, compiler.stepCounter(), d.text});
      },
      config);
  (void)compiler.compileSource(program, source);

  check.end = compiler.end();
  check.steps = compiler.stepCounter();
  check.imageWords = compiler.wordCounter();
  const int read = compiler.linesRead();
  check.lineSteps.resize(static_cast<std::size_t>(read));
  for (int row = 0; row < read; ++row) {
    const std::uint16_t step = scratch.comments[static_cast<std::size_t>(row)][0];
    check.lineSteps[static_cast<std::size_t>(row)] = step == kCommentOnlyStep ? kNoStep : step;
  }
  // The line with the unknown mnemonic that stopped the compile has no row of its own.
  if (check.end == CompileEnd::Stopped && read > 0) check.lineSteps.back() = kNoStep;
  if (const std::string problem = CompileEndProblem(check.end); !problem.empty()) {
    // The line that found no room (line 301, the 257th instruction), or the last line when the text ended.
    const int line = std::min(read + 1, std::max(CountLines(source), 1));
    check.problems.push_back({line, check.steps, problem});
  }
  return check;
}

}  // namespace zova::language
