// The axis parameter screen's value rules: bounds before scaling, rounding half to even, the texts shown.
#include <gtest/gtest.h>

#include "link/recording_ui.h"
#include "parameters/ax_para_editor.h"

namespace zova {
namespace {

int BoxOf(int entry) {
  for (int b = 0; b < kAxBoxCount; ++b) {
    if (AxBoxes()[static_cast<std::size_t>(b)].entry == entry) return b;
  }
  ADD_FAILURE() << "no box for entry " << entry;
  return 0;
}

struct AxEditor : ::testing::Test {
  AxEditor() { table.SetDefaults(); }
  AxPara table;
  RecordingUi ui;
};

TEST_F(AxEditor, LowBoxScalesByHundredAndRoundsHalfToEvenOnTheCurrentAxisOnly) {
  const AxPara before = table;
  EXPECT_TRUE(CheckAxBox(BoxOf(101), "12.125", table, 2, ui));
  EXPECT_EQ(table[2][101], 1212);
  EXPECT_TRUE(CheckAxBox(BoxOf(101), "12.375", table, 2, ui));
  EXPECT_EQ(table[2][101], 1238);
  EXPECT_TRUE(CheckAxBox(BoxOf(101), "-21470000", table, 2, ui));
  EXPECT_EQ(table[2][101], -2147000000);
  for (int a : {0, 1, 3, 4, 5}) EXPECT_EQ(table[a], before[a]) << a;
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(AxEditor, RefusedNumberShowsTheMessageAndKeepsTheEntry) {
  struct Case {
    int entry;
    const char* text;
    const char* message;
  } cases[] = {
      {105, "60000", " 1 ~ 50000 사이의 값을 입력하십시요."},
      {105, "0.5", " 1 ~ 50000 사이의 값을 입력하십시요."},
      {101, "21470000.01", " -21470000.00 ~ 21470000.00 사이의 값을 입력하십시요."},
      {104, "-1", " 0 ~ 100000.00 사이의 값을 입력하십시요."},
      {136, "0", " 1 ~ 25000 사이의 값을 입력하십시요."},
      {141, "2", " 0 ~ 1 사이의 값을 입력하십시요."},
  };
  for (const Case& c : cases) {
    ui.clear();
    const std::int32_t before = table[1][static_cast<std::size_t>(c.entry)];
    EXPECT_FALSE(CheckAxBox(BoxOf(c.entry), c.text, table, 1, ui)) << c.text;
    EXPECT_EQ(table[1][static_cast<std::size_t>(c.entry)], before) << c.text;
    EXPECT_EQ(ui.texts(), std::vector<std::string>{c.message}) << c.text;
  }
}

TEST_F(AxEditor, JlockTakesTwoBandsAndZero) {
  for (const char* ok : {"0", "16", "21", "36", "1"}) {
    EXPECT_TRUE(CheckAxBox(BoxOf(138), ok, table, 0, ui)) << ok;
    EXPECT_EQ(table[0][138], std::stoi(ok));
  }
  EXPECT_TRUE(ui.messages.empty());
  for (const char* refused : {"18", "17", "20", "37", "-1", "16.5"}) {
    EXPECT_FALSE(CheckAxBox(BoxOf(138), refused, table, 0, ui)) << refused;
  }
  EXPECT_EQ(ui.texts(), std::vector<std::string>(6, " 1 ~ 16, 21 ~ 36 사이의 값을 입력하십시요."));
  EXPECT_EQ(table[0][138], 1);
}

TEST_F(AxEditor, TextWithoutLeadingNumberCountsAsZero) {
  EXPECT_TRUE(CheckAxBox(BoxOf(137), "abc", table, 0, ui));
  EXPECT_EQ(table[0][137], 0);
  EXPECT_TRUE(CheckAxBox(BoxOf(137), "7x", table, 0, ui));
  EXPECT_EQ(table[0][137], 7);
  EXPECT_FALSE(CheckAxBox(BoxOf(137), "", table, 0, ui));
  EXPECT_EQ(table[0][137], 7) << "an empty box does nothing";
  EXPECT_FALSE(CheckAxBox(BoxOf(133), "abc", table, 0, ui)) << "0 is below C-VEL's range";
}

TEST_F(AxEditor, ShownTextsAndTheirReadBack) {
  EXPECT_EQ(AxBoxText(BoxOf(101), table, 0), "-1000.00");
  EXPECT_EQ(AxBoxText(BoxOf(105), table, 0), "3000.00");
  table[0][106] = 5;
  EXPECT_EQ(AxBoxText(BoxOf(106), table, 0), "0.05");
  EXPECT_EQ(AxBoxText(BoxOf(107), table, 0), "2048");
  const AxPara before = table;
  for (int b = 0; b < kAxBoxCount; ++b) EXPECT_TRUE(CheckAxBox(b, AxBoxText(b, table, 0), table, 0, ui)) << b;
  EXPECT_EQ(table.values, before.values);
}

TEST(AxisPanels, OnlyConfiguredAxesCanBeSelected) {
  EXPECT_FALSE(CanSelectAxis(3, 3)) << "4-Axis with three axes";
  EXPECT_TRUE(CanSelectAxis(1, 3));
  EXPECT_TRUE(CanSelectAxis(5, 6));
  EXPECT_FALSE(CanSelectAxis(-1, 6));
}

}  // namespace
}  // namespace zova
