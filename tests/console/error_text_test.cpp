// The controller's error codes as the operator reads them.
#include <gtest/gtest.h>

#include "console/error_text.h"

namespace zova {
namespace {

TEST(ErrorText, EveryForm) {
  struct Case {
    int code;
    int value;
    const char* text;
  } cases[] = {
      // Fixed texts ignore the value.
      {41, 9, "Parameter Error 01 : GAIN VALUE ERROR, GAIN = 0 ~ 50000"},
      {56, 0, "Parameter Error 16 : PACC LIMIT OVER, PACC = 200"},
      {71, 5, "System Error 01 :Backup battery Low Voltage"},
      {96, 0, "System Error 26 : Emergency Switch ON!"},
      {114, 1, "ChkSum Error 04 : System Parameter Crash"},
      {120, 1, "ChkSum Error 10 : SPLINE Info. Parameter crash"},
      // The value is written straight against the words around it.
      {72, 12, "System Error 02 : P12 LOC does not exist"},
      {73, 0, "System Error 03 : S0 SFT does not exist"},
      {77, 3, "System Error 07 : PRG3File does not exist"},
      {79, 2, "System Error 09 : 2 axis Curr-Pos Lower Limit Over"},
      {86, 40, "System Error 16 : L40 Not Found"},
      {91, 1, "System Error 21 : 1 axis Invalid Nagative Sensor"},
      {97, 7, "System Error 27 : PAL7 not define"},
      {111, 31, "ChkSum Error 01 : PRG31 Crashed"},
      {115, 6, "ChkSum Error 05 : 6 ax Axis Parameter Crash"},
      {72, -1, "System Error 02 : P-1 LOC does not exist"},
      // No entry of their own: the generic text.
      {60, 5, "Error Code : 60, Error Value : 5"},
      {130, 0, "Error Code : 130, Error Value : 0"},
      {40, 1, "Error Code : 40, Error Value : 1"},
      {100, 4, "Error Code : 100, Error Value : 4"},
      {121, 6, "Error Code : 121, Error Value : 6"},
      {0, 0, "Error Code : 0, Error Value : 0"},
      {-3, -4, "Error Code : -3, Error Value : -4"},
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorText(c.code, c.value), c.text) << c.code;
}

TEST(ErrorText, EveryCodeOfTheTableHasItsOwnText) {
  for (int code = 41; code <= 120; ++code) {
    const bool generic = (code >= 57 && code <= 70) || (code >= 100 && code <= 110);
    EXPECT_EQ(ErrorText(code, 1).rfind("Error Code : ", 0) == 0, generic) << code;
  }
}

}  // namespace
}  // namespace zova
