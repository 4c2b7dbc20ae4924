// The line scanner shared by file and single-line compiling: source lines, first letter, tokens, remarks.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zova::language {

inline constexpr std::size_t kScanColumns = 80;
inline constexpr std::size_t kTokenCount = 5;
inline constexpr std::size_t kTokenLength = 10;

// Token 1 is the mnemonic, tokens 2..5 the operands; letters are upper case.
using Tokens = std::array<std::string, kTokenCount>;

// What a source line holds, told by how it begins. Only a listing's step number (digits, then blanks) may
// stand in front of an instruction: a line that an operator reads as a remark ("# MVS P7", "-- x", "1) x")
// must never run as the motion inside it.
enum class LineKind {
  Blank,        // blanks, tabs and carriage returns only
  Comment,      // the first character that is not blank is ";"
  Instruction,  // a letter or "[" at `column`, after blanks or a step number
  Unreadable,   // anything else in front of the first letter, or no letter after a step number
};
struct LineStart {
  LineKind kind = LineKind::Blank;
  std::size_t column = 0;  // the ";" of a comment, the first letter of an instruction
};
[[nodiscard]] LineStart ClassifyLine(std::string_view line);

// Splits the line into at most 5 tokens, starting at column `start`. The readers look at no more than the
// first 10 characters of a token, but a longer word stays whole, so they see that it went on instead of
// taking its first part for the number and the rest for the next operand. `more` (when given) tells whether
// a sixth word follows the fifth token.
[[nodiscard]] Tokens Tokenise(std::string_view line, std::size_t start, bool* more = nullptr);

// The remark of an instruction line: from its first ";" to the end, or empty.
[[nodiscard]] std::string_view RemarkOf(std::string_view line);

// True when the instruction part of the line (everything in front of its remark) holds text the scanner
// never reads: past column 80, or after a carriage return that does not end the line. It would be dropped
// without a word.
[[nodiscard]] bool LeavesTextUnread(std::string_view line);

}  // namespace zova::language
