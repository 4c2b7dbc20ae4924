// Chooses the language of the texts for one test and puts back the one before it (Korean, every test's
// default) when the test ends, failing or not.
#pragma once

#include "base/translation.h"

namespace zova::test {

class LanguageGuard {
 public:
  explicit LanguageGuard(Language language) : before_(CurrentLanguage()) { SetLanguage(language); }
  ~LanguageGuard() { SetLanguage(before_); }

 private:
  Language before_;
};

}  // namespace zova::test
