// --lang, the same on every program: the language of messages and help. The language itself is chosen
// before the options are defined (their help is in it); this option only checks the word and shows in help.
#pragma once

#include <CLI/CLI.hpp>
#include <string>

#include "base/translation.h"

namespace zova::options {

inline CLI::Option* AddLanguageOption(CLI::App& app, std::string& language) {
  return app
      .add_option("--lang", language,
                  Tr("language of messages and help, ko or en (default: the system's: LC_ALL, LC_MESSAGES, LANG)"))
      ->option_text("ko|en")
      ->check(CLI::Validator(
          [](std::string& text) { return LanguageNamed(text) ? std::string() : Tr("takes ko or en, not {1}", {text}); },
          ""));
}

// Sets the language the arguments or the system choose; called first thing in main.
inline void ChooseLanguage(int argc, const char* const* argv) {
  SetLanguage(LanguageArgument(argc, argv).value_or(SystemLanguage()));
}

}  // namespace zova::options
