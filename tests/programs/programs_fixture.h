// The program samples live with the other shared rigs.
#pragma once

#include "support/program_samples.h"
