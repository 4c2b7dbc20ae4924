// Controller error texts.
#include "console/error_text.h"

#include <map>

#include "base/translation.h"

namespace zova::console {

namespace {

// {1} stands where the controller's value is written into the text; texts without it carry no value.
const std::map<int, const char*>& table() {
  static const std::map<int, const char*> t = {
      {41, TrMark("Parameter Error 01 : GAIN VALUE ERROR, GAIN = 0 ~ 50000")},
      {42, TrMark("Parameter Error 02 : COUNTER LIMIT OVER")},
      {43, TrMark("Parameter Error 03 : LOWER LIMIT OVER, LL = -21470000.00")},
      {44, TrMark("Parameter Error 04 : UPPER LIMIT OVER, UL = +21470000.00")},
      {45, TrMark("Parameter Error 05 : ERROR LIMIT OVER, ERR = 100000.00")},
      {46, TrMark("Parameter Error 06 : VELO LIMIT OVER, VEL = 30000.00")},
      {47, TrMark("Parameter Error 07 : ACC LIMIT OVER, ACC = 200")},
      {48, TrMark("Parameter Error 08 : DCC LIMIT OVER, DCC = 200")},
      {49, TrMark("Parameter Error 09 : INPOS LIMIT OVER, INP = 900000")},
      {50, TrMark("Parameter Error 10 : GEAR LIMIT OVER, GEA = 1 ~ 900000")},
      {51, TrMark("Parameter Error 11 : GEAR LIMIT OVER, GEB = 0 ~ 900000")},
      {52, TrMark("Parameter Error 12 : PULSE LIMIT OVER, PUL = 100")},
      {53, TrMark("Parameter Error 13 : C_VEL LIMIT OVER, C_VEL = 5000")},
      {54, TrMark("Parameter Error 14 : F_VEL LIMIT OVER, F_VEL = 5000")},
      {55, TrMark("Parameter Error 15 : ZRACC LIMIT OVER, ZACC = 200")},
      {56, TrMark("Parameter Error 16 : PACC LIMIT OVER, PACC = 200")},
      {71, TrMark("System Error 01 :Backup battery Low Voltage")},
      {72, TrMark("System Error 02 : P{1} LOC does not exist")},
      {73, TrMark("System Error 03 : S{1} SFT does not exist")},
      {74, TrMark("System Error 04 : P{1} LOC data S/W Limit Over")},
      {75, TrMark("System Error 05 : S{1} SFT data S/W Limit Over")},
      {76, TrMark("System Error 06 : Circle Radius Limit Over")},
      {77, TrMark("System Error 07 : PRG{1}File does not exist")},
      {78, TrMark("System Error 08 : ZERO RETURN is not done")},
      {79, TrMark("System Error 09 : {1} axis Curr-Pos Lower Limit Over")},
      {80, TrMark("System Error 10 : {1} axis Curr-Pos Upper Limit Over")},
      {81, TrMark("System Error 11 : {1} axis Tracking Error")},
      {82, TrMark("System Error 12 : {1} axis Servo Error")},
      {83, TrMark("System Error 13 : {1} axis Positive Limit ON")},
      {84, TrMark("System Error 14 : {1} axis Negative Limit ON")},
      {85, TrMark("System Error 15 : {1} axis Goal-Pos Move Error")},
      {86, TrMark("System Error 16 : L{1} Not Found")},
      {87, TrMark("System Error 17 : CALL Stack Full")},
      {88, TrMark("System Error 18 : CALL Current File")},
      {89, TrMark("System Error 19 : RET Stack Empty")},
      {90, TrMark("System Error 20 : {1} axis Invalid Positive Sensor")},
      {91, TrMark("System Error 21 : {1} axis Invalid Nagative Sensor")},
      {92, TrMark("System Error 22 : {1} axis PWM OFF")},
      {93, TrMark("System Error 23 : IF FUNC. Max File Line Over")},
      {94, TrMark("System Error 24 : PC Communication Time Over")},
      {95, TrMark("System Error 25 : PC Communication Checksum Error")},
      {96, TrMark("System Error 26 : Emergency Switch ON!")},
      {97, TrMark("System Error 27 : PAL{1} not define")},
      {98, TrMark("System Error 28 : PAL{1} LOC does not define")},
      {99, TrMark("System Error 29 : SPL{1} not define")},
      {111, TrMark("ChkSum Error 01 : PRG{1} Crashed")},
      {112, TrMark("ChkSum Error 02 : P{1} LOC Crash")},
      {113, TrMark("ChkSum Error 03 : S{1} SFT Crash")},
      {114, TrMark("ChkSum Error 04 : System Parameter Crash")},
      {115, TrMark("ChkSum Error 05 : {1} ax Axis Parameter Crash")},
      {116, TrMark("ChkSum Error 06 : {1} ax Software Parameter Crash")},
      {117, TrMark("ChkSum Error 07 : {1} ax Limit Parameter Crash")},
      {118, TrMark("ChkSum Error 08 : {1} ax Gain Parameter Crash")},
      {119, TrMark("ChkSum Error 09 : MATRIX Info. Parameter crash")},
      {120, TrMark("ChkSum Error 10 : SPLINE Info. Parameter crash")},
  };
  return t;
}

}  // namespace

std::string ErrorText(int code, int value, bool asWritten) {
  const auto& t = table();
  auto it = t.find(code);
  if (it == t.end()) {
    const std::string_view pattern = TrMark("Error Code : {1}, Error Value : {2}");
    return Substitute(asWritten ? std::string(pattern) : Tr(pattern), {std::to_string(code), std::to_string(value)});
  }
  return Substitute(asWritten ? std::string(it->second) : Tr(it->second), {std::to_string(value)});
}

}  // namespace zova::console
