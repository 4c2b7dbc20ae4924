// zovactl compile, check and list: the compiler and the listing generator without windows.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "language/compiler.h"
#include "language/listing.h"
#include "language/scanner.h"
#include "language/source_check.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::cli {
namespace {

constexpr const char* kCompileUsage = "compile FILE [--program N] | compile --line TEXT";
constexpr const char* kListUsage = "list [FILE]";
constexpr const char* kCheckUsage = "check FILE";
// compile and check: the source has problems (nothing else of this program is 1 offline).
constexpr int kExitProblems = 1;
// The largest record input read: a program's 256 records take 18 bytes each; this leaves ample room.
constexpr std::size_t kListingInputMaxBytes = 1 << 20;

int Usage(Context& ctx, const char* text) {
  ctx.ui->messageBox(Tr("usage: zovactl {1}", {text}));
  return kExitUsage;
}

// The machine from the global options; false (after a message) when they are out of range.
bool ConfigFrom(Context& ctx, language::LanguageConfig& config) {
  config.axes = ctx.options.axes == 0 ? 6 : ctx.options.axes;
  config.machineType = ctx.options.machineType;
  if (config.axes < 2 || config.axes > 6) {
    ctx.ui->messageBox(Tr("--axes must be 2 to 6"));
    return false;
  }
  if (config.machineType < 0 || config.machineType > 2) {
    ctx.ui->messageBox(Tr("--machine-type must be 0, 1 or 2"));
    return false;
  }
  return true;
}

void PrintRecord(Context& ctx, const language::Record& record) {
  std::fprintf(ctx.out, "%s\n", language::RecordWords(record).c_str());
}

// "XXXXXXXX XXXXXXXX" with any blanks around; false for anything else.
bool ParseRecordLine(std::string_view line, language::Record& record) {
  const auto word = [&](std::size_t& pos, std::uint32_t& out) {
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
    const auto [end, ec] = std::from_chars(line.data() + pos, line.data() + line.size(), out, 16);
    if (ec != std::errc()) return false;
    pos = static_cast<std::size_t>(end - line.data());
    return true;
  };
  std::size_t pos = 0;
  if (!word(pos, record.word1) || !word(pos, record.word2)) return false;
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t')) ++pos;
  return pos == line.size();
}

}  // namespace

int RunCompile(Context& ctx, const Args& args) {
  language::LanguageConfig config;
  if (!ConfigFrom(ctx, config)) return kExitUsage;
  language::ProgramStore store;
  language::Compiler compiler(store, ctx.ui->diagnostics(), config);
  std::optional<std::string> line;
  std::optional<std::string> programText;
  Args words;
  if (!ReadArgs(args, {{"--line", &line}, {"--program", &programText}}, words)) return Usage(ctx, kCompileUsage);

  if (line) {
    if (!words.empty() || programText) return Usage(ctx, kCompileUsage);
    const auto record = compiler.compileLine(*line);
    if (!record) return kExitProblems;
    PrintRecord(ctx, *record);
    return kExitOk;
  }

  // The program number only picks the presence flag the compile sets, which nothing printed here shows; a wrong
  // one is refused all the same.
  int program = 0;
  if (words.size() != 1 || words[0].empty() ||
      (programText && (!ParseInt(*programText, program) || program < 0 || program >= language::kProgramCount))) {
    return Usage(ctx, kCompileUsage);
  }
  const std::string& path = words[0];

  std::string source;
  std::string error;
  if (!ReadTextFile(path, language::kSourceFileMaxBytes, source, error)) {
    ctx.ui->messageBox(FormatFileFault(path, error));
    return kExitFile;
  }
  // The compile that check runs, so both name the same lines with the same messages.
  const language::SourceCheck check = language::CheckSource(source, config, store);
  for (const language::SourceProblem& p : check.problems) {
    ctx.ui->messageBox(FormatTextFault(path, {p.line, p.message}));
  }
  // An image with a line left out is not the program that was written: none is printed.
  if (!check.problems.empty()) return kExitProblems;
  for (int word = 0; word < check.imageWords; word += 2) PrintRecord(ctx, store.record(word / 2));
  return kExitOk;
}

int RunCheck(Context& ctx, const Args& args) {
  if (Args words; !ReadArgs(args, {}, words) || words.size() != 1) return Usage(ctx, kCheckUsage);
  language::LanguageConfig config;
  if (!ConfigFrom(ctx, config)) return kExitUsage;
  const std::string& path = args[0];
  std::string source;
  std::string error;
  if (!ReadTextFile(path, language::kSourceFileMaxBytes, source, error)) {
    ctx.ui->messageBox(FormatFileFault(path, error));
    return kExitFile;
  }
  language::ProgramStore store;
  const language::SourceCheck check = language::CheckSource(source, config, store);
  for (const language::SourceProblem& p : check.problems) {
    std::fprintf(ctx.out, "%s\n", FormatTextFault(path, {p.line, p.message}).c_str());
  }
  if (check.problems.empty()) return kExitOk;
  const std::string count = std::to_string(check.problems.size());
  ctx.ui->messageBox(check.problems.size() == 1 ? Tr("{1}: {2} problem", {path, count})
                                                : Tr("{1}: {2} problems", {path, count}));
  return kExitProblems;
}

int RunList(Context& ctx, const Args& args) {
  if (args.size() > 1) return Usage(ctx, kListUsage);
  language::LanguageConfig config;
  if (!ConfigFrom(ctx, config)) return kExitUsage;

  std::string text;
  std::string error;
  if ((args.empty() ? !ReadWholeStream(stdin, kListingInputMaxBytes, text, error)
                    : !ReadWholeFile(args[0], kListingInputMaxBytes, text, error)) ||
      !(error = TextFormProblem(text)).empty()) {
    ctx.ui->messageBox(FormatFileFault(args.empty() ? Tr("standard input") : args[0], error));
    return kExitFile;
  }

  // Every line is checked before anything is printed, so a bad input prints no half listing.
  std::string listing;
  int step = 0;
  for (const TextLine& line : SplitTextLines(text)) {
    if (line.text.find_first_not_of(" \t") == std::string_view::npos) continue;
    language::Record record;
    if (!ParseRecordLine(line.text, record)) {
      const std::string name = args.empty() ? std::string("-") : args[0];
      ctx.ui->messageBox(FormatTextFault(name, {line.number, Tr("expected two hexadecimal words")}));
      return kExitFile;
    }
    listing += language::ListLine(step++, record.word1, record.word2, config.machineType);
    listing += '\n';
  }
  std::fputs(listing.c_str(), ctx.out);
  return kExitOk;
}

namespace {
const std::array kCommands = {
    Command{.name = "compile",
            .synopsis = "compile FILE [--program N]\ncompile --line TEXT",
            .help = TrMark(
                "print the compiled records (word 1, word 2); exit 1 and print none when the source has a problem"),
            .run = RunCompile},
    Command{.name = "check",
            .synopsis = kCheckUsage,
            .help = TrMark("print each compiler problem as FILE:LINE: message; exit 1 when there is any"),
            .run = RunCheck},
    Command{
        .name = "list",
        .synopsis = kListUsage,
        .help = TrMark("print the listing line of each record that compile printed (zovactl compile F | zovactl list)"),
        .run = RunList},
};
}  // namespace

std::span<const Command> LanguageCommands() { return kCommands; }

}  // namespace zova::cli
