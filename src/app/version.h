// Where the windows found the program's version before CMake wrote it into the build tree (zova/version.h).
#pragma once

#include "zova/version.h"
