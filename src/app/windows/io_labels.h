// The captions of the input and output points shown next to their check boxes.
#pragma once

#include <QString>

namespace zova::app {

QString InputLabel(int point);   // "E-STOP" ... "UIN 48"
QString OutputLabel(int point);  // "ERROR" ... "UOUT 56"

}  // namespace zova::app
