// The serial line settings string ("9600,n,8,1") and the flow-control mode, as the settings store keeps them.
#pragma once

#include <string>
#include <string_view>

namespace zova {

struct LineSettings {
  int baud = 9600;
  char parity = 'n';          // n, e, o, m, s
  int dataBits = 8;           // 5..8
  int stopBitsTimesTen = 10;  // 10, 15 (Windows only) or 20
};

// Whether the serial devices of this system can carry the settings: 5 to 8 data bits, and 1.5 stop bits
// only on Windows. Settings they cannot carry are refused, never replaced by the nearest they can.
bool PortCanApply(const LineSettings& settings);

enum class FlowControl { None = 0, XonXoff = 1, RtsCts = 2, RtsCtsXonXoff = 3 };

// Parses "baud,parity,data,stop"; false with `error` set when any part is out of range or the port
// cannot apply it.
bool ParseLineSettings(std::string_view text, LineSettings& out, std::string& error);
// The settings in the form ParseLineSettings reads ("9600,n,8,1"), as the status bar shows them.
std::string FormatLineSettings(const LineSettings& settings);
// Parses the stored flow-control mode 0..3.
bool ParseFlowControl(std::string_view text, FlowControl& out, std::string& error);

}  // namespace zova
