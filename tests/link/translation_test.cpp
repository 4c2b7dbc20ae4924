// The language a locale name chooses, and values written into a text after its lookup.
#include <gtest/gtest.h>

#include <array>

#include "link/translation.h"
#include "support/language_guard.h"

namespace zova {
namespace {

TEST(Translation, KoreanForKoreanLocalesAndThoseThatNameNoLanguage) {
  const struct {
    const char* locale;
    Language language;
  } cases[] = {
      {"ko", Language::Korean},      {"ko_KR.UTF-8", Language::Korean},  {"ko_KR", Language::Korean},
      {"C", Language::Korean},       {"C.UTF-8", Language::Korean},      {"POSIX", Language::Korean},
      {"", Language::Korean},        {"en_US.UTF-8", Language::English}, {"de_DE", Language::English},
      {"kok_IN", Language::English},  // Konkani: "ko" only as the start of another language's code
  };
  for (const auto& c : cases) EXPECT_EQ(LanguageOfLocale(c.locale), c.language) << '"' << c.locale << '"';
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
      {Language::Korean,
       "Error Code : {1}, Error Value : {2}",
       {"{2}", "7", "{1}"},
       "Error Code : {2}, Error Value : 7"},
      {Language::English, "Error Code : {1}, Error Value : {2}", {"{2}", "7", "{1}"}, "Error code {2}, error value 7"},
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
