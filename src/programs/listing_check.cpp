// Listing check: one compile of the written text, then line by line against the received image.
#include "programs/listing_check.h"

#include <algorithm>
#include <map>
#include <string>

#include "language/listing.h"
#include "language/scanner.h"
#include "language/source_check.h"
#include "base/translation.h"

namespace zova::programs {

std::vector<TextFault> ListingMismatches(const language::ProgramStore& received, language::LanguageConfig config) {
  const std::vector<language::ListedLine> lines = language::ListProgramLines(received, config.machineType);
  language::ProgramStore compiled;
  const language::SourceCheck check =
      language::CheckSource(language::ListProgram(received, config.machineType), config, compiled);
  // The compiler's first message on each line says best why the line does not come back.
  std::map<int, std::string> problems;
  for (const language::SourceProblem& p : check.problems) problems.emplace(p.line, p.message);

  std::vector<TextFault> faults;
  int next = 0;  // image index of the next record the compile appended; a failed line appends none
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int number = static_cast<int>(i) + 1;
    const language::ListedLine& line = lines[i];
    const bool appended = i < check.lineSteps.size() && check.lineSteps[i] != language::kNoStep;
    const language::Record got = appended ? compiled.record(next++) : language::Record{};
    const auto problem = problems.find(number);
    std::string why;
    if (line.step >= 0) {
      const language::Record want = received.record(line.step);
      const std::string record = language::RecordWords(want);
      // A record the listing has no template for is written as its step number alone, or as dashes.
      const bool listed = language::ClassifyLine(line.listing).kind == language::LineKind::Instruction;
      if (listed && problem != problems.end()) {
        why = Tr("the controller's record {1} does not compile back: {2}", {record, problem->second});
      } else if (i >= check.lineSteps.size()) {
        why = Tr("the controller's record {1} is never compiled: the compile stops at an earlier line", {record});
      } else if (!listed || !appended) {
        why = Tr("the controller's record {1} has no source form", {record});
      } else if (got != want) {
        why = Tr("the controller's record {1} compiles back as {2}", {record, language::RecordWords(got)});
      }
    } else if (problem != problems.end()) {
      why = Tr("the controller's comment line does not compile back as a comment: {1}", {problem->second});
    } else if (appended) {
      why = Tr("the controller's comment line does not compile back as a comment");
    }
    if (why.empty() && i < check.lineSteps.size() && compiled.commentText(static_cast<int>(i)) != line.comment) {
      why = Tr("the controller's comment does not compile back as it is");
    }
    if (!why.empty()) faults.push_back({number, why});
    if (problem != problems.end()) problems.erase(problem);
  }
  // What no line accounts for: the listing ends without its end record, or goes past what a compile reads.
  for (const auto& [number, message] : problems) faults.push_back({number, message});
  std::stable_sort(faults.begin(), faults.end(),
                   [](const TextFault& a, const TextFault& b) { return a.line < b.line; });
  return faults;
}

}  // namespace zova::programs
