// The system parameter screen's value rules: checks, messages, reset texts and the packed codes.
#include <gtest/gtest.h>

#include "link/recording_ui.h"
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

struct SysEditor : ::testing::Test {
  SysEditor() { table.SetDefaults(); }
  // Types `text` into the box of `entry`; returns what the box ends with.
  std::string Type(int entry, const std::string& text) { return EditSysBox(BoxOf(entry), text, table, ui); }
  SysPara table;
  RecordingUi ui;
};

TEST_F(SysEditor, AxesSevenIsRefusedAndResetToTwo) {
  table[0] = 5;
  EXPECT_EQ(Type(0, "7"), "2");
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" 2 ~ 6 까지 입력하십시요."});
  EXPECT_EQ(table[0], 2);
}

TEST_F(SysEditor, NonNumberInJogSpeedShowsTwoMessagesAndEndsWithTen) {
  table[49] = 55;
  EXPECT_EQ(Type(49, "x"), "10");
  EXPECT_EQ(ui.texts(), (std::vector<std::string>{" 정수를 입력하십시요", " 1 ~ 100 까지 입력하십시요."}));
  EXPECT_EQ(table[49], 10);
}

TEST_F(SysEditor, ControlTimerRefusesItsOwnResetText) {
  EXPECT_EQ(Type(52, "3"), "0");
  EXPECT_EQ(ui.texts(), std::vector<std::string>(2, " 1,2,4 중에서 하나를 입력하십시오."));
  EXPECT_EQ(table[52], 4) << "TIME keeps its previous value";
  ui.clear();
  EXPECT_EQ(Type(52, "2"), "2");
  EXPECT_EQ(table[52], 2);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SysEditor, HexadecimalBoxes) {
  table[15] = 5;
  EXPECT_EQ(Type(15, "3F"), "3F");
  EXPECT_EQ(table[15], 63);
  EXPECT_EQ(Type(15, "40"), "0");
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" 0H ~ 3FH 까지 입력하십시요."});
  EXPECT_EQ(table[15], 0) << "the reset text 0 passes and is stored";
  ui.clear();
  EXPECT_EQ(Type(40, "G7"), "0");
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" 16 진수(HEX) 값을 입력하십시요."});
  ui.clear();
  EXPECT_EQ(Type(41, "FFFFFFFF"), "0") << "a negative value is out of range";
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" 000000H ~ FFFFFFH 까지 입력하십시요."});
  EXPECT_EQ(Type(63, "ffffff"), "ffffff");
  EXPECT_EQ(table[63], 0xFFFFFF);
}

TEST_F(SysEditor, SyncPairCodes) {
  struct Case {
    const char* text;
    std::int32_t stored;
    bool refused;
  } cases[] = {{"12", 0x12, false}, {"17", 1, false}, {"100", 0, false}, {"65", 0x65, false},
               {"0", 0, false},     {"102", 0, true}, {"-1", 0, true}};
  for (const Case& c : cases) {
    ui.clear();
    table[3] = 99;
    const std::string shown = Type(3, c.text);
    EXPECT_EQ(table[3], c.stored) << c.text;
    EXPECT_EQ(shown, c.refused ? "0" : c.text) << c.text;
    EXPECT_EQ(ui.texts(), c.refused ? std::vector<std::string>{" 1 ~ 6 숫자중 서로다른 두자리수를 입력하십시요."}
                                    : std::vector<std::string>{})
        << c.text;
  }
  EXPECT_EQ(AxisPairText(0x12), "12");
  EXPECT_EQ(AxisPairText(0x02), "2");
  EXPECT_EQ(AxisPairText(0x30), "3");
  EXPECT_EQ(AxisPairText(0), "0");
  EXPECT_EQ(AxisPairText(0x312), "12") << "higher bits are not shown";
}

TEST_F(SysEditor, ZraxOrderCodes) {
  struct Case {
    const char* text;
    std::int32_t code;
  } cases[] = {{"3-12-4", 45476}, {"6", 6},     {"1-2", 0x92},       {"0", 0}, {"12-", 0x1A}, {"1x2", 0x12},
               {"120", 0},        {"", 0xB1A4}, {"123456", 0x123456}};
  for (const Case& c : cases) {
    table[7] = 0xB1A4;
    Type(7, c.text);
    EXPECT_EQ(table[7], c.code) << c.text;
  }
  EXPECT_TRUE(ui.messages.empty()) << "the order code box never refuses";
  EXPECT_EQ(OrderCode("1-2-3-4-5-6-1-2-3-4-5-6-1"), OrderCode("1-2-3-4-5-6-1-2-3-4-")) << "20 characters looked at";
  EXPECT_EQ(OrderCodeText(0xB1A4), "3-12-4");
  EXPECT_EQ(OrderCodeText(0), "0");
  EXPECT_EQ(OrderCodeText(0x1A), "12") << "no final -";
  EXPECT_EQ(OrderCodeText(0x7123456), "123456") << "low six digits only";
}

TEST_F(SysEditor, DecimalRoundingAndAnyNumber) {
  Type(0, "2.5");
  EXPECT_EQ(table[0], 2);
  Type(0, "3.5");
  EXPECT_EQ(table[0], 4);
  Type(57, "-123456789");
  EXPECT_EQ(table[57], -123456789);
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(Type(57, "1e12"), "0");
  EXPECT_EQ(ui.texts(), std::vector<std::string>{" 정수를 입력하십시요"});
  EXPECT_EQ(table[57], 0);
  ui.clear();
  EXPECT_EQ(Type(4, ""), "");
  EXPECT_TRUE(ui.messages.empty()) << "an empty box does nothing";
}

TEST_F(SysEditor, ShownTextsReadBackToTheSameValues) {
  table[3] = 0x12;
  table[15] = 63;
  table[57] = -17;
  table[40] = -1;
  EXPECT_EQ(SysBoxText(BoxOf(3), table), "12");
  EXPECT_EQ(SysBoxText(BoxOf(7), table), "3-12-4");
  EXPECT_EQ(SysBoxText(BoxOf(15), table), "3F");
  EXPECT_EQ(SysBoxText(BoxOf(40), table), "FFFFFFFF") << "negative hexadecimal shows 8 digits";
  EXPECT_EQ(SysBoxText(BoxOf(57), table), "-17");
  SysPara before = table;
  for (int b = 0; b < kSysBoxCount; ++b) {
    if (SysBoxes()[static_cast<std::size_t>(b)].entry == 40) continue;
    Type(SysBoxes()[static_cast<std::size_t>(b)].entry, SysBoxText(b, table));
  }
  EXPECT_EQ(table.values, before.values);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(ChoiceGroups, HighlightFollowsTheStoredValue) {
  const ChoiceGroup& io = SysChoiceGroups()[0];
  const ChoiceGroup& jgio = SysChoiceGroups()[4];
  ASSERT_EQ(jgio.buttons, "cmdJgio");
  EXPECT_EQ(HighlightedButton(jgio, 2), 2);
  EXPECT_EQ(HighlightedButton(jgio, 0), 0);
  EXPECT_EQ(HighlightedButton(jgio, 3), std::nullopt) << "no button for the value";
  EXPECT_EQ(HighlightedButton(jgio, -1), std::nullopt);
  EXPECT_EQ(HighlightedButton(io, 1), 0) << "I/O is stored as button index + 1";
  EXPECT_EQ(ChoiceValue(io, 1), 2);
  EXPECT_EQ(HighlightedButton(io, 0), std::nullopt);
  EXPECT_EQ(AxChoiceGroups().size(), 17u);
  EXPECT_EQ(AxChoiceGroups()[1].captions[2], "OPEN");
  EXPECT_EQ(AxChoiceGroups()[16].entry, 75);
}

}  // namespace
}  // namespace zova
