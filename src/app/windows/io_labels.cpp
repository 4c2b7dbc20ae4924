// Point captions.
#include "app/windows/io_labels.h"

#include <QCoreApplication>

namespace zova::app {

namespace {
QString Caption(const char* text) { return QCoreApplication::translate("zova::app::IoLabels", text); }
}  // namespace

QString InputLabel(int point) {
  static const char* system[] = {
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "E-STOP"), QT_TRANSLATE_NOOP("zova::app::IoLabels", "NC"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "ZR"),     QT_TRANSLATE_NOOP("zova::app::IoLabels", "RUN/STOP"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "PAUSE"),  QT_TRANSLATE_NOOP("zova::app::IoLabels", "ERR_RST"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "EXT"),    QT_TRANSLATE_NOOP("zova::app::IoLabels", "SVON/OFF")};
  if (point < 8) return Caption(system[point]);
  if (point < 11) return QCoreApplication::translate("zova::app::IoLabels", "INT %1").arg(point - 7, 2, 10, QChar('0'));
  if (point < 16)
    return QCoreApplication::translate("zova::app::IoLabels", "PSEL %1").arg(point - 10, 2, 10, QChar('0'));
  return QCoreApplication::translate("zova::app::IoLabels", "UIN %1").arg(point - 15, 2, 10, QChar('0'));
}

QString OutputLabel(int point) {
  static const char* system[] = {
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "ERROR"),    QT_TRANSLATE_NOOP("zova::app::IoLabels", "EXT"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "SERVO ON"), QT_TRANSLATE_NOOP("zova::app::IoLabels", "READY"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "RUN"),      QT_TRANSLATE_NOOP("zova::app::IoLabels", "PAUSE"),
      QT_TRANSLATE_NOOP("zova::app::IoLabels", "E-STOP"),   QT_TRANSLATE_NOOP("zova::app::IoLabels", "ZR")};
  if (point < 8) return Caption(system[point]);
  return QCoreApplication::translate("zova::app::IoLabels", "UOUT %1").arg(point - 7, 2, 10, QChar('0'));
}

}  // namespace zova::app
