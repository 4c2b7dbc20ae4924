// The language a locale name chooses, and values written into a text after its lookup.
#include <gtest/gtest.h>

#include <array>

#include "base/translation.h"
#include "support/language_guard.h"

namespace zova {
namespace {

TEST(Translation, KoreanForKoreanLocalesAndThoseThatNameNoLanguage) {
  for (const char* locale : {"ko", "ko_KR.UTF-8", "ko_KR", "C", "C.UTF-8", "POSIX", ""})
    EXPECT_EQ(LanguageOfLocale(locale), Language::Korean) << '"' << locale << '"';
  // Konkani's code "kok" begins as Korean's does.
  for (const char* locale : {"en_US.UTF-8", "de_DE", "kok_IN"})
    EXPECT_EQ(LanguageOfLocale(locale), Language::English) << locale;
}

TEST(Translation, ValuesGoWhereTheChosenLanguagePutsThemAndOnlyOnce) {
  const struct {
    Language language;
    const char* text;
    std::array<const char*, 3> values;
    const char* shown;
  } cases[] = {
      {Language::Korean, "{1}: {2} of {3} rows sent", {"LOC", "1234", "2500"}, "LOC: 2500줄 중 1234줄을 전송했습니다"},
      {Language::English, "{1}: {2} of {3} rows sent", {"LOC", "1234", "2500"}, "LOC: 1234 of 2500 rows sent"},
      // A value that looks like a place for another value is written as it is.
      {Language::Korean, "{1} and {2}", {"{2}", "7", "{1}"}, "{2} and 7"},
      // A text the catalog lacks is its own pattern; places without a value, or not {1} to {9}, stay as written.
      {Language::English, "{0} {1} {3} {4} {12}", {"a", "b", "c"}, "{0} a c {4} {12}"},
  };
  for (const auto& c : cases) {
    const test::LanguageGuard language(c.language);
    EXPECT_EQ(Tr(c.text, {c.values[0], c.values[1], c.values[2]}), c.shown) << c.text;
  }
}

}  // namespace
}  // namespace zova
