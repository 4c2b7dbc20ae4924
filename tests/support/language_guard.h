// Texts in another language for as long as the guard lives; the language before it (Korean, every test's
// default) comes back when it goes, also when an assertion ends the test early.
#pragma once

#include "link/translation.h"

namespace zova::test {

class LanguageGuard {
 public:
  explicit LanguageGuard(Language language) : before_(CurrentLanguage()) { SetLanguage(language); }
  ~LanguageGuard() { SetLanguage(before_); }
  LanguageGuard(const LanguageGuard&) = delete;
  LanguageGuard& operator=(const LanguageGuard&) = delete;

 private:
  Language before_;
};

}  // namespace zova::test
