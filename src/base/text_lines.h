// Text files as a person's editor leaves them: the lines of a file, with the editor's habits allowed for.
#pragma once

#include <cstddef>
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
// last line without its line end still counts. An old tool's end-of-file mark (0x1A) as the last byte and
// empty or blank lines after the last line with text are dropped. A lone CR stays inside its line, so a
// reader refuses it.
std::vector<TextLine> SplitTextLines(std::string_view text);

// Why `text` cannot be read as lines at all ("UTF-16: save it as UTF-8", "line ends are CR only: ..."); empty
// when it can.
std::string TextFormProblem(std::string_view text);

// ReadWholeFile for a text file: also false, with `error` set to TextFormProblem, when the text is not
// in a form whose lines can be read.
[[nodiscard]] bool ReadTextFile(const std::string& path, std::size_t maxBytes, std::string& content,
                                std::string& error);

// `text` with A to Z in lower case and every other byte as it is: names and schemes compared as people
// read them, the same in every locale.
std::string AsciiLower(std::string_view text);

// The words of a line: runs of anything but blanks and tabs.
std::vector<std::string_view> SplitWords(std::string_view line);

// The parts of `text` between each `separator`, empty ones kept: "a,,b" has three, "" has one.
std::vector<std::string_view> SplitAt(std::string_view text, char separator);

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

// "FILE:LINE: message", or "FILE: message" when the fault names no line. Control characters and bytes that
// are not UTF-8 show escaped ("\r", "\x1B"): a refusal echoes the file's own bytes, which must neither
// split the message nor reach the terminal as commands.
std::string FormatTextFault(std::string_view file, const TextFault& fault);
// "FILE: reason", for a file that could not be read or written at all.
std::string FormatFileFault(std::string_view file, std::string_view reason);
// `text` with the escapes above.
std::string EscapeControls(std::string_view text);

// A decimal number of a field that keeps `decimals` decimals: an optional "-", at least one digit, and
// optionally a "." with 1 to `decimals` digits ("1.5", "0", "-12" where the program writes "1.50", "0.00",
// "-12.00"). No "+", exponent, comma, leading zero, "-0", ".5", "5.", blank or other character: each could
// be read as another value. The value comes back scaled by 10^decimals; false when the text is not of that
// form or the scaled value lies outside [min, max].
bool ReadFixedDecimal(std::string_view text, int decimals, long long min, long long max, long long& value);

// Why ReadFixedDecimal refuses `text`, as a short phrase that starts with the text itself:
// "2,50 has a comma", "1.005 has more than 2 decimals", "200000.00 lies outside -167772.16 to 167772.15",
// "+7.00 is not a decimal number such as 12.5 or -0.05".
std::string FixedDecimalFault(std::string_view text, int decimals, long long min, long long max);

}  // namespace zova
