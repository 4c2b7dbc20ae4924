// Point captions.
#include "console/point_labels.h"

#include <cstdio>

namespace zova::console {

namespace {
std::string Numbered(const char* prefix, int n) {
  char text[16];
  std::snprintf(text, sizeof text, "%s %02d", prefix, n);
  return text;
}
}  // namespace

std::string InputLabel(int point) {
  static const char* system[] = {"E-STOP", "NC", "ZR", "RUN/STOP", "PAUSE", "ERR_RST", "EXT", "SVON/OFF"};
  if (point < 8) return system[point];
  if (point < 11) return Numbered("INT", point - 7);
  if (point < 16) return Numbered("PSEL", point - 10);
  return Numbered("UIN", point - 15);
}

std::string OutputLabel(int point) {
  static const char* system[] = {"ERROR", "EXT", "SERVO ON", "READY", "RUN", "PAUSE", "E-STOP", "ZR"};
  if (point < 8) return system[point];
  return Numbered("UOUT", point - 7);
}

}  // namespace zova::console
