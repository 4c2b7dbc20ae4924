// The desktop program's language, chosen at start: `--lang ko|en`, else the one stored from the main window's
// View → Language menu, else the system's. One call sets it for the core's catalogs and for the windows' Qt
// translators alike.
#pragma once

#include <QString>

#include "base/translation.h"

namespace zova::app {

// The language this start uses: a valid --lang among the arguments, else the stored choice, else the system's.
[[nodiscard]] Language StartLanguage(int argc, const char* const* argv);

// Sets `language` for the core's texts and loads the windows' translators: every <name>_<ko|en>.qm built into
// the program (under :/translations) and Qt's own qtbase_<ko|en>.qm from the Qt installation, when there.
// They go into the application when it exists; called before it, again once it does.
void UseLanguage(Language language);

// Takes the translators out of the application: the windows show their texts as written in the code.
void DropTranslators();

// A text of the windows in the chosen language, also before the application exists (the command line's help).
[[nodiscard]] QString TranslateText(const char* context, const char* text);

// "ko" or "en", as --lang and the settings store take them.
[[nodiscard]] QString LanguageCode(Language language);

}  // namespace zova::app
