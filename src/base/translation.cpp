// The catalogs' lookup. A catalog is msgfmt's binary form of po/<language>.po, compiled into the
// program, so a program copied alone still speaks both languages.
#include "base/translation.h"

#include <atomic>
#include <cstdint>
#include <string_view>
#include <unordered_map>

#include "base/catalog_data.h"
#include "base/system.h"

namespace zova {

namespace {

std::atomic<Language> chosen{Language::Korean};

using Catalog = std::unordered_map<std::string_view, std::string_view>;

// The .mo form: a magic number giving the byte order, the entry count, and two tables of (length,
// offset) pairs, one for the texts and one for their translations. Anything outside the data reads as
// no entry.
Catalog ReadCatalog(std::string_view data) {
  Catalog catalog;
  auto word = [&data](std::size_t at, bool swap) -> std::uint32_t {
    if (at + 4 > data.size()) return 0;
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const auto byte = static_cast<std::uint32_t>(static_cast<unsigned char>(data[at + i]));
      v |= byte << (swap ? 8 * (3 - i) : 8 * i);
    }
    return v;
  };
  if (data.size() < 28) return catalog;
  const bool swap = word(0, false) != 0x950412deU;
  if (swap && word(0, true) != 0x950412deU) return catalog;
  const std::uint32_t count = word(8, swap);
  const std::uint32_t texts = word(12, swap);
  const std::uint32_t translations = word(16, swap);
  auto entry = [&](std::uint32_t table, std::uint32_t i) -> std::string_view {
    const std::size_t at = static_cast<std::size_t>(table) + 8 * static_cast<std::size_t>(i);
    const std::uint32_t length = word(at, swap);
    const std::uint32_t offset = word(at + 4, swap);
    if (at + 8 > data.size() || offset > data.size() || length > data.size() - offset) return {};
    return data.substr(offset, length);
  };
  for (std::uint32_t i = 0; i < count && 8 * static_cast<std::size_t>(i) < data.size(); ++i) {
    const std::string_view text = entry(texts, i);
    const std::string_view translation = entry(translations, i);
    if (!text.empty() && !translation.empty()) catalog.emplace(text, translation);
  }
  return catalog;
}

const Catalog& CatalogOf(Language language) {
  static const Catalog korean = ReadCatalog(CompiledCatalog(Language::Korean));
  static const Catalog english = ReadCatalog(CompiledCatalog(Language::English));
  return language == Language::Korean ? korean : english;
}

}  // namespace

void SetLanguage(Language language) { chosen = language; }

Language CurrentLanguage() { return chosen; }

std::string Tr(std::string_view text) {
  const Catalog& catalog = CatalogOf(chosen);
  const auto found = catalog.find(text);
  return std::string(found == catalog.end() ? text : found->second);
}

std::string Tr(std::string_view text, std::initializer_list<std::string_view> values) {
  return Substitute(Tr(text), values);
}

std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    // {N}, N from 1 to 9: the N-th value; anything else stays as written.
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9' && static_cast<std::size_t>(pattern[i + 1] - '1') < values.size()) {
      out += values.begin()[pattern[i + 1] - '1'];
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::optional<Language> LanguageNamed(std::string_view name) {
  if (name == "ko") return Language::Korean;
  if (name == "en") return Language::English;
  return std::nullopt;
}

Language LanguageOfLocale(std::string_view locale) {
  // The part before the territory, code set and modifier: "ko_KR.UTF-8" → "ko", "C.UTF-8" → "C".
  const std::string_view name = locale.substr(0, locale.find_first_of("_.@-"));
  return name.empty() || name == "C" || name == "POSIX" || name == "ko" ? Language::Korean : Language::English;
}

std::optional<Language> LanguageArgument(int argc, const char* const* argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") break;
    if (arg == "--lang") return i + 1 < argc ? LanguageNamed(argv[i + 1]) : std::nullopt;
    if (arg.starts_with("--lang=")) return LanguageNamed(arg.substr(7));
  }
  return std::nullopt;
}

Language SystemLanguage() { return LanguageOfLocale(SystemLocaleName()); }

}  // namespace zova
