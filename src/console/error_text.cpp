// Controller error texts.
#include "console/error_text.h"

#include <map>

namespace zova {

namespace {

// Texts with the value written in: prefix + value + suffix.
struct Entry {
  const char* prefix;
  const char* suffix;  // nullptr: the text carries no value
};

const std::map<int, Entry>& table() {
  static const std::map<int, Entry> t = {
      {41, {"Parameter Error 01 : GAIN VALUE ERROR, GAIN = 0 ~ 50000", nullptr}},
      {42, {"Parameter Error 02 : COUNTER LIMIT OVER", nullptr}},
      {43, {"Parameter Error 03 : LOWER LIMIT OVER, LL = -21470000.00", nullptr}},
      {44, {"Parameter Error 04 : UPPER LIMIT OVER, UL = +21470000.00", nullptr}},
      {45, {"Parameter Error 05 : ERROR LIMIT OVER, ERR = 100000.00", nullptr}},
      {46, {"Parameter Error 06 : VELO LIMIT OVER, VEL = 30000.00", nullptr}},
      {47, {"Parameter Error 07 : ACC LIMIT OVER, ACC = 200", nullptr}},
      {48, {"Parameter Error 08 : DCC LIMIT OVER, DCC = 200", nullptr}},
      {49, {"Parameter Error 09 : INPOS LIMIT OVER, INP = 900000", nullptr}},
      {50, {"Parameter Error 10 : GEAR LIMIT OVER, GEA = 1 ~ 900000", nullptr}},
      {51, {"Parameter Error 11 : GEAR LIMIT OVER, GEB = 0 ~ 900000", nullptr}},
      {52, {"Parameter Error 12 : PULSE LIMIT OVER, PUL = 100", nullptr}},
      {53, {"Parameter Error 13 : C_VEL LIMIT OVER, C_VEL = 5000", nullptr}},
      {54, {"Parameter Error 14 : F_VEL LIMIT OVER, F_VEL = 5000", nullptr}},
      {55, {"Parameter Error 15 : ZRACC LIMIT OVER, ZACC = 200", nullptr}},
      {56, {"Parameter Error 16 : PACC LIMIT OVER, PACC = 200", nullptr}},
      {71, {"System Error 01 :Backup battery Low Voltage", nullptr}},
      {72, {"System Error 02 : P", " LOC does not exist"}},
      {73, {"System Error 03 : S", " SFT does not exist"}},
      {74, {"System Error 04 : P", " LOC data S/W Limit Over"}},
      {75, {"System Error 05 : S", " SFT data S/W Limit Over"}},
      {76, {"System Error 06 : Circle Radius Limit Over", nullptr}},
      {77, {"System Error 07 : PRG", "File does not exist"}},
      {78, {"System Error 08 : ZERO RETURN is not done", nullptr}},
      {79, {"System Error 09 : ", " axis Curr-Pos Lower Limit Over"}},
      {80, {"System Error 10 : ", " axis Curr-Pos Upper Limit Over"}},
      {81, {"System Error 11 : ", " axis Tracking Error"}},
      {82, {"System Error 12 : ", " axis Servo Error"}},
      {83, {"System Error 13 : ", " axis Positive Limit ON"}},
      {84, {"System Error 14 : ", " axis Negative Limit ON"}},
      {85, {"System Error 15 : ", " axis Goal-Pos Move Error"}},
      {86, {"System Error 16 : L", " Not Found"}},
      {87, {"System Error 17 : CALL Stack Full", nullptr}},
      {88, {"System Error 18 : CALL Current File", nullptr}},
      {89, {"System Error 19 : RET Stack Empty", nullptr}},
      {90, {"System Error 20 : ", " axis Invalid Positive Sensor"}},
      {91, {"System Error 21 : ", " axis Invalid Nagative Sensor"}},
      {92, {"System Error 22 : ", " axis PWM OFF"}},
      {93, {"System Error 23 : IF FUNC. Max File Line Over", nullptr}},
      {94, {"System Error 24 : PC Communication Time Over", nullptr}},
      {95, {"System Error 25 : PC Communication Checksum Error", nullptr}},
      {96, {"System Error 26 : Emergency Switch ON!", nullptr}},
      {97, {"System Error 27 : PAL", " not define"}},
      {98, {"System Error 28 : PAL", " LOC does not define"}},
      {99, {"System Error 29 : SPL", " not define"}},
      {111, {"ChkSum Error 01 : PRG", " Crashed"}},
      {112, {"ChkSum Error 02 : P", " LOC Crash"}},
      {113, {"ChkSum Error 03 : S", " SFT Crash"}},
      {114, {"ChkSum Error 04 : System Parameter Crash", nullptr}},
      {115, {"ChkSum Error 05 : ", " ax Axis Parameter Crash"}},
      {116, {"ChkSum Error 06 : ", " ax Software Parameter Crash"}},
      {117, {"ChkSum Error 07 : ", " ax Limit Parameter Crash"}},
      {118, {"ChkSum Error 08 : ", " ax Gain Parameter Crash"}},
      {119, {"ChkSum Error 09 : MATRIX Info. Parameter crash", nullptr}},
      {120, {"ChkSum Error 10 : SPLINE Info. Parameter crash", nullptr}},
  };
  return t;
}

}  // namespace

std::string ErrorText(int code, int value) {
  const auto& t = table();
  auto it = t.find(code);
  if (it == t.end()) {
    return "Error Code : " + std::to_string(code) + ", Error Value : " + std::to_string(value);
  }
  std::string text = it->second.prefix;
  if (it->second.suffix != nullptr) text += std::to_string(value) + it->second.suffix;
  return text;
}

}  // namespace zova
