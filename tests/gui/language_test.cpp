// The desktop in either language, with the translators zova installs at start: the main window's menus, the
// View → Language choice stored for the next start and its message box; and the order in which a start
// picks its language.
#include <QMenu>

#include "app/desktop_language.h"
#include "app/qt/stored_settings.h"
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

TEST(Language, MenusAndMessagesInTheChosenLanguageAndTheChoiceKeptForTheNextStart) {
  WrittenTextsAfter restore;
  struct Case {
    Language language;
    QStringList bar, view, languages;
    std::string message;
  };
  const Case cases[] = {
      {Language::English,
       {"&File", "&Loc", "&Comm Port", "&View", "&Help"},
       {"&Line Monitor", "Lan&guage"},
       {"한국어", "English", "Takes effect at the next start"},
       "The language 한국어 is stored; it takes effect the next time the program starts."},
      // The original's captions read the same in Korean; the texts added to it do not.
      {Language::Korean,
       {"&File", "&Loc", "&Comm Port", "보기(&V)", "도움말(&H)"},
       {"통신 모니터(&L)", "언어(&G)"},
       {"한국어", "English", "다음에 시작할 때부터 적용됩니다"},
       "언어(한국어)를 저장했습니다. 프로그램을 다음에 시작할 때부터 적용됩니다."},
  };
  for (const Case& c : cases) {
    app::UseLanguage(c.language);
    const QString code = app::LanguageCode(c.language);
    MainRig rig;
    QStringList bar;
    for (const char* name : {"mnuFileMenu", "mnuLoc", "mnuCommPort", "mnuView", "mnuHelp"}) {
      auto* menu = rig.main->findChild<QMenu*>(name);
      bar << (menu != nullptr ? menu->title() : Find<QAction>(rig.main.get(), name)->text());
    }
    EXPECT_EQ(bar, c.bar) << code.toStdString();
    ASSERT_NE(Find<QMenu>(rig.main.get(), "mnuLanguage"), nullptr);
    EXPECT_EQ(Captions(Find<QMenu>(rig.main.get(), "mnuView")), c.view);
    EXPECT_EQ(Captions(Find<QMenu>(rig.main.get(), "mnuLanguage")), c.languages);
    EXPECT_TRUE(Find<QAction>(rig.main.get(), "mnuLanguage_" + code)->isChecked()) << "the language in use";

    app::WriteStoredLanguage({});
    Find<QAction>(rig.main.get(), "mnuLanguage_ko")->trigger();
    EXPECT_EQ(std::tuple(rig.taken(), app::ReadStoredLanguage()), std::tuple(Texts{c.message}, QString("ko")));
  }
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
      {{"zova", "--lang", "xx"}, "en", "ko_KR.UTF-8", Language::English},  // refused by the option's check
      {{"zova"}, "en", "ko_KR.UTF-8", Language::English},
      {{"zova"}, "", "en_US.UTF-8", Language::English},
      {{"zova"}, "", "C", Language::Korean},
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
