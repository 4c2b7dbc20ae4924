// The selection window: axis and PLC choice, OK before an axis, colours, version text, Cancel and any key.
#include <QTest>

#include "app/windows/frm_splash.h"
#include "gui_support.h"

namespace zova::test {
namespace {

QColor Background(QWidget* w) { return QColor(w->styleSheet().section(':', 1).trimmed().remove(';')); }

TEST(Splash, OkNeedsAnAxisThenTakesBothChoices) {
  app::FrmSplash splash;
  splash.show();
  EXPECT_EQ(splash.machineType(), 0);
  Click(&splash, "cmdSelTev_5");
  EXPECT_TRUE(splash.isVisible()) << "OK before an axis does nothing";
  Click(&splash, "cmdSelTev_2");
  Click(&splash, "cmdSelTevPlc_2");
  EXPECT_EQ(Background(Find(&splash, "cmdSelTev_2")), QColor(255, 255, 128));
  EXPECT_EQ(Background(Find(&splash, "cmdSelTevPlc_0")), QColor(255, 128, 0));
  EXPECT_EQ(Background(Find(&splash, "cmdSelTevPlc_2")), QColor(255, 255, 128));
  Click(&splash, "cmdSelTev_5");
  EXPECT_EQ(splash.result(), QDialog::Accepted);
  EXPECT_EQ(splash.axes(), 4);
  EXPECT_EQ(splash.machineType(), 2);
  EXPECT_EQ(app::FrmSplash::versionText(1, 0, 3), "Ver 1.03");
  EXPECT_TRUE(Label(&splash, "lblVersion").startsWith("Ver "));
  EXPECT_EQ(Label(&splash, "Label1"), "Multi Axis Controller");
}

TEST(Splash, CancelAndAnyKeyEndTheProgram) {
  for (bool key : {false, true}) {
    app::FrmSplash splash;
    splash.show();
    if (key) QTest::keyClick(&splash, Qt::Key_A);
    if (!key) Click(&splash, "cmdSelTev_6");
    EXPECT_FALSE(splash.isVisible()) << key;
    EXPECT_EQ(splash.result(), QDialog::Rejected) << key;
  }
}

}  // namespace
}  // namespace zova::test
