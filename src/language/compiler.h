// The program compiler: source text into the program image and comment table, and one typed line into one record.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "language/instruction_parsers.h"
#include "language/instruction_record.h"
#include "language/program_store.h"
#include "language/scanner.h"
#include "base/diagnostic.h"
#include "base/text_lines.h"

namespace zova::language {

inline constexpr int kSourceLineLimit = 300;
// The largest source file read: 300 lines of more than 3000 characters each, where 80 columns count.
inline constexpr std::size_t kSourceFileMaxBytes = 1 << 20;

// The machine the programs are written for.
struct LanguageConfig {
  int axes = 6;         // 2..6
  int machineType = 0;  // 0..2
};

// "ZOVAPRG05.dat": the default source file name of a program number.
[[nodiscard]] std::string ProgramFileName(int program);

// How a file compile ended. The compiler shows a message for a failing line; the ends below it reaches
// without one, so callers that must say why (the command line) ask for the problem's text.
enum class CompileEnd {
  Ended,             // "[EOF]" reached and its end record written
  Stopped,           // a line stopped the compile (its message was shown)
  EmptySource,       // no line at all
  MissingEndOfFile,  // the source ended without "[EOF]"
  LineLimit,         // no "[EOF]" within the first 300 lines
  ImageFull,         // 255 instructions and no "[EOF]" after them: no room for the end record
};
// Says what went wrong for the silent ends, in the chosen language; empty for Ended and Stopped.
[[nodiscard]] std::string CompileEndProblem(CompileEnd end);

// Hands each failing check to its sink, with the line it belongs to, and goes on with the next line, as
// operators expect.
class Compiler {
 public:
  Compiler(ProgramStore& store, DiagnosticSink problems, LanguageConfig config);

  // Compiles the source file of program `program` (0..32). True when "[EOF]" was reached and its end record
  // written. A file that cannot be read (missing, not a regular file, larger than kSourceFileMaxBytes)
  // shows the system's reason followed by the path.
  [[nodiscard]] bool compileFile(int program, const std::filesystem::path& path);

  // The same from source text already in memory (bytes, lines ending in CR LF or LF).
  [[nodiscard]] bool compileSource(int program, std::string_view source);

  // Compiles one typed command line into words 0 and 1 of the image; nothing (after a message) on failure.
  [[nodiscard]] std::optional<Record> compileLine(std::string_view line);

  // How the last file compile ended.
  [[nodiscard]] CompileEnd end() const { return end_; }
  [[nodiscard]] int stepCounter() const { return step_; }
  [[nodiscard]] int wordCounter() const { return words_; }
  // Source lines the last file compile read, up to its "[EOF]".
  [[nodiscard]] int linesRead() const { return linesRead_; }
  [[nodiscard]] const Tokens& tokens() const { return tokens_; }

 private:
  // The mnemonic number of the scanned tokens, with the "L3" and "F12" shorthands; kNoMnemonic when unknown.
  [[nodiscard]] int mnemonicOfTokens();
  [[nodiscard]] Parsed parse(int opcode, bool singleLine, std::string_view line) const;
  void append(const Record& record);
  // Names every line after "[EOF]" (from index `first`) that is not blank.
  void reportTextAfterEnd(const std::vector<TextLine>& lines, std::size_t first);
  // A problem of the line being compiled (line_; 0 for a typed line).
  void report(std::string text) const { problems_({line_, std::move(text)}); }

  ProgramStore& store_;
  DiagnosticSink problems_;
  LanguageConfig config_;
  Tokens tokens_;
  bool sixthWord_ = false;  // the line goes on after its fifth token
  int step_ = 0;
  int words_ = 0;
  int linesRead_ = 0;
  int line_ = 0;
  CompileEnd end_ = CompileEnd::Ended;
};

}  // namespace zova::language
