// Recordings as CSV.
#include <algorithm>
#include <charconv>
#include <climits>

#include "base/translation.h"
#include "recorder/recording_file.h"
#include "recorder/value_reading.h"

namespace zova::recorder {

bool FormOfName(std::string_view path, FileForm& out) {
  const std::string end = AsciiLower(path.substr(path.size() < 4 ? 0 : path.size() - 4));
  if (end != ".csv" && end != ".vcd") return false;
  out = end == ".csv" ? FileForm::Csv : FileForm::Vcd;
  return true;
}

namespace {

// The fields of a row; a field a spreadsheet put in quotes ("in00 E-STOP") reads as without them.
std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields = SplitAt(line, ',');
  for (std::string_view& field : fields) {
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') field = field.substr(1, field.size() - 2);
  }
  return fields;
}

}  // namespace

TextFault ReadCsv(const std::vector<TextLine>& lines, Recording& out) {
  Recording r;
  if (lines.empty()) return {0, Tr("the file is empty")};
  const std::vector<std::string_view> names = Fields(lines[0].text);
  if (names[0] != "time") return {lines[0].number, Tr("the header does not start with \"time\"")};
  TextFault fault = SignalsNamed(
      names, 1, [](std::string_view n, Signal& s) { return SignalByName(n, s); }, r.set);
  if (fault.failed()) return {lines[0].number, fault.message};
  for (std::size_t i = 1; i < lines.size(); ++i) {
    const TextLine& line = lines[i];
    const std::vector<std::string_view> fields = Fields(line.text);
    if (fields.size() != names.size()) {
      return {line.number, Tr("{1} fields where the header names {2}",
                              {std::to_string(fields.size()), std::to_string(names.size())})};
    }
    Utc time;
    if (!ParseUtc(fields[0], time)) {
      return {line.number, Tr("{1}: not a UTC time such as 2026-12-07T22:30:01.123Z", {std::string(fields[0])})};
    }
    if (r.samples.empty()) r.start = time;
    Sample s;
    s.at = time - r.start;
    if (!r.samples.empty() && s.at < r.samples.back().at) return {line.number, Tr("the time goes back")};
    s.gap = std::all_of(fields.begin() + 1, fields.end(), [](std::string_view f) { return f.empty(); });
    for (std::size_t c = 1; c < fields.size() && !s.gap; ++c) {
      if (!SetValue(s, r.set.list[c - 1], fields[c])) {
        return {line.number, BadValue(r.set.list[c - 1], fields[c])};
      }
    }
    r.samples.push_back(s);
  }
  out = std::move(r);
  return {};
}

}  // namespace zova::recorder
