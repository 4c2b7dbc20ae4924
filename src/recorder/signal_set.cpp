// Signal names and the operator's list of them.
#include "recorder/signal_set.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "base/text_lines.h"
#include "base/translation.h"
#include "base/whole_number.h"
#include "console/point_labels.h"

namespace zova::recorder {

namespace {

std::string Two(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", n);
  return text;
}

// The canonical order of files and windows.
int Rank(Signal s) { return static_cast<int>(s.group) * 100 + s.index; }

// A point number as typed; a sign is not a point's ("in-3").
bool Number(std::string_view text, int& out) {
  const std::optional<int> n = text.size() > 3 || text.starts_with('-') ? std::nullopt : ReadWholeNumber(text);
  if (n) out = *n;
  return n.has_value();
}

// "in", "in5", "in0-15" (and the same for "out") into points; false when the item is not of this form.
bool Points(std::string_view item, std::string_view prefix, int& first, int& last) {
  if (!item.starts_with(prefix)) return false;
  item.remove_prefix(prefix.size());
  if (item.empty()) {
    first = 0;
    last = kPoints - 1;
    return true;
  }
  const std::size_t dash = item.find('-');
  if (dash == std::string_view::npos) return Number(item, first) && Number(item, last);
  return Number(item.substr(0, dash), first) && Number(item.substr(dash + 1), last);
}

}  // namespace

std::string SignalName(Signal s) {
  const std::string axis = "axis" + std::to_string(s.index + 1);
  switch (s.group) {
    case Group::Inputs:
      return "in" + Two(s.index) + " " + console::InputLabel(s.index);
    case Group::Outputs:
      return "out" + Two(s.index) + " " + console::OutputLabel(s.index);
    case Group::Sensors:
      return axis + " sensor";
    case Group::CommandPositions:
      return axis + " command";
    case Group::ActualPositions:
      return axis + " actual";
    case Group::Error:
      return s.index == 0 ? "error code" : "error value";
  }
  return {};
}

std::string ShortName(Signal s) {
  switch (s.group) {
    case Group::Inputs:
      return "in" + std::to_string(s.index);
    case Group::Outputs:
      return "out" + std::to_string(s.index);
    case Group::Error:
      return "error";
    default:
      return "axis" + std::to_string(s.index + 1);
  }
}

bool SignalSet::reads(Group g) const {
  return std::any_of(list.begin(), list.end(), [g](Signal s) { return s.group == g; });
}

SignalSet AllSignals(int axes) {
  SignalSet set;
  std::string error;
  (void)ParseSignalList("", axes, set, error);
  return set;
}

bool ParseSignalList(std::string_view text, int axes, SignalSet& out, std::string& error) {
  SignalSet set;
  set.axes = axes;
  auto add = [&](Group g, int first, int last) {
    for (int i = first; i <= last; ++i) set.list.push_back({g, i});
  };
  const std::string_view all = "in,out,sensors,positions,error";
  const std::string_view list = text.empty() ? all : text;
  for (std::string_view item : SplitAt(list, ',')) {
    while (item.starts_with(' ')) item.remove_prefix(1);  // "in, out" reads as "in,out"
    while (item.ends_with(' ')) item.remove_suffix(1);
    int first = 0;
    int last = 0;
    if (item == "sensors") {
      add(Group::Sensors, 0, axes - 1);
    } else if (item == "positions") {
      add(Group::CommandPositions, 0, axes - 1);
      add(Group::ActualPositions, 0, axes - 1);
    } else if (item == "error") {
      add(Group::Error, 0, 1);
    } else if (Points(item, "out", first, last) || Points(item, "in", first, last)) {
      if (first > last || last >= kPoints) {
        error = Tr("{1}: no such point (0 to 63)", {std::string(item)});
        return false;
      }
      add(item.starts_with("in") ? Group::Inputs : Group::Outputs, first, last);
    } else {
      error = Tr("{1}: not a signal (in, out, in0-15, out10, sensors, positions, error)", {std::string(item)});
      return false;
    }
  }
  std::sort(set.list.begin(), set.list.end(), [](Signal a, Signal b) { return Rank(a) < Rank(b); });
  set.list.erase(std::unique(set.list.begin(), set.list.end()), set.list.end());
  out = std::move(set);
  return true;
}

bool SignalByName(std::string_view name, Signal& out, std::string (*nameOf)(Signal)) {
  for (const Signal& s : AllSignals(kMaxAxes).list) {
    if (nameOf(s) == name) {
      out = s;
      return true;
    }
  }
  return false;
}

}  // namespace zova::recorder
