// Writes kept in step with the line.
#include "app/qt/line_pacer.h"

#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace zova::app {

void LinePacer::wrote(Duration transmit) {
  if (transmit <= Duration::zero()) return;
  Clock& clock = systemClock();
  const TimePoint now = clock.now();
  lineFreeAt_ = std::max(lineFreeAt_, now) + transmit;
  if (lineFreeAt_ - now <= kAhead) return;
  const auto wait = std::chrono::duration_cast<std::chrono::milliseconds>(lineFreeAt_ - now - kAhead / 2);
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(wait.count()), Qt::PreciseTimer, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace zova::app
