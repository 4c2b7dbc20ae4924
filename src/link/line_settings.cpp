// Serial line settings.
#include "link/line_settings.h"

#include <cctype>
#include <optional>
#include <vector>

#include "base/translation.h"
#include "base/whole_number.h"

namespace zova {

namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

bool toInt(std::string_view s, int& out) {
  const std::optional<int> value = ReadWholeNumber(trim(s));
  if (value) out = *value;
  return value.has_value();
}

#ifdef _WIN32
constexpr bool kOneAndHalfStopBits = true;
#else
constexpr bool kOneAndHalfStopBits = false;  // termios has one or two stop bits only
#endif

}  // namespace

bool PortCanApply(const LineSettings& settings) {
  const int stop = settings.stopBitsTimesTen;
  return settings.dataBits >= 5 && settings.dataBits <= 8 &&
         (stop == 10 || stop == 20 || (stop == 15 && kOneAndHalfStopBits));
}

bool ParseLineSettings(std::string_view text, LineSettings& out, std::string& error) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i == text.size() || text[i] == ',') {
      parts.push_back(trim(text.substr(start, i - start)));
      start = i + 1;
    }
  }
  error = Tr("Invalid property value: \"{1}\"", {text});
  if (parts.size() != 4) return false;
  LineSettings s;
  if (!toInt(parts[0], s.baud) || s.baud < 50 || s.baud > 4000000) return false;
  if (parts[1].size() != 1) return false;
  s.parity = static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1][0])));
  if (std::string_view("neoms").find(s.parity) == std::string_view::npos) return false;
  if (!toInt(parts[2], s.dataBits)) return false;
  if (parts[3] == "1") {
    s.stopBitsTimesTen = 10;
  } else if (parts[3] == "1.5") {
    s.stopBitsTimesTen = 15;
  } else if (parts[3] == "2") {
    s.stopBitsTimesTen = 20;
  } else {
    return false;
  }
  if (!PortCanApply(s)) {
    error = kOneAndHalfStopBits
                ? Tr("Invalid property value: \"{1}\" (serial ports take 5 to 8 data bits)", {text})
                : Tr("Invalid property value: \"{1}\" (serial ports here take 5 to 8 data bits and 1 or 2 stop bits)",
                     {text});
    return false;
  }
  out = s;
  error.clear();
  return true;
}

std::string FormatLineSettings(const LineSettings& settings) {
  const int stop = settings.stopBitsTimesTen;
  const std::string stopText = stop == 15 ? "1.5" : std::to_string(stop / 10);
  return std::to_string(settings.baud) + "," + settings.parity + "," + std::to_string(settings.dataBits) + "," +
         stopText;
}

bool ParseFlowControl(std::string_view text, FlowControl& out, std::string& error) {
  int mode = 0;
  if (!toInt(text, mode) || mode < 0 || mode > 3) {
    error = Tr("Invalid property value: \"{1}\"", {text});
    return false;
  }
  out = static_cast<FlowControl>(mode);
  return true;
}

}  // namespace zova
