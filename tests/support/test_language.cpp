// Linked into every test program: ZOVA_TEST_LANGUAGE=en runs it with English chosen, as the byte-exact
// suites are run a second time, since no data form may change with the language.
#include <cstdlib>
#include <string_view>

#include "base/translation.h"

namespace {

const bool chosen = [] {
  const char* language = std::getenv("ZOVA_TEST_LANGUAGE");
  if (language != nullptr && std::string_view(language) == "en") zova::SetLanguage(zova::Language::English);
  return true;
}();

}  // namespace
