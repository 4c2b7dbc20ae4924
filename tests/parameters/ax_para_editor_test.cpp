// The axis parameter screen's value rules: bounds before scaling, rounding half to even, the texts shown.
#include <gtest/gtest.h>

#include "link/recording_ui.h"
#include "parameters_fixture.h"
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
      {101, "-21470000", -2147000000},
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
    AxPara table = test::Defaults<AxPara>();
    table[2][static_cast<std::size_t>(c.entry)] = 99;
    const AxPara before = table;
    RecordingUi ui;
    EXPECT_EQ(CheckAxBox(BoxOf(c.entry), c.text, table, 2, ui), c.stored.has_value()) << c.entry << " " << c.text;
    EXPECT_EQ(table[2][static_cast<std::size_t>(c.entry)], c.stored.value_or(99)) << c.entry << " " << c.text;
    for (int a : {0, 1, 3, 4, 5}) EXPECT_EQ(table[a], before[a]) << a;
    EXPECT_EQ(ui.texts(), *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{}) << c.text;
  }
}

TEST(AxEditor, ShownTextsAndTheirReadBack) {
  AxPara table = test::Defaults<AxPara>();
  table[0][106] = 5;
  EXPECT_EQ(AxBoxText(BoxOf(101), table, 0), "-1000.00");
  EXPECT_EQ(AxBoxText(BoxOf(105), table, 0), "3000.00");
  EXPECT_EQ(AxBoxText(BoxOf(106), table, 0), "0.05");
  EXPECT_EQ(AxBoxText(BoxOf(107), table, 0), "2048");
  const AxPara before = table;
  RecordingUi ui;
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
