// Part names and lists.
#include "backup/parts.h"

#include <algorithm>

namespace zova::backup {

std::string_view PartName(Part part) {
  switch (part) {
    case Part::Programs:
      return "programs";
    case Part::Loc:
      return "loc";
    case Part::Sft:
      return "sft";
    case Part::Sys:
      return "sys";
    case Part::Axis:
      return "axis";
  }
  return {};
}

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
  Parts parts;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view name = list.substr(start, comma - start);
    bool known = false;
    for (Part p : kEveryPart) {
      if (name == PartName(p)) {
        parts.add(p);
        known = true;
      }
    }
    if (!known) {
      error = "unknown part \"" + std::string(name) + "\" (choose from programs,loc,sft,sys,axis)";
      return false;
    }
    start = comma + 1;
  }
  out = parts;
  return true;
}

}  // namespace zova::backup
