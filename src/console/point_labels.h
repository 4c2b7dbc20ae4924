// The captions of the input and output points, as the console shows them next to their check boxes.
#pragma once

#include <string>

namespace zova::console {

std::string InputLabel(int point);   // "E-STOP" ... "UIN 48"
std::string OutputLabel(int point);  // "ERROR" ... "UOUT 56"

}  // namespace zova::console
