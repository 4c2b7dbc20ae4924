// Line settings strings as the settings store holds them.
#include <gtest/gtest.h>

#include <vector>

#include "link/line_settings.h"

namespace zova {
namespace {

// Read back as the status bar writes them; stop bits are kept in tenths.
TEST(LineSettings, AcceptsTheControlsForms) {
  struct Case {
    const char* text;
    const char* shown;
    int stop;
  } cases[] = {{"9600,n,8,1", "9600,n,8,1", 10},
               {"115200,E,7,2", "115200,e,7,2", 20},
               {" 19200 , o , 5 , 1", "19200,o,5,1", 10}};
  for (const Case& c : cases) {
    LineSettings s;
    std::string error;
    ASSERT_TRUE(ParseLineSettings(c.text, s, error)) << c.text;
    EXPECT_EQ(std::tuple(FormatLineSettings(s), s.stopBitsTimesTen), std::tuple(c.shown, c.stop)) << c.text;
  }
}

// Also what the control's form names but no serial device here applies: it is refused, not replaced.
TEST(LineSettings, RejectsWithTheTextInTheReason) {
  std::vector<const char*> refused = {"",           "9600",       "9600,x,8,1",   "9600,n,9,1",   "fast,n,8,1",
                                      "9600,n,8,3", "9600,n,4,1", "9600,n,8,1,1", "9600.5,n,8,1", "9600,no,8,1"};
#ifndef _WIN32
  refused.push_back("9600,n,8,1.5");
#endif
  for (const char* text : refused) {
    LineSettings s;
    s.baud = 4800;
    std::string error;
    EXPECT_FALSE(ParseLineSettings(text, s, error)) << text;
    EXPECT_NE(error.find(text), std::string::npos) << error;
    EXPECT_EQ(s.baud, 4800) << "a rejected string leaves the settings alone";
  }
}

TEST(LineSettings, FlowControlModes) {
  FlowControl f;
  std::string error;
  EXPECT_TRUE(ParseFlowControl("0", f, error));  // the lowest mode, none
  EXPECT_EQ(f, FlowControl::None);
  EXPECT_TRUE(ParseFlowControl("2", f, error));
  EXPECT_EQ(f, FlowControl::RtsCts);
  EXPECT_TRUE(ParseFlowControl("3", f, error));  // the highest mode, both kinds at once
  EXPECT_EQ(f, FlowControl::RtsCtsXonXoff);
  EXPECT_FALSE(ParseFlowControl("4", f, error));
  EXPECT_FALSE(ParseFlowControl("x", f, error));
}

}  // namespace
}  // namespace zova
