// Every problem of a program source from one run of the compiler, with the line and step each belongs to:
// what the program editor marks and `zovactl check` prints.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "language/compiler.h"
#include "language/program_store.h"

namespace zova::language {

inline constexpr int kNoStep = -1;

struct SourceProblem {
  int line = 0;         // 1-based source line
  int step = kNoStep;   // the step counter at that line
  std::string message;  // the compiler's own text
};

struct SourceCheck {
  // In line order. A failing line gives its check's message; the compile stops at an unknown mnemonic, so
  // its message is the last. A file-level end (empty source, no "[EOF]", the line or image limit) follows
  // at the line where it shows: the one that found no room, or the last line.
  std::vector<SourceProblem> problems;
  // Step of each line the compiler read (index line - 1); kNoStep for a line without a record.
  std::vector<int> lineSteps;
  int steps = 0;       // the step counter when the compile ended: the step count of a clean program
  int imageWords = 0;  // image words in use, the end record included once written
  CompileEnd end = CompileEnd::Ended;
};

// Compiles `source` (bytes, as a file holds them) as program `program` into `store`, and collects what the
// compiler shows. Checks use a scratch store; a send compiles into the store it sends from.
[[nodiscard]] SourceCheck CheckSource(std::string_view source, LanguageConfig config, ProgramStore& store,
                                      int program = 0);

}  // namespace zova::language
