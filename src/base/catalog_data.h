// The catalogs compiled into the program (generated at build time from po/<language>.po).
#pragma once

#include <string_view>

#include "base/translation.h"

namespace zova {

// msgfmt's binary catalog for `language`; empty where the build had none.
[[nodiscard]] std::string_view CompiledCatalog(Language language);

}  // namespace zova
