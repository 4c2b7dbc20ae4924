// The desktop program's language.
#include "app/desktop_language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

#include "app/qt/stored_settings.h"

namespace zova::app {

namespace {

// The translators of the chosen language, owned here for the program's life.
struct Translators {
  std::vector<std::unique_ptr<QTranslator>> loaded;
  QCoreApplication* installedIn = nullptr;  // the application that holds them, if any
};

Translators& Held() {
  static Translators held;
  return held;
}

std::vector<std::unique_ptr<QTranslator>> Load(Language language) {
  const QString code = LanguageCode(language);
  std::vector<std::unique_ptr<QTranslator>> out;
  auto add = [&out](const QString& name, const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    if (translator->load(name, folder)) out.push_back(std::move(translator));
  };
  // Every pair of .ts files under translations/ gives one .qm per language, built in by CMake.
  const QDir ours(":/translations");
  for (const QString& name : ours.entryList({"*_" + code + ".qm"}, QDir::Files, QDir::Name)) {
    add(name, ours.path());
  }
  // Qt's own texts (the standard buttons, the file dialog, a serial port's errors); a Qt without its
  // translations keeps its English.
  for (const char* module : {"qtbase_", "qtserialport_"}) {
    add(module + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  }
  return out;
}

}  // namespace

QString LanguageCode(Language language) { return language == Language::Korean ? "ko" : "en"; }

Language StartLanguage(int argc, const char* const* argv) {
  // A wrong --lang counts as none: the option's own check then says so, in the language chosen otherwise.
  if (const std::optional<Language> given = LanguageArgument(argc, argv)) return *given;
  if (const std::optional<Language> stored = LanguageNamed(ReadStoredLanguage().toStdString())) return *stored;
  return SystemLanguage();
}

void DropTranslators() {
  Translators& held = Held();
  if (held.installedIn != nullptr && held.installedIn == QCoreApplication::instance()) {
    for (const auto& translator : held.loaded) QCoreApplication::removeTranslator(translator.get());
  }
  held.installedIn = nullptr;
  held.loaded.clear();
}

void UseLanguage(Language language) {
  SetLanguage(language);
  DropTranslators();
  Translators& held = Held();
  held.loaded = Load(language);
  if (QCoreApplication* app = QCoreApplication::instance()) {
    for (const auto& translator : held.loaded) QCoreApplication::installTranslator(translator.get());
    held.installedIn = app;
  }
}

QString TranslateText(const char* context, const char* text) {
  const Translators& held = Held();
  if (held.installedIn != nullptr && held.installedIn == QCoreApplication::instance()) {
    return QCoreApplication::translate(context, text);
  }
  for (const auto& translator : held.loaded) {
    const QString found = translator->translate(context, text);
    if (!found.isEmpty()) return found;
  }
  return QString::fromUtf8(text);
}

}  // namespace zova::app
