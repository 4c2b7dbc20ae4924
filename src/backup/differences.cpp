// Differences between two snapshots.
#include "backup/differences.h"

#include <algorithm>
#include <cstdio>

#include "language/listing.h"
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
  std::vector<std::string> names(kSysParaSize);
  for (const SysParaEntry& e : SysParaEntries()) names[static_cast<std::size_t>(e.index)] = FileName(e.prefix);
  for (std::size_t i = 0; i < kSysParaSize; ++i) {
    const std::string item = names[i].empty() ? "system entry " + std::to_string(i) : names[i];
    CompareValues(out, item, DecodePosition(c, static_cast<int>(i)), DecodePosition(b, static_cast<int>(i)), false);
  }
  if (c.size() != b.size()) {
    out.push_back({"system block", std::to_string(c.size()) + " bytes", std::to_string(b.size()) + " bytes"});
  }
}

void CompareAxis(const Snapshot& c, const Snapshot& b, std::vector<Difference>& out) {
  std::vector<std::string> names(kAxParaEntries);
  for (const AxParaEntry& e : AxParaEntries()) names[static_cast<std::size_t>(e.entry)] = FileName(e.prefix);
  const int axes = std::min(c.axes, b.axes);
  for (int e = 0; e < kAxParaEntries; ++e) {
    const auto index = static_cast<std::size_t>(e);
    const std::string name = names[index].empty() ? "entry " + std::to_string(e) : names[index];
    for (int a = 0; a < axes; ++a) {
      const int at = a * kAxParaEntries + e;
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
  if (out.size() != before) return;
  // The blocks differ where the source text does not show it: name the first byte.
  const auto diff = std::mismatch(c.begin(), c.end(), b.begin(), b.end());
  auto byteText = [](Bytes::const_iterator it, const Bytes& v) {
    if (it == v.end()) return std::string(kNone);
    char text[8];
    std::snprintf(text, sizeof text, "%02X", *it);
    return std::string(text);
  };
  out.push_back(
      {name + " byte " + std::to_string(diff.first - c.begin()), byteText(diff.first, c), byteText(diff.second, b)});
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
