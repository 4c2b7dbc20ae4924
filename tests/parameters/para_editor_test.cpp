// The parameter screens' value rules: the number reading of their boxes, bounds before scaling, rounding
// half to even, messages, reset texts, the packed codes and the selector groups.
#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <cctype>
#include <cmath>

#include "support/recording_ui.h"
#include "parameters/ax_para_editor.h"
#include "parameters/choice_group.h"
#include "parameters/number_text.h"
#include "parameters/parameter_text.h"
#include "parameters/sys_para_editor.h"
#include "parameters_fixture.h"

namespace zova {
namespace {

// The box of a screen that edits `entry`.
template <class Box, std::size_t N>
int BoxOf(const std::array<Box, N>& boxes, int entry) {
  for (std::size_t b = 0; b < N; ++b) {
    if (boxes[b].entry == entry) return static_cast<int>(b);
  }
  ADD_FAILURE() << "no box for entry " << entry;
  return 0;
}

// The blank or minus in front and the blank after show in the written files' lines.
TEST(PrintedNumber, MostNegativeValueKeepsAllItsDigits) {
  EXPECT_EQ(parameters::FormatPrintedNumber(INT32_MIN), "-2147483648 ");
}

TEST(NumericText, TellsNumbersFromNonNumbers) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {
      {"7", 7},
      {" -2.5 ", -2.5},
      {"+3", 3},
      {".5", 0.5},
      {"1.", 1},
      {"1e3", 1000},
      {"2D2", 200},
      {"&H1F", 31},
      {"&o17", 15},
      {"x", std::nullopt},
      {"1 2", std::nullopt},
      {"1e", std::nullopt},
      {".", std::nullopt},
      {"-", std::nullopt},
      {"1e999", std::nullopt},
      {"&H", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(parameters::ParseNumericText(c.text), c.value) << c.text;
}

TEST(NumericText, LeadingNumberIgnoresBlanksAndStopsAtTheFirstForeignCharacter) {
  struct Case {
    const char* text;
    double value;
  } cases[] = {
      {"abc", 0},         {"7x", 7},      {" 1 2", 12}, {"1e", 1},     {"-.5", -0.5},
      {"12.125", 12.125}, {"1.5.5", 1.5}, {"&H1F", 31}, {"3e2x", 300}, {"\t-4", -4},
  };
  for (const Case& c : cases) EXPECT_EQ(parameters::LeadingNumber(c.text), c.value) << c.text;
}

// Each text is the front of a longer one: a reader that looks past its end, or takes a neighbour of the
// digits ('/', ':', 'A') for one, reads another number.
TEST(NumericText, ReadsOnlyTheDigitsOfItsOwnText) {
  struct Case {
    const char* whole;
    std::size_t length;
    std::optional<double> number;
    double leading;
  } cases[] = {
      {"123", 2, 12, 12},          {"12.5", 3, 12, 12},          {"1e3", 1, 1, 1},
      {"1e3", 2, std::nullopt, 1}, {"1e+3", 3, std::nullopt, 1}, {"&H1F", 3, 1, 1},
      {"-5", 1, std::nullopt, 0},  {"1A", 2, std::nullopt, 1},   {"1:", 2, std::nullopt, 1},
      {"1/", 2, std::nullopt, 1},  {"A", 1, std::nullopt, 0},    {"&O78", 4, std::nullopt, 7},
  };
  for (const Case& c : cases) {
    const std::string_view text(c.whole, c.length);
    EXPECT_EQ(std::pair(parameters::ParseNumericText(text), parameters::LeadingNumber(text)),
              std::pair(c.number, c.leading))
        << text;
  }
}

TEST(HexText, ReadsUpToEightDigitsAsTwosComplement) {
  for (const auto& [text, value] : {std::pair{"3F", 63}, {" af ", 175}, {"FFFFFFFF", -1}, {"000000001", 1}})
    EXPECT_EQ(parameters::ParseHexText(text), value) << text;
  for (const char* bad : {"", "G", "3F-", "1 2", "100000000", "&H3F"})
    EXPECT_EQ(parameters::ParseHexText(bad), std::nullopt) << bad;
}

// A box reads the leading number of its text (none counts as 0) and stores it, scaled, on the current
// axis only; a refused number shows the box's message and keeps the entry; an empty box does nothing.
TEST(AxEditor, TypedTextsAreStoredOnTheCurrentAxisOrRefused) {
  const char* position = " -21470000.00 ~ 21470000.00 사이의 값을 입력하십시요.";
  const char* jlock = " 1 ~ 16, 21 ~ 36 사이의 값을 입력하십시요.";
  struct Case {
    int entry;
    const char* text;
    std::optional<std::int32_t> stored;  // nothing: refused
    const char* message = "";
  } cases[] = {
      {101, "12.125", 1212},
      {101, "12.375", 1238},
      {101, "-167772.16", -16777216},  // the box takes more than the controller holds: its 25 bits bound it
      {101, "167772.16", {}, " -167772.16 ~ 167772.15 사이의 값을 입력하십시요."},
      {101, "-21470000", {}, " -167772.16 ~ 167772.15 사이의 값을 입력하십시요."},
      {106, "167772.16", {}, " 0.00 ~ 167772.15 사이의 값을 입력하십시요."},
      {101, "21470000.01", {}, position},
      {104, "0", 0},
      {104, "-1", {}, " 0 ~ 100000.00 사이의 값을 입력하십시요."},
      {105, "60000", {}, " 1 ~ 50000 사이의 값을 입력하십시요."},
      {105, "0.5", {}, " 1 ~ 50000 사이의 값을 입력하십시요."},
      {136, "0", {}, " 1 ~ 25000 사이의 값을 입력하십시요."},
      {141, "2", {}, " 0 ~ 1 사이의 값을 입력하십시요."},
      {137, "abc", 0},
      {137, "7x", 7},
      {137, "", {}},
      {133, "abc", {}, " 1 ~ 5000 사이의 값을 입력하십시요."},
      {138, "0", 0},  // JLOCK: two bands, and 0
      {138, "1", 1},
      {138, "16", 16},
      {138, "21", 21},
      {138, "36", 36},
      {138, "16.5", {}, jlock},
      {138, "17", {}, jlock},
      {138, "20", {}, jlock},
      {138, "37", {}, jlock},
      {138, "-1", {}, jlock},
  };
  for (const Case& c : cases) {
    parameters::AxPara table = test::Defaults<parameters::AxPara>();
    table[2][static_cast<std::size_t>(c.entry)] = 99;
    const parameters::AxPara before = table;
    RecordingUi ui;
    EXPECT_EQ(parameters::CheckAxBox(BoxOf(parameters::AxBoxes(), c.entry), c.text, table, 2, ui.diagnostics()),
              c.stored.has_value())
        << c.entry << " " << c.text;
    EXPECT_EQ(table[2][static_cast<std::size_t>(c.entry)], c.stored.value_or(99)) << c.entry << " " << c.text;
    for (int a : {0, 1, 3, 4, 5}) EXPECT_EQ(table[a], before[a]) << a;
    EXPECT_EQ(ui.texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.text;
  }
}

TEST(AxEditor, ShownTextsAndTheirReadBack) {
  parameters::AxPara table = test::Defaults<parameters::AxPara>();
  table[0][106] = 5;
  std::vector<std::string> shown;
  for (int number : {101, 105, 106, 107})
    shown.push_back(parameters::AxBoxText(BoxOf(parameters::AxBoxes(), number), table, 0));
  EXPECT_EQ(shown, (std::vector<std::string>{"-1000.00", "3000.00", "0.05", "2048"}));
  EXPECT_TRUE(parameters::AxParaRefusals(table, parameters::kMaxAxes).empty());
}

// What a screen would not keep of a held table is named with the value's file line and the box's message:
// values its check silently reads as others (SYNC 7, ZRAX 7), choices no button offers and values beyond the
// controller's 25 bits too; unconfigured axes are not.
TEST(BoxRefusals, NameTheFileLineTheValueAndTheBoxesMessage) {
  const char* held = " -16777216 ~ 16777215 사이의 값을 입력하십시요.";
  const char* offOn = " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"OFF\", 1 \"ON\"";
  const char* fourWay = " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"OFF\", 1 \"ZR\", 2 \"PWD\", 3 \"ALL\"";
  struct Case {
    int axis;  // -1: a system entry
    int entry;
    std::int32_t value;
    int line;  // 0: not refused
    const char* what;
    const char* message;
  } cases[] = {
      {-1, 0, 9, 1, "AXES 9", " 2 ~ 6 까지 입력하십시요."},
      {-1, 3, 7, 4, "SYNC 7", " 1 ~ 6 숫자중 서로다른 두자리수를 입력하십시요."},
      {-1, 4, 0, 5, "SERR 0", " 1 ~ 999999 까지 입력하십시요."},
      {-1, 7, 7, 8, "ZRAX 7", " 화면은 이 값을 0(으)로 읽습니다"},
      {-1, 1, 0, 2, "I/O 0", " 이 값의 버튼이 없습니다. 버튼의 값: 1 \"1\", 2 \"2\""},
      {-1, 1, 3, 2, "I/O 3", " 이 값의 버튼이 없습니다. 버튼의 값: 1 \"1\", 2 \"2\""},
      {-1, 1, 2, 0, "", ""},
      {-1, 2, 2, 3, "SPIN 2", offOn},
      {-1, 8, 4, 9, "ZRIN 4", " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"Z+H\", 1 \"H-1\", 2 \"H-2\", 3 \"Z-P\""},
      {-1, 9, 4, 10, "CSPD 4", " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"1\", 1 \"2\", 2 \"3\", 3 \"4\""},
      {-1, 10, 3, 11, "JGIO 3", " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"OFF\", 1 \"ON\", 2 \"ALL\""},
      {-1, 11, 9, 12, "PSGF 9", offOn},
      {-1, 13, 4, 14, "LOCK 4", fourWay},
      {-1, 13, 3, 0, "", ""},
      {-1, 14, -1, 15, "BRKF -1", offOn},
      {-1, 3, 0x1000000, 4, "SYNC 16777216", held},  // shown as no pair, yet the controller cannot hold it
      {-1, 7, 0x1234567, 8, "ZRAX 19088743", " 화면은 이 값을 144470(으)로 읽습니다"},
      {-1, 57, 20000000, 35, "AVAL 20000000", held},
      {-1, 57, 2147483647, 35, "AVAL 2147483647", held},
      {-1, 57, -16777217, 35, "AVAL -16777217", held},
      {-1, 57, -16777216, 0, "", ""},
      {-1, 57, 16777215, 0, "", ""},
      {-1, 63, 0x1000000, 41, "STAT 16777216", " 0H ~ FFFFFFH 까지 입력하십시요."},  // the last line is checked too
      {0, 30, 2, 1, "MOTOR 1축: 2", " 이 값의 버튼이 없습니다. 버튼의 값: 0 \"MICRO\", 1 \"SERVO\""},
      {1, 101, -20000000, 19, "LL 2축: -20000000", " -167772.16 ~ 167772.15 사이의 값을 입력하십시요."},
      {1, 101, -16777216, 0, "", ""},
      {-1, 49, 500, 27, "JSPD 500", " 1 ~ 100 까지 입력하십시요."},
      {-1, 52, 3, 30, "TIME 3", " 1,2,4 중에서 하나를 입력하십시오."},
      {-1, 57, -7, 0, "", ""},
      {1, 130, 99999, 26, "ACC 2축: 99999", " 0 ~ 25000 사이의 값을 입력하십시요."},
      {0, 138, 18, 34, "JLOCK 1축: 18", " 1 ~ 16, 21 ~ 36 사이의 값을 입력하십시요."},
      {2, 105, 0, 0, "", ""},
      {2, 30, 7, 0, "", ""},
  };
  for (const Case& c : cases) {
    parameters::SysPara system = test::Defaults<parameters::SysPara>();
    parameters::AxPara axes = test::Defaults<parameters::AxPara>();
    (c.axis < 0 ? system[c.entry] : axes[c.axis][static_cast<std::size_t>(c.entry)]) = c.value;
    const std::vector<parameters::BoxRefusal> found =
        c.axis < 0 ? parameters::SysParaRefusals(system) : parameters::AxParaRefusals(axes, 2);
    ASSERT_EQ(found.size(), c.line == 0 ? 0U : 1U) << c.entry << " " << c.value;
    if (c.line == 0) continue;
    EXPECT_EQ(std::tuple(found[0].line, found[0].what, found[0].message), std::tuple(c.line, c.what, c.message))
        << c.what;
  }
}

TEST(AxisPanels, OnlyConfiguredAxesCanBeSelected) {
  EXPECT_EQ(
      std::tuple(parameters::CanSelectAxis(3, 3), parameters::CanSelectAxis(5, 6), parameters::CanSelectAxis(-1, 6)),
      std::tuple(false, true, false))
      << "4-Axis with three axes, 6-Axis with six, no axis -1";
}

// A refused text writes the box's reset text, which is checked in turn: its message shows too when it
// is refused as well (the Control Timer's "0"), and the entry keeps its value then.
TEST(SysEditor, TypedTextsAreStoredOrRefusedAndReset) {
  const std::string axes = " 2 ~ 6 까지 입력하십시요.", integer = " 정수를 입력하십시요",
                    timer = " 1,2,4 중에서 하나를 입력하십시오.",
                    sync = " 1 ~ 6 숫자중 서로다른 두자리수를 입력하십시요.";
  struct Case {
    int entry;
    std::int32_t before;
    const char* typed;
    const char* shown;  // nullptr: as typed
    std::int32_t stored;
    std::vector<std::string> messages;
  } cases[] = {
      {0, 5, "7", "2", 2, {axes}},
      {0, 5, "2.5", nullptr, 2, {}},  // rounded half to even
      {0, 5, "3.5", nullptr, 4, {}},
      {4, 500, "", nullptr, 500, {}},  // an empty box does nothing
      {6, 3, "0", "1", 1, {" 1 ~ 6 까지 입력하십시요."}},
      {49, 55, "x", "10", 10, {integer, " 1 ~ 100 까지 입력하십시요."}},
      {52, 4, "3", "0", 4, {timer, timer}},
      {52, 4, "2", nullptr, 2, {}},
      {55, 0, "1", nullptr, 1, {}},
      {57, 5, "-16777216", nullptr, -16777216, {}},  // bounded by what the controller holds
      {57, 5, "16777215.4", nullptr, 16777215, {}},
      {57, 5, "16777216", "0", 0, {" -16777216 ~ 16777215 사이의 값을 입력하십시요."}},
      {57, 5, "x", "0", 0, {integer}},
      {15, 5, "3F", nullptr, 63, {}},
      {15, 5, "40", "0", 0, {" 0H ~ 3FH 까지 입력하십시요."}},  // the reset text 0 passes and is stored
      {40, 5, "G7", "0", 0, {" 16 진수(HEX) 값을 입력하십시요."}},
      {41, 5, "FFFFFFFF", "0", 0, {" 000000H ~ FFFFFFH 까지 입력하십시요."}},  // negative: out of range
      {63, 5, "ffffff", nullptr, 0xFFFFFF, {}},
      {3, 99, "12", nullptr, 0x12, {}},  // SYNC: two axis digits, one per half byte
      {3, 99, "17", nullptr, 1, {}},
      {3, 99, "100", nullptr, 0, {}},
      {3, 99, "65", nullptr, 0x65, {}},
      {3, 99, "0", nullptr, 0, {}},
      {3, 99, "102", "0", 0, {sync}},
      {3, 99, "-1", "0", 0, {sync}},
      {7, 0xB1A4, "3-12-4", nullptr, 45476, {}},  // ZRAX: "-" adds 8 to the digit before it; never refused
      {7, 0xB1A4, "1-2", nullptr, 0x92, {}},
      {7, 0xB1A4, "0", nullptr, 0, {}},
      {7, 0xB1A4, "12-", nullptr, 0x1A, {}},
      {7, 0xB1A4, "1x2", nullptr, 0x12, {}},
      {7, 0xB1A4, "120", nullptr, 0, {}},
      {7, 0xB1A4, "", nullptr, 0xB1A4, {}},
      {7, 0xB1A4, "123456", nullptr, 0x123456, {}},
      {7, 0xB1A4, "1234561", "3-12-4", 0xB1A4, {" 축 번호는 여섯 자리까지 입력하십시요."}},  // back to the stored code
  };
  for (const Case& c : cases) {
    parameters::SysPara table = test::Defaults<parameters::SysPara>();
    table[c.entry] = c.before;
    RecordingUi ui;
    EXPECT_EQ(parameters::EditSysBox(BoxOf(parameters::SysBoxes(), c.entry), c.typed, table, ui.diagnostics()),
              c.shown ? c.shown : c.typed)
        << c.entry << " " << c.typed;
    EXPECT_EQ(std::tuple(table[c.entry], ui.texts()), std::tuple(c.stored, c.messages)) << c.entry << " " << c.typed;
  }
  EXPECT_EQ(parameters::OrderCode("1-2-3-4-5-6-1-2-3-4-5-6-1"), parameters::OrderCode("1-2-3-4-5-6-1-2-3-4-"))
      << "20 characters looked at";
}

// A box's limits are the numbers its own message names ("1 ~ 5000 사이의 값을..."), so a limit typed
// apart from its message shows here. JLOCK names 1 but keeps its default 0; Control Timer lists its values.
TEST(BoxLimits, AreTheNumbersTheirMessagesName) {
  auto named = [](std::string_view message) {
    double low = 0, high = 0;
    return std::sscanf(std::string(message).c_str(), " %lf ~ %lf", &low, &high) == 2 ? std::pair(low, high)
                                                                                     : std::pair(-1.0, -1.0);
  };
  for (const parameters::AxBox& b : parameters::AxBoxes()) {
    if (b.label == "JLOCK") continue;
    EXPECT_EQ(named(b.message), std::pair(b.low, b.high)) << b.label;
  }
  for (const parameters::SysBox& b : parameters::SysBoxes()) {
    if (b.kind != parameters::SysBoxKind::Decimal || b.rangeMessage.find('~') == std::string_view::npos) continue;
    EXPECT_EQ(named(b.rangeMessage), std::pair(double(b.low), double(b.high))) << b.label;
  }
}

TEST(SysEditor, ShownTextsReadBackToTheSameValues) {
  struct Case {
    int entry;
    std::int32_t value;
    const char* text;
  } cases[] = {{3, 0x02, "2"},        {3, 0x30, "3"}, {3, 0x312, "12"},     {3, 0, "0"},
               {3, 0x12, "12"},       {7, 0, "0"},    {7, 0x1A, "12"},      {7, 0x7123456, "123456"},
               {7, 0xB1A4, "3-12-4"}, {15, 63, "3F"}, {40, -1, "FFFFFFFF"}, {57, -17, "-17"}};
  // The last value of each entry reads back; a negative hexadecimal one (8 digits) would not.
  parameters::SysPara table = test::Defaults<parameters::SysPara>();
  for (const Case& c : cases) {
    table[c.entry] = c.value;
    EXPECT_EQ(parameters::SysBoxText(BoxOf(parameters::SysBoxes(), c.entry), table), c.text)
        << c.entry << " " << c.value;
  }
  const std::vector<parameters::BoxRefusal> refused = parameters::SysParaRefusals(table);
  ASSERT_EQ(refused.size(), 1U);
  EXPECT_EQ(refused[0].what, "PSIG -1");
}

// Every box and selector group stores the entry whose caption it is named after; a group has a button per
// caption.
TEST(ScreenControls, EachStoresTheEntryItIsNamedAfter) {
  auto label = [](bool axis, int entry) {
    std::string_view found;
    for (const auto& e : parameters::SysParaEntries()) found = !axis && e.index == entry ? e.label : found;
    for (const auto& e : parameters::AxParaEntries()) found = axis && e.entry == entry ? e.label : found;
    return found;
  };
  for (const parameters::SysBox& b : parameters::SysBoxes()) EXPECT_EQ(label(false, b.entry), b.label);
  for (const parameters::AxBox& b : parameters::AxBoxes()) EXPECT_EQ(label(true, b.entry), b.label);
  auto key = [](std::string_view text) {
    std::string k;
    for (char c : text) {
      if (std::isalpha(static_cast<unsigned char>(c))) k += static_cast<char>(std::toupper(c));
    }
    return k;
  };
  for (bool axis : {false, true}) {
    for (const parameters::ChoiceGroup& g : axis ? parameters::AxChoiceGroups() : parameters::SysChoiceGroups()) {
      EXPECT_EQ(key(g.indicators.substr(3)), key(label(axis, g.entry))) << g.buttons;
      EXPECT_EQ(key(g.buttons.substr(3)), key(label(axis, g.entry))) << g.buttons;
      EXPECT_EQ(g.count, std::count_if(g.captions.begin(), g.captions.end(), [](auto c) { return !c.empty(); }));
    }
  }
}

// Which button a stored value lights (I/O is stored as index + 1).
TEST(ChoiceGroups, HighlightFollowsTheStoredValue) {
  struct Case {
    const parameters::ChoiceGroup& group;
    std::int32_t value;
    std::optional<int> lit;
  } cases[] = {
      {parameters::SysChoiceGroups()[4], 2, 2},
      {parameters::SysChoiceGroups()[4], 0, 0},
      {parameters::SysChoiceGroups()[4], 3, std::nullopt},
      {parameters::SysChoiceGroups()[4], -1, std::nullopt},
      {parameters::SysChoiceGroups()[0], 1, 0},
      {parameters::SysChoiceGroups()[0], 0, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parameters::HighlightedButton(c.group, c.value), c.lit) << c.group.buttons << c.value;
  EXPECT_EQ(
      std::tuple(parameters::ChoiceValue(parameters::SysChoiceGroups()[0], 1), parameters::AxChoiceGroups().size()),
      std::tuple(2, 17u));
}

}  // namespace
}  // namespace zova
