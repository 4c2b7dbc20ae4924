// Part names and lists.
#include "backup/parts.h"

#include <algorithm>

#include "base/translation.h"

namespace zova::backup {

namespace {

// Each part's name on the command line, its title in messages and summaries (looked up where shown), and the
// stem of its text file.
struct PartWords {
  Part part;
  std::string_view name;
  std::string_view title;
  std::string_view fileStem;
};

constexpr std::array<PartWords, kEveryPart.size()> kPartWords = {{
    {Part::Programs, "programs", TrMark("programs"), ""},
    {Part::Loc, "loc", TrMark("locations"), "ZOVALOC"},
    {Part::Sft, "sft", TrMark("shifts"), "ZOVASFT"},
    {Part::Sys, "sys", TrMark("system parameters"), "ZOVASYS"},
    {Part::Axis, "axis", TrMark("axis parameters"), "DIRIDOZO"},
}};

const PartWords& WordsOf(Part part) {
  return *std::find_if(kPartWords.begin(), kPartWords.end(), [part](const PartWords& w) { return w.part == part; });
}

}  // namespace

std::string_view PartName(Part part) { return WordsOf(part).name; }
std::string_view PartTitle(Part part) { return WordsOf(part).title; }
std::string_view PartFileStem(Part part) { return WordsOf(part).fileStem; }

Parts Parts::All() {
  Parts all;
  for (Part p : kEveryPart) all.add(p);
  return all;
}

std::string Parts::text() const {
  std::string out;
  for (Part p : kEveryPart) {
    if (!has(p)) continue;
    if (!out.empty()) out += ',';
    out += PartName(p);
  }
  return out;
}

bool Parts::Parse(std::string_view list, Parts& out, std::string& error) {
  // An empty list, an empty name or a name given twice is a slip in a script, not a choice: an empty
  // shell variable must not widen a restore to the whole controller.
  if (list.empty()) {
    error = Tr("no parts named (choose from programs,loc,sft,sys,axis)");
    return false;
  }
  Parts parts;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view name = list.substr(start, comma - start);
    start = comma + 1;
    const auto* known =
        std::find_if(kPartWords.begin(), kPartWords.end(), [name](const PartWords& w) { return w.name == name; });
    if (known == kPartWords.end()) {
      error = name.empty() ? Tr("an empty part name in \"{1}\"", {list})
                           : Tr("unknown part \"{1}\" (choose from programs,loc,sft,sys,axis)", {name});
      return false;
    }
    if (parts.has(known->part)) {
      error = Tr("part \"{1}\" named twice", {name});
      return false;
    }
    parts.add(known->part);
  }
  out = parts;
  return true;
}

}  // namespace zova::backup
