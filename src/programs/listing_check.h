// The source text written for a received program, compiled again and held against what the controller gave:
// a controller may hold records and comments that no source line compiles to.
#pragma once

#include <vector>

#include "language/compiler.h"
#include "language/program_store.h"
#include "base/text_lines.h"

namespace zova::programs {

// The lines of the program's listing (as ListProgram writes it from `received`) that do not compile back to
// the record and comment they were written from, in line order, each with the reason. Empty when the
// listing compiles to exactly the image and comments the controller holds.
[[nodiscard]] std::vector<TextFault> ListingMismatches(const language::ProgramStore& received,
                                                       language::LanguageConfig config);

}  // namespace zova::programs
