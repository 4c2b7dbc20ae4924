// Value rules of the system parameter screen.
#include "parameters/sys_para_editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "link/decoders.h"
#include "base/translation.h"
#include "parameters/axis_count.h"
#include "parameters/choice_group.h"
#include "parameters/number_text.h"
#include "parameters/parameter_text.h"
#include "parameters/wire_value.h"

namespace zova::parameters {

namespace {

using K = SysBoxKind;
constexpr std::string_view kMsg0To99 = TrMark(" 0 ~ 99 까지 입력하십시요.");
constexpr std::string_view kMsg1To100 = TrMark(" 1 ~ 100 까지 입력하십시요.");
constexpr std::string_view kMsg0To1 = TrMark(" 0 ~ 1 까지 입력하십시요.");
constexpr std::string_view kMsgMsec = TrMark(" 000000 ~ 999999 까지 입력하십시요.");
constexpr std::string_view kMsg24Bits = TrMark(" 000000H ~ FFFFFFH 까지 입력하십시요.");

constexpr std::array<SysBox, kSysBoxCount> kBoxes = {{
    {0, "AXES", K::Decimal, 2, 6, kMsgAxesRange, "0", "2"},
    {3, "SYNC", K::AxisPair, 0, 101, TrMark(" 1 ~ 6 숫자중 서로다른 두자리수를 입력하십시요."), "0", "0"},
    {4, "SYNC POS ERROR", K::Decimal, 1, 999999, TrMark(" 1 ~ 999999 까지 입력하십시요."), "500", "500"},
    {5, "ARCH", K::Decimal, 1, 6, TrMark(" 1 ~ 6 까지 입력하십시요."), "0", "1"},
    {6, "UPAX", K::Decimal, 1, 6, TrMark(" 1 ~ 6 까지 입력하십시요."), "0", "1"},
    {7, "ZRAX", K::OrderCode, 0, 0, {}, {}, {}},
    {15, "BRAX(Hex)", K::Hexadecimal, 0, 0x3F, TrMark(" 0H ~ 3FH 까지 입력하십시요."), "0", "0"},
    {16, "BACK(Hex)", K::Hexadecimal, 0, 0xFF, TrMark(" 0H ~ FFH 까지 입력하십시요."), "0", "0"},
    {40, "PSIG(Hex)", K::Hexadecimal, 0, 0xFFFFFF, kMsg24Bits, "0", "0"},
    {41, "ESIG(Hex)", K::Hexadecimal, 0, 0xFFFFFF, kMsg24Bits, "0", "0"},
    {42, "ZRNO(Hex)", K::Hexadecimal, 0, 0xFFF, TrMark(" 0H ~ FFFH 까지 입력하십시요."), "0", "0"},
    {43, "BRON1(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {44, "BROFF1(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {45, "BRON2(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {46, "BROFF2(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {47, "BRON3(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {48, "BROFF3(msec)", K::Decimal, 0, 999999, kMsgMsec, "0", "0"},
    {49, "JOG Speed", K::Decimal, 1, 100, kMsg1To100, "0", "10"},
    {50, "Move Speed", K::Decimal, 1, 100, kMsg1To100, "0", "10"},
    {51, "Unit ID", K::Decimal, 0, 99, kMsg0To99, "0", "0"},
    {52, "Control Timer", K::Decimal, 1, 4, TrMark(" 1,2,4 중에서 하나를 입력하십시오."), "0", "0"},
    {53, "Type PLC", K::Decimal, 0, 99, kMsg0To99, "0", "0"},
    {54, "Type I/O", K::Decimal, 0, 99, kMsg0To99, "0", "0"},
    {55, "E-STOP", K::Decimal, 0, 1, kMsg0To1, "0", "0"},
    {56, "Align Flag", K::Decimal, 0, 1, kMsg0To1, "0", "0"},
    {57, "Align Value", K::AnyNumber, kWireLowest, kWireHighest, {}, "0", "0"},
    {58, "Align Speed", K::Decimal, 1, 100, kMsg1To100, "0", "10"},
    {59, "Ready Speed", K::Decimal, 1, 100, kMsg1To100, "0", "10"},
    {60, "PLC Addr", K::Decimal, 0, 999999, TrMark(" 0 ~ 999999 까지 입력하십시요."), "0", "0"},
    {61, "PLC Range", K::Decimal, 0, 999999, TrMark(" 0 ~ 999999 까지 입력하십시요."), "0", "0"},
    {62, "PLC Monitor", K::Decimal, 0, 999, TrMark(" 0 ~ 999 까지 입력하십시요."), "0", "0"},
    {63, "Status(Hex)", K::Hexadecimal, 0, 0xFFFFFF, TrMark(" 0H ~ FFFFFFH 까지 입력하십시요."), "0", "0"},
}};

constexpr int kControlTimerEntry = 52;

bool accepts(const SysBox& b, double number) {
  if (number < static_cast<double>(b.low) || number > static_cast<double>(b.high)) return false;
  // The Control Timer takes exactly 1, 2 or 4.
  if (b.entry == kControlTimerEntry) return number == 1 || number == 2 || number == 4;
  return true;
}

// One axis digit step shared by the SYNC and ZRAX rules; false when the character ends the scan.
bool takeAxisDigit(char c, std::uint32_t& code, bool& taken) {
  if (c >= '1' && c <= '6') {
    const auto digit = static_cast<std::uint32_t>(c - '0');
    code = taken ? code * 16 + digit : digit;
    taken = true;
    return true;
  }
  if (c == '0') {
    code = 0;
    return false;
  }
  return true;  // passed over
}

std::optional<std::string> reset(const DiagnosticSink& refusal, std::string message, std::string_view text) {
  refusal({0, std::move(message)});
  return std::string(text);
}

// A box without a range message of its own (AVAL) is bounded by what the controller holds.
std::string rangeMessage(const SysBox& b) {
  return b.rangeMessage.empty() ? HeldRangeMessage(std::to_string(b.low), std::to_string(b.high)) : Tr(b.rangeMessage);
}

constexpr std::string_view kMsgOrderDigits = TrMark(" Enter at most six axis digits.");

}  // namespace

const std::array<SysBox, kSysBoxCount>& SysBoxes() { return kBoxes; }

std::int32_t AxisPairCode(std::string_view text) {
  std::uint32_t code = 0;
  bool taken = false;
  for (std::size_t i = 0; i < 2 && i < text.size(); ++i) {
    if (!takeAxisDigit(text[i], code, taken)) break;
  }
  return static_cast<std::int32_t>(code);
}

std::string AxisPairText(std::int32_t code) {
  if (code == 0) return "0";
  const int high = (code >> 4) & 0xF;
  const int low = code & 0xF;
  std::string text;
  if (high != 0) text += std::to_string(high);
  if (low != 0) text += std::to_string(low);
  return text;
}

std::int32_t OrderCode(std::string_view text) {
  std::uint32_t code = 0;
  bool taken = false;
  for (std::size_t i = 0; i < 20 && i < text.size(); ++i) {
    if (text[i] == '-') {
      code += 8;
      continue;
    }
    if (!takeAxisDigit(text[i], code, taken)) break;
  }
  return static_cast<std::int32_t>(code);
}

std::string OrderCodeText(std::int32_t code) {
  if (code == 0) return "0";
  const auto c = static_cast<std::uint32_t>(code);
  std::string text;
  for (int shift = 20; shift >= 0; shift -= 4) {
    const unsigned n = (c >> shift) & 0xFu;
    if (n == 0) continue;
    text += static_cast<char>('0' + (n & 7u));
    if ((n & 8u) != 0 && shift != 0) text += '-';
  }
  return text;
}

std::optional<std::string> CheckSysBox(int box, std::string_view text, SysPara& table, const DiagnosticSink& refusal) {
  if (text.empty()) return std::nullopt;
  const SysBox& b = kBoxes[static_cast<std::size_t>(box)];
  switch (b.kind) {
    case K::OrderCode: {
      // Seven digits need more bits than the controller holds; the box goes back to the stored code.
      const std::int32_t code = OrderCode(text);
      if (!FitsParameterWire(code)) return reset(refusal, Tr(kMsgOrderDigits), OrderCodeText(table[b.entry]));
      table[b.entry] = code;
      return std::nullopt;
    }
    case K::Hexadecimal: {
      std::optional<std::int32_t> value = ParseHexText(text);
      if (!value) return reset(refusal, Tr(kMsgNotHex), "0");
      if (*value < 0 || *value > b.high) return reset(refusal, rangeMessage(b), "0");
      table[b.entry] = *value;
      return std::nullopt;
    }
    case K::Decimal:
    case K::AxisPair:
    case K::AnyNumber:
      break;
  }
  std::optional<double> number = ParseNumericText(text);
  if (!number) return reset(refusal, Tr(kMsgNotInteger), b.resetNonNumber);
  // Any number is bounded after rounding, as it is stored.
  if (!accepts(b, b.kind == K::AnyNumber ? RoundHalfEven(*number) : *number)) {
    return reset(refusal, rangeMessage(b), b.resetRange);
  }
  table[b.entry] = b.kind == K::AxisPair ? AxisPairCode(text) : static_cast<std::int32_t>(RoundHalfEven(*number));
  return std::nullopt;
}

std::string EditSysBox(int box, std::string text, SysPara& table, const DiagnosticSink& refusal) {
  // Each pass writes a fixed reset text, so the chain is short; the bound only guards the table.
  for (int pass = 0; pass < 8; ++pass) {
    std::optional<std::string> written = CheckSysBox(box, text, table, refusal);
    if (!written || *written == text) break;
    text = std::move(*written);
  }
  return text;
}

std::string_view FileKey(std::string_view prefix) { return prefix.substr(0, prefix.find('-')); }

std::vector<BoxRefusal> SysParaRefusals(const SysPara& table) {
  std::vector<BoxRefusal> found;
  const auto& entries = SysParaEntries();
  for (int line = 1; line <= kSysParaNamed; ++line) {
    const SysParaEntry& e = entries[static_cast<std::size_t>(line - 1)];
    const std::int32_t value = table[e.index];
    std::string what = std::string(FileKey(e.prefix)) + " " + std::to_string(value);
    const auto group = std::find_if(SysChoiceGroups().begin(), SysChoiceGroups().end(),
                                    [&](const ChoiceGroup& g) { return g.entry == e.index; });
    if (group != SysChoiceGroups().end()) {
      if (!HighlightedButton(*group, value)) found.push_back({line, std::move(what), ChoiceRefusal(*group)});
      continue;
    }
    const auto box = std::find_if(kBoxes.begin(), kBoxes.end(), [&](const SysBox& b) { return b.entry == e.index; });
    SysPara shown = table;
    std::string message;
    const int b = static_cast<int>(box - kBoxes.begin());
    // The first refusal the box gives is the one the operator reads.
    (void)EditSysBox(b, SysBoxText(b, table), shown, [&](const Diagnostic& d) {
      if (message.empty()) message = d.text;
    });
    if (!message.empty()) {
      // said by the box itself
    } else if (shown[e.index] != value) {
      message = !box->rangeMessage.empty() ? Tr(box->rangeMessage)
                                           : Tr(" the screen reads it as {1}", {std::to_string(shown[e.index])});
    } else if (!FitsParameterWire(value)) {
      // A box whose text shows fewer bits than the entry holds (SYNC) passes what the controller cannot hold.
      message = HeldRangeMessage(std::to_string(kWireLowest), std::to_string(kWireHighest));
    }
    if (!message.empty()) found.push_back({line, std::move(what), std::move(message)});
  }
  return found;
}

std::string SysBoxText(int box, const SysPara& table) {
  const SysBox& b = kBoxes[static_cast<std::size_t>(box)];
  const std::int32_t value = table[b.entry];
  switch (b.kind) {
    case K::AxisPair:
      return AxisPairText(value);
    case K::OrderCode:
      return OrderCodeText(value);
    case K::Hexadecimal: {
      char hex[12];
      std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(value));
      return hex;
    }
    case K::Decimal:
    case K::AnyNumber:
      break;
  }
  return std::to_string(value);
}

}  // namespace zova::parameters
