// Differences between two snapshots.
#include "backup/differences.h"

#include <algorithm>
#include <cstdio>

#include "language/listing.h"
#include "programs/program_wire.h"
#include "link/decoders.h"
#include "parameters/ax_para.h"
#include "parameters/sys_para.h"

namespace zova::backup {

namespace {

constexpr std::string_view kNone = "(none)";

// A parameter's name as its file line spells it: the prefix up to its "-" fill.
std::string FileName(std::string_view prefix) { return std::string(prefix.substr(0, prefix.find_first_of("- "))); }

std::string Quoted(const std::string* text) { return text == nullptr ? std::string(kNone) : "\"" + *text + "\""; }

// n with at least `width` digits.
std::string Padded(int n, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%0*d", width, n);
  return text;
}

// "P012": the row's letter and at least three digits, for locations and shifts alike.
std::string RowName(char letter, int row) { return letter + Padded(row, 3); }

void CompareValues(std::vector<Difference>& out, const std::string& item, std::int32_t c, std::int32_t b,
                   bool hundredths) {
  if (c == b) return;
  auto text = [&](std::int32_t v) { return hundredths ? FormatHundredths(std::int64_t{v}) : std::to_string(v); };
  out.push_back({item, text(c), text(b)});
}

void CompareSys(const Bytes& c, const Bytes& b, std::vector<Difference>& out) {
  std::vector<std::string> names(parameters::kSysParaSize);
  for (const parameters::SysParaEntry& e : parameters::SysParaEntries())
    names[static_cast<std::size_t>(e.index)] = FileName(e.prefix);
  for (std::size_t i = 0; i < parameters::kSysParaSize; ++i) {
    const std::string item = names[i].empty() ? "system entry " + std::to_string(i) : names[i];
    CompareValues(out, item, DecodePosition(c, static_cast<int>(i)), DecodePosition(b, static_cast<int>(i)), false);
  }
  if (c.size() != b.size()) {
    out.push_back({"system block", std::to_string(c.size()) + " bytes", std::to_string(b.size()) + " bytes"});
  }
}

void CompareAxis(const Snapshot& c, const Snapshot& b, std::vector<Difference>& out) {
  std::vector<std::string> names(parameters::kAxParaEntries);
  for (const parameters::AxParaEntry& e : parameters::AxParaEntries())
    names[static_cast<std::size_t>(e.entry)] = FileName(e.prefix);
  const int axes = std::min(c.axes, b.axes);
  for (int e = 0; e < parameters::kAxParaEntries; ++e) {
    const auto index = static_cast<std::size_t>(e);
    const std::string name = names[index].empty() ? "entry " + std::to_string(e) : names[index];
    for (int a = 0; a < axes; ++a) {
      const int at = a * parameters::kAxParaEntries + e;
      CompareValues(out, name + " axis " + std::to_string(a + 1), DecodePosition(c.axis, at),
                    DecodePosition(b.axis, at), false);
    }
  }
}

void CompareTable(const Snapshot& c, const Snapshot& b, Part part, std::vector<Difference>& out) {
  const int rows = part == Part::Loc ? kLocRows : kSftRows;
  const char letter = part == Part::Loc ? 'P' : 'S';
  const int axes = std::min(c.axes, b.axes);
  for (int r = 0; r < rows; ++r) {
    for (int a = 0; a < axes; ++a) {
      CompareValues(out, RowName(letter, r) + " axis " + std::to_string(a + 1),
                    DecodePosition(c.block(part), r * c.axes + a), DecodePosition(b.block(part), r * b.axes + a), true);
    }
  }
}

// A program as its source text reads, by step: each step's line, and the comment-only lines before it.
struct ProgramText {
  std::vector<std::string> steps;
  std::vector<std::vector<std::string>> remarks;  // remarks[k]: comment-only lines before step k
  bool operator==(const ProgramText&) const = default;
};

ProgramText ReadProgram(const Bytes& raw, int program, int machineType) {
  language::ProgramStore store;
  LoadProgram(raw, store, program);
  ProgramText text;
  std::vector<std::string> pending;
  for (const language::ListedLine& line : language::ListProgramLines(store, machineType)) {
    if (line.step < 0) {
      pending.push_back(line.comment);
      continue;
    }
    std::string listing = line.listing;
    const std::string number = Padded(line.step, 3) + " ";
    if (listing.starts_with(number)) listing.erase(0, number.size());
    if (!line.comment.empty()) listing += " " + line.comment;
    text.steps.push_back(listing);
    text.remarks.push_back(std::move(pending));
    pending.clear();
  }
  return text;
}

template <typename T>
const T* At(const std::vector<T>& v, std::size_t i) {
  return i < v.size() ? &v[i] : nullptr;
}

// The parts of a full program block that the listing reads as one: the presence flag and step count, each
// record (two words), each comment row.
struct Unit {
  std::size_t begin;
  std::size_t end;
  bool commentRow;
};

std::vector<Unit> BlockUnits() {
  std::vector<Unit> units{{0, 2, false}};
  for (std::size_t at = 2; at < programs::kProgramBlockBytes; at += 8) units.push_back({at, at + 8, false});
  for (std::size_t at = programs::kProgramBlockBytes; at < kFullProgramBytes; at += language::kCommentCells) {
    units.push_back({at, at + language::kCommentCells, true});
  }
  return units;
}

// A block being tried with bytes of the other side put in.
class Trial {
 public:
  Trial(const Bytes& base, const Bytes& other, int program, int machineType)
      : base_(base),
        other_(other),
        trial_(base),
        text_(ReadProgram(base, program, machineType)),
        program_(program),
        machineType_(machineType) {}
  // Whether the other side's bytes [begin, end) change this side's text.
  bool shows(std::size_t begin, std::size_t end) {
    const auto from = static_cast<std::ptrdiff_t>(begin);
    const auto to = static_cast<std::ptrdiff_t>(end);
    std::copy(other_.begin() + from, other_.begin() + to, trial_.begin() + from);
    const bool changed = !(ReadProgram(trial_, program_, machineType_) == text_);
    std::copy(base_.begin() + from, base_.begin() + to, trial_.begin() + from);
    return changed;
  }
  // Whether the other side's bytes [from, to) of record `step` (at `begin`) change this side's line of that
  // step: a record's line depends on its two words alone, and on whether it ends the program.
  [[nodiscard]] bool showsInRecord(int step, std::size_t begin, std::size_t from, std::size_t to) const {
    if (static_cast<std::size_t>(step) >= text_.steps.size()) return false;  // after this side's end
    auto line = [&](bool changed) {
      std::uint32_t w[2] = {0, 0};
      for (std::size_t i = 0; i < 8; ++i) {
        const std::size_t at = begin + i;
        const std::uint8_t byte = changed && at >= from && at < to ? other_[at] : base_[at];
        w[i / 4] |= static_cast<std::uint32_t>(byte) << (8 * (i % 4));
      }
      return std::pair{language::ListLine(step, w[0], w[1], machineType_), w[0] == language::kEndRecord.word1};
    };
    return line(true) != line(false);
  }
  [[nodiscard]] std::size_t lastText(std::size_t row) const {
    const std::uint8_t mark = base_[row + 1];  // the index of the row's last text cell; 0xFF: no text
    return mark == 0xFF ? 0 : std::min<std::size_t>(mark, language::kCommentCells - 1);
  }

 private:
  const Bytes& base_;
  const Bytes& other_;
  Bytes trial_;
  ProgramText text_;
  int program_;
  int machineType_;
};

// Where two full blocks differ in a way the source text does not show: each byte that, put alone into
// either side, leaves that side's text as it is. A record or comment row whose whole change shows on
// neither side is hidden as a whole; else each of its bytes is tried (a comment cell after both rows' text
// never shows). The first byte of each run of such bytes.
std::vector<std::size_t> HiddenChanges(const Bytes& c, const Bytes& b, int n, int machineType) {
  Trial intoC(c, b, n, machineType);
  Trial intoB(b, c, n, machineType);
  std::vector<bool> hidden(c.size(), false);
  for (const Unit& u : BlockUnits()) {
    const auto begin = c.begin() + static_cast<std::ptrdiff_t>(u.begin);
    if (std::equal(begin, c.begin() + static_cast<std::ptrdiff_t>(u.end),
                   b.begin() + static_cast<std::ptrdiff_t>(u.begin))) {
      continue;
    }
    const bool record = !u.commentRow && u.begin >= 2;
    const int step = record ? static_cast<int>((u.begin - 2) / 8) : 0;
    auto shows = [&](std::size_t from, std::size_t to) {
      return record ? intoC.showsInRecord(step, u.begin, from, to) || intoB.showsInRecord(step, u.begin, from, to)
                    : intoC.shows(from, to) || intoB.shows(from, to);
    };
    const bool whole = !shows(u.begin, u.end);
    const std::size_t lastText = u.commentRow ? std::max(intoC.lastText(u.begin), intoB.lastText(u.begin)) : 0;
    for (std::size_t i = u.begin; i < u.end; ++i) {
      if (c[i] == b[i]) continue;
      const std::size_t cell = i - u.begin;
      hidden[i] = whole || (u.commentRow && cell >= 2 ? cell > lastText : !shows(i, i + 1));
    }
  }
  std::vector<std::size_t> runs;
  for (std::size_t i = 0; i < hidden.size(); ++i) {
    if (hidden[i] && (i == 0 || !hidden[i - 1])) runs.push_back(i);
  }
  return runs;
}

std::string ByteText(const Bytes& v, std::size_t at) {
  if (at >= v.size()) return std::string(kNone);
  char text[8];
  std::snprintf(text, sizeof text, "%02X", v[at]);
  return text;
}

void CompareProgram(int n, const Bytes& c, const Bytes& b, int machineType, std::vector<Difference>& out) {
  if (c == b) return;
  const std::string name = "program " + Padded(n, 2);
  const ProgramText tc = ReadProgram(c, n, machineType);
  const ProgramText tb = ReadProgram(b, n, machineType);
  const std::size_t before = out.size();
  for (std::size_t k = 0; k < std::max(tc.steps.size(), tb.steps.size()); ++k) {
    const std::string line = name + " line " + std::to_string(k);
    static const std::vector<std::string> kNoRemarks;
    const auto& rc = k < tc.remarks.size() ? tc.remarks[k] : kNoRemarks;
    const auto& rb = k < tb.remarks.size() ? tb.remarks[k] : kNoRemarks;
    for (std::size_t i = 0; i < std::max(rc.size(), rb.size()); ++i) {
      const std::string* x = At(rc, i);
      const std::string* y = At(rb, i);
      if (x == nullptr || y == nullptr || *x != *y) {
        out.push_back({line + " comment " + std::to_string(i + 1), Quoted(x), Quoted(y)});
      }
    }
    const std::string* x = At(tc.steps, k);
    const std::string* y = At(tb.steps, k);
    if (x == nullptr || y == nullptr || *x != *y) out.push_back({line, Quoted(x), Quoted(y)});
  }
  std::vector<std::size_t> bytes;
  if (c.size() == b.size()) {
    bytes = HiddenChanges(c, b, n, machineType);
  } else if (out.size() == before) {
    // An empty program against a full block whose text is the end record alone.
    bytes.push_back(static_cast<std::size_t>(std::mismatch(c.begin(), c.end(), b.begin(), b.end()).first - c.begin()));
  }
  for (std::size_t at : bytes) out.push_back({name + " byte " + std::to_string(at), ByteText(c, at), ByteText(b, at)});
}

}  // namespace

std::string DifferenceLine(const Difference& d) { return DifferenceLine(d, "controller", "backup"); }

std::string DifferenceLine(const Difference& d, std::string_view first, std::string_view second) {
  return d.item + ": " + std::string(first) + " " + d.controller + ", " + std::string(second) + " " + d.backup;
}

std::vector<Difference> FindDifferences(const Snapshot& c, const Snapshot& b, Parts parts, int machineType) {
  std::vector<Difference> out;
  if (parts.has(Part::Sys)) CompareSys(c.sys, b.sys, out);
  if (parts.has(Part::Axis)) CompareAxis(c, b, out);
  if (parts.has(Part::Loc)) CompareTable(c, b, Part::Loc, out);
  if (parts.has(Part::Sft)) CompareTable(c, b, Part::Sft, out);
  if (parts.has(Part::Programs)) {
    for (int n = 0; n < kBackupPrograms; ++n) {
      CompareProgram(n, c.programs[static_cast<std::size_t>(n)], b.programs[static_cast<std::size_t>(n)], machineType,
                     out);
    }
  }
  return out;
}

}  // namespace zova::backup
