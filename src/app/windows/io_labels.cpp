// Point captions.
#include "app/windows/io_labels.h"

#include "console/point_labels.h"

namespace zova::app {

QString InputLabel(int point) { return QString::fromStdString(zova::console::InputLabel(point)); }
QString OutputLabel(int point) { return QString::fromStdString(zova::console::OutputLabel(point)); }

}  // namespace zova::app
