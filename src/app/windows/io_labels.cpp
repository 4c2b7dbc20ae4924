// Point captions.
#include "app/windows/io_labels.h"

namespace zova::app {

QString InputLabel(int point) {
  static const char* system[] = {"E-STOP", "NC", "ZR", "RUN/STOP", "PAUSE", "ERR_RST", "EXT", "SVON/OFF"};
  if (point < 8) return system[point];
  if (point < 11) return QString("INT %1").arg(point - 7, 2, 10, QChar('0'));
  if (point < 16) return QString("PSEL %1").arg(point - 10, 2, 10, QChar('0'));
  return QString("UIN %1").arg(point - 15, 2, 10, QChar('0'));
}

QString OutputLabel(int point) {
  static const char* system[] = {"ERROR", "EXT", "SERVO ON", "READY", "RUN", "PAUSE", "E-STOP", "ZR"};
  if (point < 8) return system[point];
  return QString("UOUT %1").arg(point - 7, 2, 10, QChar('0'));
}

}  // namespace zova::app
