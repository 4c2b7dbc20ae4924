// Shared helpers of the positions tests: a scratch folder and whole-file reads.
#pragma once

#include <filesystem>

#include "support/scratch_dir.h"

namespace zova::positions::test {

namespace fs = std::filesystem;

using zova::test::ScratchDir;

}  // namespace zova::positions::test
