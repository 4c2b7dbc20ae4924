// Source check: the compiler runs with a Ui that files each message under the line being compiled.
#include "language/source_check.h"

#include <algorithm>

#include "link/text_lines.h"

namespace zova::language {
namespace {

class ProblemRecorder final : public Ui {
 public:
  explicit ProblemRecorder(std::vector<SourceProblem>& problems) : problems_(problems) {}

  MessageResult messageBox(std::string_view text, std::string_view, MessageButtons, MessageIcon) override {
    problems_.push_back({compiler->line(), compiler->stepCounter(), std::string(text)});
    return MessageResult::Ok;
  }
  void setProgressMaximum(std::string_view, int, int) override {}
  void setProgressValue(std::string_view, int, int) override {}

  const Compiler* compiler = nullptr;

 private:
  std::vector<SourceProblem>& problems_;
};

int CountLines(std::string_view source) { return static_cast<int>(SplitTextLines(source).size()); }

}  // namespace

SourceCheck CheckSource(std::string_view source, LanguageConfig config, ProgramStore& scratch, int program) {
  SourceCheck check;
  ProblemRecorder recorder(check.problems);
  Compiler compiler(scratch, recorder, config);
  recorder.compiler = &compiler;
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
