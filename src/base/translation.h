// Texts for people in the chosen language. A text is written in the code as it reads in its own language
// (the original program's Korean, or English where we added it) and looked up where it is shown, in the
// catalog compiled from po/<language>.po. Data forms (files, protocol bytes, data lines) never pass here.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

namespace zova {

enum class Language { Korean, English };

// Until a program chooses, texts read in Korean, as the original program's did.
void SetLanguage(Language language);
[[nodiscard]] Language CurrentLanguage();

// `text` in the chosen language; `text` itself where the catalog has no entry for it.
[[nodiscard]] std::string Tr(std::string_view text);

// As Tr, with {1}, {2}... of the chosen language's text replaced by `values`, since word order differs.
[[nodiscard]] std::string Tr(std::string_view text, std::initializer_list<std::string_view> values);

// `pattern` with {1}, {2}... replaced by `values`, without a lookup: for a text kept as it is written.
[[nodiscard]] std::string Substitute(std::string_view pattern, std::initializer_list<std::string_view> values);

// Marks a text for the catalog where it is stored (a table) rather than shown; Tr looks it up later.
constexpr const char* TrMark(const char* text) { return text; }

// "ko" or "en", as --lang takes them.
[[nodiscard]] std::optional<Language> LanguageNamed(std::string_view name);

// The language of a locale name ("ko_KR.UTF-8", "C", ""): Korean for ko*, C, POSIX and none, else English.
[[nodiscard]] Language LanguageOfLocale(std::string_view locale);

// The language `--lang X` or `--lang=X` names among the arguments; nothing where none is given or it names
// neither language (the option's own check then says so).
[[nodiscard]] std::optional<Language> LanguageArgument(int argc, const char* const* argv);

// The system's language: LC_ALL, LC_MESSAGES, LANG on POSIX, the user's display language on Windows.
[[nodiscard]] Language SystemLanguage();

}  // namespace zova
