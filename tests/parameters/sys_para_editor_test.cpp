// The system parameter screen's value rules: checks, messages, reset texts and the packed codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "link/recording_ui.h"
#include "parameters_fixture.h"
#include "parameters/ax_para_editor.h"
#include "parameters/choice_group.h"
#include "parameters/sys_para_editor.h"

namespace zova {
namespace {

int BoxOf(int entry) {
  for (int b = 0; b < kSysBoxCount; ++b) {
    if (SysBoxes()[static_cast<std::size_t>(b)].entry == entry) return b;
  }
  ADD_FAILURE() << "no box for entry " << entry;
  return 0;
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
      {49, 55, "x", "10", 10, {integer, " 1 ~ 100 까지 입력하십시요."}},
      {52, 4, "3", "0", 4, {timer, timer}},
      {52, 4, "2", nullptr, 2, {}},
      {55, 0, "1", nullptr, 1, {}},
      {57, 5, "-123456789", nullptr, -123456789, {}},
      {57, 5, "1e12", "0", 0, {integer}},
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
      {7, 0xB1A4, "6", nullptr, 6, {}},
      {7, 0xB1A4, "1-2", nullptr, 0x92, {}},
      {7, 0xB1A4, "0", nullptr, 0, {}},
      {7, 0xB1A4, "12-", nullptr, 0x1A, {}},
      {7, 0xB1A4, "1x2", nullptr, 0x12, {}},
      {7, 0xB1A4, "120", nullptr, 0, {}},
      {7, 0xB1A4, "", nullptr, 0xB1A4, {}},
      {7, 0xB1A4, "123456", nullptr, 0x123456, {}},
  };
  for (const Case& c : cases) {
    SysPara table = test::Defaults<SysPara>();
    table[c.entry] = c.before;
    RecordingUi ui;
    EXPECT_EQ(EditSysBox(BoxOf(c.entry), c.typed, table, ui), c.shown ? c.shown : c.typed) << c.entry << " " << c.typed;
    EXPECT_EQ(table[c.entry], c.stored) << c.entry << " " << c.typed;
    EXPECT_EQ(ui.texts(), c.messages) << c.entry << " " << c.typed;
  }
  EXPECT_EQ(OrderCode("1-2-3-4-5-6-1-2-3-4-5-6-1"), OrderCode("1-2-3-4-5-6-1-2-3-4-")) << "20 characters looked at";
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
  SysPara table = test::Defaults<SysPara>();
  for (const Case& c : cases) {
    table[c.entry] = c.value;
    EXPECT_EQ(SysBoxText(BoxOf(c.entry), table), c.text) << c.entry << " " << c.value;
  }
  const SysPara before = table;
  RecordingUi ui;
  for (int b = 0; b < kSysBoxCount; ++b) {
    if (SysBoxes()[static_cast<std::size_t>(b)].entry != 40) EditSysBox(b, SysBoxText(b, table), table, ui);
  }
  EXPECT_EQ(table.values, before.values);
  EXPECT_TRUE(ui.messages.empty());
}

// Every box and selector group stores the entry whose caption it is named after; a group has a button per
// caption.
TEST(ScreenControls, EachStoresTheEntryItIsNamedAfter) {
  auto label = [](bool axis, int entry) {
    std::string_view found;
    for (const auto& e : SysParaEntries()) found = !axis && e.index == entry ? e.label : found;
    for (const auto& e : AxParaEntries()) found = axis && e.entry == entry ? e.label : found;
    return found;
  };
  for (const SysBox& b : SysBoxes()) EXPECT_EQ(label(false, b.entry), b.label);
  for (const AxBox& b : AxBoxes()) EXPECT_EQ(label(true, b.entry), b.label);
  auto key = [](std::string_view text) {
    std::string k;
    for (char c : text) {
      if (std::isalpha(static_cast<unsigned char>(c))) k += static_cast<char>(std::toupper(c));
    }
    return k;
  };
  for (bool axis : {false, true}) {
    for (const ChoiceGroup& g : axis ? AxChoiceGroups() : SysChoiceGroups()) {
      EXPECT_EQ(key(g.indicators.substr(3)), key(label(axis, g.entry))) << g.buttons;
      EXPECT_EQ(key(g.buttons.substr(3)), key(label(axis, g.entry))) << g.buttons;
      EXPECT_EQ(g.count, std::count_if(g.captions.begin(), g.captions.end(), [](auto c) { return !c.empty(); }));
    }
  }
}

// Which button a stored value lights (I/O is stored as index + 1).
TEST(ChoiceGroups, HighlightFollowsTheStoredValue) {
  struct Case {
    const ChoiceGroup& group;
    std::int32_t value;
    std::optional<int> lit;
  } cases[] = {
      {SysChoiceGroups()[4], 2, 2},
      {SysChoiceGroups()[4], 0, 0},
      {SysChoiceGroups()[4], 3, std::nullopt},
      {SysChoiceGroups()[4], -1, std::nullopt},
      {SysChoiceGroups()[0], 1, 0},
      {SysChoiceGroups()[0], 0, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(HighlightedButton(c.group, c.value), c.lit) << c.group.buttons << c.value;
  EXPECT_EQ(ChoiceValue(SysChoiceGroups()[0], 1), 2);
  EXPECT_EQ(AxChoiceGroups().size(), 17u);
  EXPECT_EQ(AxChoiceGroups()[1].captions[2], "OPEN");
}

}  // namespace
}  // namespace zova
