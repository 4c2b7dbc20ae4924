// The desktop in English, with the translators zova installs at start: the main window's menus, the View →
// Language choice stored for the next start and its message box, a window's message; and the order in which
// a start picks its language.
#include <QMenu>
#include <QMenuBar>

#include "app/desktop_language.h"
#include "app/qt/stored_settings.h"
#include "zova/version.h"
#include "gui_support.h"

namespace zova::test {

namespace {

// Every other test reads the texts as written, in Korean: that is what the language goes back to.
struct WrittenTextsAfter {
  ~WrittenTextsAfter() {
    app::DropTranslators();
    SetLanguage(Language::Korean);
    app::WriteStoredLanguage({});
  }
};

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) captions << action->text();
  }
  return captions;
}

}  // namespace

// No two items of a menu, nor two menus of a bar, share their Alt letter, in either language.
TEST(Language, AltLettersAreDistinctInEveryMenu) {
  WrittenTextsAfter restore;
  for (Language language : {Language::Korean, Language::English}) {
    app::UseLanguage(language);
    MainRig rig(4);
    QStringList shared;
    QWidgetList menus =
        rig.main->findChildren<QWidget*>() + OpenScreen(rig, "mnuEditor", "frmEditor")->findChildren<QWidget*>();
    for (const QWidget* menu : menus) {
      QList<QKeySequence> letters;  // a menu bar's or a menu's; other widgets hold no actions
      for (const QAction* action : menu->actions()) {
        const QKeySequence letter = QKeySequence::mnemonic(action->text());
        if (!letter.isEmpty() && letters.contains(letter)) shared << action->text();
        letters << letter;
      }
    }
    EXPECT_EQ(shared, QStringList()) << app::LanguageCode(language).toStdString();
  }
}

TEST(Language, MenusAndMessagesInEnglishAndTheChoiceKeptForTheNextStart) {
  WrittenTextsAfter restore;
  app::UseLanguage(Language::English);
  MainRig rig(4, true);
  QStringList bar;
  for (const char* name : {"mnuFileMenu", "mnuLoc", "mnuCommPort", "mnuView", "mnuHelp"}) {
    auto* menu = rig.main->findChild<QMenu*>(name);
    bar << (menu != nullptr ? menu->title() : Find<QAction>(rig.main.get(), name)->text());
  }
  EXPECT_EQ(bar, (QStringList{"&File", "&Loc", "&Comm Port", "&View", "&Help"}));
  EXPECT_EQ(Captions(Find<QMenu>(rig.main.get(), "mnuView")),
            (QStringList{"&Line Monitor", "&Recorder", "&Alarm Log", "Lan&guage"}));
  EXPECT_EQ(Captions(Find<QMenu>(rig.main.get(), "mnuLanguage")),
            (QStringList{"한국어", "English", "Takes effect at the next start"}));
  EXPECT_TRUE(Find<QAction>(rig.main.get(), "mnuLanguage_en")->isChecked()) << "the language in use";
  app::WriteStoredLanguage({});
  Find<QAction>(rig.main.get(), "mnuLanguage_ko")->trigger();
  EXPECT_EQ(std::tuple(rig.taken(), app::ReadStoredLanguage()),
            std::tuple(Texts{"The language 한국어 is stored; it takes effect the next time the program starts."},
                       QString("ko")));
  // A window's own message, written in the original's Korean, in English.
  QPointer<QWidget> w = OpenScreen(rig, "mnuSysPara", "frmNsyspara");
  Click(w, "cmdSave_1");
  EXPECT_EQ(rig.taken(), Texts{"In the File Open menu, enter the name of the file to save to."});
  Find<QAction>(rig.main.get(), "mnuAbout")->trigger();
  const QString about = QString::fromStdString(rig.taken().at(0));
  EXPECT_TRUE(about.contains("Version " + QString::fromStdString(VersionNumber())) && about.contains(qVersion()))
      << about.toStdString();
}

TEST(Language, AStartTakesTheArgumentThenTheStoredChoiceThenTheSystems) {
  WrittenTextsAfter restore;
  const std::optional<QByteArray> system =
      qEnvironmentVariableIsSet("LC_ALL") ? std::optional(qgetenv("LC_ALL")) : std::nullopt;
  struct Case {
    std::vector<const char*> args;
    QString stored;
    const char* locale;
    Language expected;
  };
  const Case cases[] = {
      {{"zova", "--lang", "en"}, "ko", "ko_KR.UTF-8", Language::English},
      {{"zova", "--port", "sim", "--lang=ko"}, "en", "en_US.UTF-8", Language::Korean},
      {{"zova"}, "en", "ko_KR.UTF-8", Language::English},
      {{"zova"}, "", "en_US.UTF-8", Language::English},
  };
  for (const Case& c : cases) {
    app::WriteStoredLanguage(c.stored);
    qputenv("LC_ALL", c.locale);
    EXPECT_EQ(app::StartLanguage(static_cast<int>(c.args.size()), c.args.data()), c.expected)
        << c.args.back() << " " << c.stored.toStdString() << " " << c.locale;
  }
  system ? qputenv("LC_ALL", *system) : qunsetenv("LC_ALL");
}

}  // namespace zova::test
