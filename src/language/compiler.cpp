// Program compiler: line loop, comment table and counters around the shared scanner and parsers.
#include "language/compiler.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "language/mnemonic_table.h"
#include "language/number_readers.h"
#include "base/atomic_file.h"
#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::language {
namespace {

constexpr const char* kUnknownMnemonic = TrMark("해당 명령어가 없습니다");
constexpr const char* kUnreadableLine = TrMark(
    "the line does not begin with an instruction: only a step number may stand in front of one, and a "
    "comment line begins with \";\"");
constexpr const char* kNotANumber = TrMark("{1}: {2} is not a number");
constexpr const char* kTextAfterEnd = TrMark("a line after [EOF]: the program ends at its [EOF] line");
constexpr const char* kCommentTooLong = TrMark("the comment is longer than the 100 bytes a program keeps of it");

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The token as the line has it, before the scanner raised its letters: "100ms", not "100MS".
std::string AsTyped(std::string_view line, std::string_view token) {
  std::string upper(line);
  for (char& c : upper) c = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  const std::size_t at = upper.find(token);
  return std::string(at == std::string::npos ? token : line.substr(at, token.size()));
}

}  // namespace

std::string ProgramFileName(int program) {
  char name[32];
  std::snprintf(name, sizeof name, "ZOVAPRG%02d.dat", program);
  return name;
}

std::string CompileEndProblem(CompileEnd end) {
  switch (end) {
    case CompileEnd::EmptySource:
      return Tr("the source is empty: a program ends with an [EOF] line");
    case CompileEnd::MissingEndOfFile:
      return Tr("the source ends without an [EOF] line");
    case CompileEnd::LineLimit:
      return Tr("no [EOF] within the first 300 lines: the compiler reads no further");
    case CompileEnd::ImageFull:
      return Tr("more than 255 instructions before [EOF]: the program image is full");
    case CompileEnd::Ended:
    case CompileEnd::Stopped:
      break;
  }
  return {};
}

Compiler::Compiler(ProgramStore& store, DiagnosticSink problems, LanguageConfig config)
    : store_(store), problems_(std::move(problems)), config_(config) {}

bool Compiler::compileFile(int program, const std::filesystem::path& path) {
  std::string source;
  std::string error;
  if (!ReadTextFile(path.string(), kSourceFileMaxBytes, source, error)) {
    line_ = 0;
    report(FormatFileFault(path.string(), error));
    end_ = CompileEnd::Stopped;
    return false;
  }
  return compileSource(program, source);
}

int Compiler::mnemonicOfTokens() {
  const std::string& first = tokens_[0];
  if (first.size() >= 2 && first[0] == 'L' && IsDigit(first[1])) {
    // "L3" is the label definition "L L3"; whatever followed it moves along, so it still counts as surplus.
    for (std::size_t k = kTokenCount - 1; k > 1; --k) tokens_[k] = tokens_[k - 1];
    tokens_[1] = first;
    return op::L;
  }
  if (first.size() >= 2 && first[0] == 'F' && IsDigit(first[1])) return op::F;
  return LookUpMnemonic(first);
}

Parsed Compiler::parse(int opcode, bool singleLine, std::string_view line) const {
  const Parser parser = ParserFor(opcode);
  if (parser == nullptr) return Reject(Tr(kUnknownMnemonic));
  // Text the scanner never reached, or an operand no check looks at, would go out as something the line
  // does not say.
  if (LeavesTextUnread(line) || sixthWord_) return Reject(SyntaxError(opcode));
  const ParseInput input{opcode, tokens_, config_.axes, config_.machineType, singleLine};
  Parsed parsed = parser(input);
  if (!parsed.record) {
    // A typo in a number reads as a value out of range; the operator must learn it is no number at all.
    for (std::size_t k = 2; k <= kTokenCount; ++k) {
      if (IsMistypedNumber(input.token(k))) {
        return Reject(Tr(kNotANumber, {MnemonicText(opcode), AsTyped(line, input.token(k))}));
      }
    }
  }
  if (parsed.record && (HasSurplusOperand(input) || !OperandsTakeTheirForms(input))) {
    return Reject(SyntaxError(opcode));
  }
  return parsed;
}

void Compiler::append(const Record& record) {
  store_.image[static_cast<std::size_t>(words_)] = record.word1;
  store_.image[static_cast<std::size_t>(words_) + 1] = record.word2;
  words_ += 2;
}

bool Compiler::compileSource(int program, std::string_view source) {
  store_.clearImage();
  // Rows of an earlier compile or reception must not travel with this program.
  store_.clearComments();
  step_ = 0;
  words_ = 0;
  linesRead_ = 0;
  line_ = 0;

  // Lines as an editor leaves them: a byte order mark, CR LF or LF, a last line without its end.
  const std::vector<TextLine> lines = SplitTextLines(source);
  for (int row = 0; row < kSourceLineLimit; ++row) {
    if (words_ >= kImageWords) {
      end_ = CompileEnd::ImageFull;
      return false;
    }
    tokens_ = {};
    if (static_cast<std::size_t>(row) >= lines.size()) {
      end_ = row == 0 ? CompileEnd::EmptySource : CompileEnd::MissingEndOfFile;
      return false;
    }
    linesRead_ = row + 1;
    line_ = linesRead_;
    const std::string_view line = lines[static_cast<std::size_t>(row)].text;

    const LineStart start = ClassifyLine(line);
    if (start.kind == LineKind::Blank) {
      // A blank line stays in the program as a row without instruction, so a program fetched back keeps
      // its layout and each comment stays on its own instruction.
      store_.setCommentRow(row, kCommentOnlyStep, {});
      continue;
    }
    if (start.kind == LineKind::Comment) {
      // Kept from its ";", as the listing writer gives it back: indenting a comment never makes it an
      // instruction.
      const std::string_view comment = line.substr(start.column);
      const bool fits = comment.size() <= static_cast<std::size_t>(kCommentTextCells);
      store_.setCommentRow(row, kCommentOnlyStep, fits ? comment : std::string_view());
      if (!fits) report(Tr(kCommentTooLong));
      continue;
    }
    if (start.kind == LineKind::Unreadable) {
      store_.setCommentRow(row, kCommentOnlyStep, {});
      report(Tr(kUnreadableLine));
      continue;
    }
    if (start.column >= kScanColumns) {
      report(Tr(kUnknownMnemonic));  // the scanner sees no mnemonic where the line has one
      end_ = CompileEnd::Stopped;
      return false;
    }
    const std::string_view remark = RemarkOf(line);
    // The comment table keeps 100 bytes of a comment; the rest would be lost on the way to the controller.
    const bool remarkFits = remark.size() <= static_cast<std::size_t>(kCommentTextCells);
    tokens_ = Tokenise(line, start.column, &sixthWord_);
    const int opcode = mnemonicOfTokens();
    if (opcode == kNoMnemonic) {
      report(Tr(kUnknownMnemonic));
      end_ = CompileEnd::Stopped;
      return false;
    }

    store_.setCommentRow(row, static_cast<std::uint16_t>(step_), remark);
    const Parsed parsed = remarkFits ? parse(opcode, false, line) : Reject(Tr(kCommentTooLong));
    if (!parsed.record) {
      report(parsed.message);
      // No record was written for this line: its row must not claim one, or the comments of every later
      // instruction would shift by one when the program is fetched back.
      store_.setCommentRow(row, kCommentOnlyStep, remark);
      if (opcode != op::F && opcode != op::OFF) ++step_;
      continue;
    }
    append(*parsed.record);
    if (opcode == op::END_OF_PROGRAM) {
      const int index = program >= 0 && program < kProgramCount ? program : -1;
      if (index >= 0) {
        const bool present = step_ > 0;
        store_.presence[static_cast<std::size_t>(index)] = present ? 1 : 0;
        store_.stepCount[static_cast<std::size_t>(index)] = static_cast<std::int16_t>(present ? step_ : 0);
      }
      end_ = CompileEnd::Ended;
      reportTextAfterEnd(lines, static_cast<std::size_t>(row) + 1);
      return true;
    }
    ++step_;
  }
  end_ = CompileEnd::LineLimit;
  return false;
}

void Compiler::reportTextAfterEnd(const std::vector<TextLine>& lines, std::size_t first) {
  // The compiler reads nothing after "[EOF]": an instruction there would be lost without a word.
  for (std::size_t k = first; k < lines.size(); ++k) {
    if (ClassifyLine(lines[k].text).kind == LineKind::Blank) continue;
    // The end-of-file mark old editors put after the last line is no text.
    if (k + 1 == lines.size() && lines[k].text == "\x1A") continue;
    line_ = static_cast<int>(k) + 1;
    report(Tr(kTextAfterEnd));
  }
  line_ = linesRead_;
}

std::optional<Record> Compiler::compileLine(std::string_view line) {
  line_ = 0;
  words_ = 0;
  store_.image[0] = 0;
  tokens_ = {};
  // A typed line has no comment form: a comment or a line without a mnemonic is no command.
  const LineStart start = ClassifyLine(line);
  const bool hasLetter =
      std::any_of(line.begin(), line.end(), [](char c) { return (c | 0x20) >= 'a' && (c | 0x20) <= 'z'; });
  if (start.kind == LineKind::Unreadable && hasLetter) {
    report(Tr(kUnreadableLine));
    return std::nullopt;
  }
  if (start.kind != LineKind::Instruction || start.column >= kScanColumns) {
    report(Tr(kUnknownMnemonic));
    return std::nullopt;
  }
  tokens_ = Tokenise(line, start.column, &sixthWord_);
  const int opcode = mnemonicOfTokens();
  if (opcode == kNoMnemonic) {
    report(Tr(kUnknownMnemonic));
    return std::nullopt;
  }
  const Parsed parsed = parse(opcode, true, line);
  if (!parsed.record) {
    report(parsed.message);
    return std::nullopt;
  }
  append(*parsed.record);
  return parsed.record;
}

}  // namespace zova::language
