// The machine's signals a recording can hold, how they are named in files, and the operator's choice of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zova::recorder {

inline constexpr int kPoints = 64;
inline constexpr int kMaxAxes = 6;

// One exchange reads each group whole: inputs (27), outputs (28), sensor words (40), command positions (29),
// actual positions (30), the error report (31).
enum class Group : std::uint8_t { Inputs, Outputs, Sensors, CommandPositions, ActualPositions, Error };
inline constexpr int kGroups = 6;

struct Signal {
  Group group;
  int index;  // point 0..63; axis 0..5; for the error report 0 is its code, 1 its value
  friend bool operator==(const Signal&, const Signal&) = default;
};

// "in00 E-STOP", "out10 UOUT 03", "axis1 sensor", "axis1 command", "axis1 actual", "error code", "error value".
std::string SignalName(Signal s);
// The short form an operator types: "in3", "out12", "axis1", "error".
std::string ShortName(Signal s);
// Inputs and outputs are one bit; the others are numbers.
inline bool IsBit(Signal s) { return s.group == Group::Inputs || s.group == Group::Outputs; }
inline bool IsPosition(Signal s) { return s.group == Group::CommandPositions || s.group == Group::ActualPositions; }

struct SignalSet {
  int axes = 4;
  std::vector<Signal> list;  // in the order in, out, sensors, command, actual, error
  [[nodiscard]] bool reads(Group g) const;
};

// Every signal of a controller with `axes` axes.
SignalSet AllSignals(int axes);
// "in,out,in0-15,out10,sensors,positions,error" (empty: all). False with the reason, naming the item.
bool ParseSignalList(std::string_view text, int axes, SignalSet& out, std::string& error);
// The signal a file's header names by `nameOf` (SignalName, VcdName; any axis count up to six); false for
// another name.
bool SignalByName(std::string_view name, Signal& out, std::string (*nameOf)(Signal) = SignalName);

}  // namespace zova::recorder
