// Text files as a person's editor leaves them: the lines of a file, with the editor's habits allowed for.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zova {

// One line of a text file without its line end; `number` counts from 1.
struct TextLine {
  std::string_view text;
  int number = 0;
};

// The lines of `text`: a UTF-8 byte order mark at the start is dropped, a line ends at LF or CR LF, and a
// last line without its line end still counts. A lone CR stays inside its line, so a reader refuses it.
std::vector<TextLine> SplitTextLines(std::string_view text);

// The words of a line: runs of anything but blanks and tabs.
std::vector<std::string_view> SplitWords(std::string_view line);

// `text` with the allowances above made undone: no byte order mark, LF line ends, a line end after the
// last line, and every run of blanks and tabs within a line one blank, none at either end. Two texts a
// reader must treat alike have the same form.
std::string NormalizeEditorText(std::string_view text);

// A refusal that names its line ("the line" counts from 1; 0 names the file as a whole).
struct TextFault {
  int line = 0;
  std::string message;
  [[nodiscard]] bool failed() const { return !message.empty(); }
};

// "FILE:LINE: message", or "FILE: message" when the fault names no line.
std::string FormatTextFault(std::string_view file, const TextFault& fault);

// A decimal number as the program writes it: an optional "-", at least one digit, and exactly
// `decimals` digits after a "." (none and no "." when `decimals` is 0). No "+", exponent, leading zero, "-0", blank or
// other character. The value comes back scaled by 10^decimals; false when the text is not of that
// form or the scaled value lies outside [min, max].
bool ReadFixedDecimal(std::string_view text, int decimals, long long min, long long max, long long& value);

// Why ReadFixedDecimal refuses `text`, as a short phrase that starts with the text itself:
// "2,50 has a comma", "1.005 has more than 2 decimals", "200000.00 lies outside -167772.16 to 167772.15",
// "+7.00 is not a number as the program writes it (such as 12.00 or -0.05)".
std::string FixedDecimalFault(std::string_view text, int decimals, long long min, long long max);

}  // namespace zova
