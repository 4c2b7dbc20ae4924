// Value rules of the axis parameter screen's 19 boxes and its axis panels, as plain functions.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "base/diagnostic.h"
#include "parameters/ax_para.h"
#include "parameters/sys_para_editor.h"

namespace zova::parameters {

inline constexpr int kAxBoxCount = 19;

struct AxBox {
  int entry;
  std::string_view label;
  double low;
  double high;
  int scale;                 // the stored value is the typed number times this
  std::string_view message;  // a catalog text
};

const std::array<AxBox, kAxBoxCount>& AxBoxes();

// Whether a box takes a typed number; bounds apply before scaling, end points included
// (JLOCK also refuses 17 to 20).
bool AxBoxAccepts(int box, double number);

// Change of a box on the current axis: the number at the start of the text (0 when there is none),
// checked, scaled and rounded half to even into the entry. A refused number sends the box's message to `refusal`
// and stores nothing. An empty text does nothing. True when a value was stored.
bool CheckAxBox(int box, std::string_view text, AxPara& table, int axis, const DiagnosticSink& refusal);

// The refusals of showing each configured axis (UpdateAxButton after an axis panel click), in file order and
// by axis within a line; the table is not changed.
std::vector<BoxRefusal> AxParaRefusals(const AxPara& table, int axes);

// The text UpdateAxButton writes: hundredths entries as "#0.00", the others as plain integers.
std::string AxBoxText(int box, const AxPara& table, int axis);

// An axis panel selects its axis only when the axis is configured.
[[nodiscard]] constexpr bool CanSelectAxis(int panel, int configuredAxes) {
  return panel >= 0 && panel < configuredAxes;
}

}  // namespace zova::parameters
