// Scanner: what a line holds by how it begins, and the bytes of an instruction line become tokens.
#include "language/scanner.h"

#include <algorithm>

namespace zova::language {
namespace {

bool IsLetterOrBracket(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '['; }

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

LineStart ClassifyLine(std::string_view line) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
  std::size_t pos = 0;
  while (pos < line.size() && blank(line[pos])) ++pos;
  if (pos == line.size()) return {LineKind::Blank, 0};
  if (line[pos] == ';') return {LineKind::Comment, pos};
  if (line[pos] >= '0' && line[pos] <= '9') {
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') ++pos;
    const std::size_t digitsEnd = pos;
    while (pos < line.size() && blank(line[pos])) ++pos;
    // "012MVE" is no listing line: the step number is followed by a blank.
    if (pos == digitsEnd) return {LineKind::Unreadable, pos};
  }
  if (pos < line.size() && IsLetterOrBracket(line[pos])) return {LineKind::Instruction, pos};
  return {LineKind::Unreadable, pos};
}

Tokens Tokenise(std::string_view line, std::size_t start, bool* more) {
  const std::string_view text = line.substr(0, std::min(line.size(), kScanColumns));
  Tokens tokens;
  std::size_t pos = start;
  const auto atEnd = [&] { return pos >= text.size() || text[pos] == ';' || text[pos] == '\r'; };
  const auto take = [&](std::string& token) {
    while (pos < text.size()) {
      const char c = text[pos];
      if (c == ' ' || c == '\t' || c == ',' || c == '\r') break;
      token += Upper(c);
      ++pos;
    }
  };
  const auto skip = [&](bool commas) {
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t' || (commas && text[pos] == ','))) ++pos;
  };

  take(tokens[0]);
  skip(false);  // a comma right after the mnemonic leaves token 2 empty
  for (std::size_t k = 1; k < kTokenCount && !atEnd(); ++k) {
    take(tokens[k]);
    skip(true);
  }
  if (more != nullptr) *more = !atEnd();
  return tokens;
}

std::string_view RemarkOf(std::string_view line) {
  const std::size_t semicolon = line.find(';');
  if (semicolon == std::string_view::npos) return {};
  return line.substr(semicolon);
}

bool LeavesTextUnread(std::string_view line) {
  const std::string_view instruction = line.substr(0, line.find(';'));
  const std::size_t last = instruction.find_last_not_of(" \t\r");
  if (last == std::string_view::npos) return false;
  // Tokenising ends at a carriage return, so whatever follows one inside a line is never read either.
  return last >= kScanColumns || instruction.substr(0, last).find('\r') != std::string_view::npos;
}

}  // namespace zova::language
