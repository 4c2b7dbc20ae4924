// Value rules of the axis parameter screen's 19 boxes and its axis panels, as plain functions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "link/ui.h"
#include "parameters/ax_para.h"

namespace zova {

inline constexpr int kAxBoxCount = 19;

struct AxBox {
  int entry;
  std::string_view label;
  double low;
  double high;
  int scale;  // the stored value is the typed number times this
  std::string_view message;
};

const std::array<AxBox, kAxBoxCount>& AxBoxes();

// Whether a box takes a typed number; bounds apply before scaling, end points included
// (JLOCK also refuses 17 to 20).
bool AxBoxAccepts(int box, double number);

// Change of a box on the current axis: the number at the start of the text (0 when there is none),
// checked, scaled and rounded half to even into the entry. A refused number shows the box's message
// and stores nothing. An empty text does nothing. True when a value was stored.
bool CheckAxBox(int box, std::string_view text, AxPara& table, int axis, Ui& ui);

// What showing each configured axis does (UpdateAxButton after an axis panel click): every box's change
// check runs on the text written for its value; a value a box refuses is reported and, as on the screen,
// kept. The command line runs it after reading a file and after a fetch.
void CheckAxParaBoxes(AxPara& table, int axes, Ui& ui);

// The text UpdateAxButton writes: hundredths entries as "#0.00", the others as plain integers.
std::string AxBoxText(int box, const AxPara& table, int axis);

// An axis panel selects its axis only when the axis is configured.
[[nodiscard]] constexpr bool CanSelectAxis(int panel, int configuredAxes) {
  return panel >= 0 && panel < configuredAxes;
}

}  // namespace zova
