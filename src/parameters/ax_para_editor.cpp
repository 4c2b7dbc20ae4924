// Value rules of the axis parameter screen.
#include "parameters/ax_para_editor.h"

#include <algorithm>

#include "link/decoders.h"
#include "base/translation.h"
#include "parameters/choice_group.h"
#include "parameters/number_text.h"
#include "parameters/parameter_text.h"
#include "parameters/wire_value.h"

namespace zova::parameters {

namespace {

constexpr std::string_view kMsgPosition = TrMark(" -21470000.00 ~ 21470000.00 사이의 값을 입력하십시요.");
constexpr std::string_view kMsgAcc = TrMark(" 0 ~ 25000 사이의 값을 입력하십시요.");
constexpr std::string_view kMsgInp = TrMark(" 0 ~ 900000 사이의 값을 입력하십시요.");
constexpr std::string_view kMsgVel = TrMark(" 1 ~ 5000 사이의 값을 입력하십시요.");

constexpr std::array<AxBox, kAxBoxCount> kBoxes = {{
    {100, "CCLR", -21470000, 21470000, 100, kMsgPosition},
    {101, "LOW", -21470000, 21470000, 100, kMsgPosition},
    {102, "UPP", -21470000, 21470000, 100, kMsgPosition},
    {103, "OFF", -21470000, 21470000, 100, kMsgPosition},
    {104, "ERR", 0, 100000, 100, TrMark(" 0 ~ 100000.00 사이의 값을 입력하십시요.")},
    {105, "VEL", 1, 50000, 100, TrMark(" 1 ~ 50000 사이의 값을 입력하십시요.")},
    {106, "GEB", 0, 900000, 100, kMsgInp},
    {107, "GEA", 0, 900000, 1, TrMark(" 0 ~ 900000.00 사이의 값을 입력하십시요.")},
    {130, "ACC", 0, 25000, 1, kMsgAcc},
    {131, "DCC", 0, 25000, 1, kMsgAcc},
    {132, "INP", 0, 900000, 1, kMsgInp},
    {133, "C-VEL", 1, 5000, 1, kMsgVel},
    {134, "F-VEL", 1, 5000, 1, kMsgVel},
    {135, "Z-ACC", 0, 25000, 1, kMsgAcc},
    {136, "P-ACC", 1, 25000, 1, TrMark(" 1 ~ 25000 사이의 값을 입력하십시요.")},
    {137, "RATIO", 0, 100, 1, TrMark(" 0 ~ 100 사이의 값을 입력하십시요.")},
    {138, "JLOCK", 0, 36, 1, TrMark(" 1 ~ 16, 21 ~ 36 사이의 값을 입력하십시요.")},
    {140, "ABSEN", 0, 4, 1, TrMark(" 0 ~ 4 사이의 값을 입력하십시요.")},
    {141, "PAUSE", 0, 1, 1, TrMark(" 0 ~ 1 사이의 값을 입력하십시요.")},
}};

constexpr int kJlockEntry = 138;

// The box's bounds narrowed to what the controller holds, in the box's own units.
std::string heldRangeMessage(const AxBox& b) {
  const auto lowest = std::max<std::int64_t>(static_cast<std::int64_t>(b.low) * b.scale, kWireLowest);
  const auto highest = std::min<std::int64_t>(static_cast<std::int64_t>(b.high) * b.scale, kWireHighest);
  auto shown = [&](std::int64_t v) { return b.scale == 100 ? FormatHundredths(v) : std::to_string(v); };
  return HeldRangeMessage(shown(lowest), shown(highest));
}

}  // namespace

const std::array<AxBox, kAxBoxCount>& AxBoxes() { return kBoxes; }

bool AxBoxAccepts(int box, double number) {
  const AxBox& b = kBoxes[static_cast<std::size_t>(box)];
  if (!(number >= b.low && number <= b.high)) return false;
  // JLOCK's values come in two bands; 0, its default, is accepted though the message names 1.
  if (b.entry == kJlockEntry) return number <= 16 || number >= 21;
  return true;
}

bool CheckAxBox(int box, std::string_view text, AxPara& table, int axis, const DiagnosticSink& refusal) {
  if (text.empty()) return false;
  const AxBox& b = kBoxes[static_cast<std::size_t>(box)];
  const double number = LeadingNumber(text);
  if (!AxBoxAccepts(box, number)) {
    refusal({0, Tr(b.message)});
    return false;
  }
  const double held = RoundHalfEven(number * b.scale);
  if (!FitsParameterWire(static_cast<std::int64_t>(held))) {
    refusal({0, heldRangeMessage(b)});
    return false;
  }
  table[axis][static_cast<std::size_t>(b.entry)] = static_cast<std::int32_t>(held);
  return true;
}

std::vector<BoxRefusal> AxParaRefusals(const AxPara& table, int axes) {
  std::vector<BoxRefusal> found;
  const auto& entries = AxParaEntries();
  for (int line = 1; line <= kAxParaNamed; ++line) {
    const AxParaEntry& e = entries[static_cast<std::size_t>(line - 1)];
    const auto group = std::find_if(AxChoiceGroups().begin(), AxChoiceGroups().end(),
                                    [&](const ChoiceGroup& g) { return g.entry == e.entry; });
    const auto box = std::find_if(kBoxes.begin(), kBoxes.end(), [&](const AxBox& b) { return b.entry == e.entry; });
    const int b = static_cast<int>(box - kBoxes.begin());
    for (int a = 0; a < axes; ++a) {
      const std::int32_t held = table[a][static_cast<std::size_t>(e.entry)];
      std::string message;
      if (group != AxChoiceGroups().end()) {
        if (!HighlightedButton(*group, held)) message = ChoiceRefusal(*group);
      } else {
        AxPara shown = table;
        (void)CheckAxBox(b, AxBoxText(b, table, a), shown, a, [&](const Diagnostic& d) { message = d.text; });
        if (message.empty() && shown[a][static_cast<std::size_t>(e.entry)] != held) message = Tr(box->message);
      }
      if (message.empty()) continue;
      found.push_back({line, Tr("{1} axis {2}: {3}", {FileKey(e.prefix), std::to_string(a + 1), std::to_string(held)}),
                       std::move(message)});
    }
  }
  return found;
}

std::string AxBoxText(int box, const AxPara& table, int axis) {
  const AxBox& b = kBoxes[static_cast<std::size_t>(box)];
  const std::int32_t value = table[axis][static_cast<std::size_t>(b.entry)];
  return IsHundredthsEntry(b.entry) ? FormatHundredths(std::int64_t{value}) : std::to_string(value);
}

}  // namespace zova::parameters
