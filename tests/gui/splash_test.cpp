// The selection window: axis and PLC choice, OK before an axis, colours, version text, any key.
#include <QLabel>
#include <QTest>

#include "app/windows/frm_splash.h"
#include "gui_support.h"

namespace zova::test {
namespace {

QColor Background(QWidget* w) { return QColor(w->styleSheet().section(':', 1).trimmed().remove(';')); }

TEST(Splash, OkNeedsAnAxisThenAccepts) {
  app::FrmSplash splash;
  splash.show();
  Find<QPushButton>(&splash, "cmdSelTev_5")->click();
  EXPECT_TRUE(splash.isVisible()) << "OK before an axis does nothing";
  EXPECT_EQ(splash.result(), 0);
  EXPECT_EQ(splash.axes(), 0);
  Find<QPushButton>(&splash, "cmdSelTev_2")->click();
  EXPECT_EQ(Background(Find(&splash, "cmdSelTev_2")), QColor(255, 255, 128));
  Find<QPushButton>(&splash, "cmdSelTev_5")->click();
  EXPECT_EQ(splash.result(), QDialog::Accepted);
  EXPECT_EQ(splash.axes(), 4);
}

TEST(Splash, PlcChoiceVersionAndTexts) {
  app::FrmSplash splash;
  EXPECT_EQ(splash.machineType(), 0);
  Find<QPushButton>(&splash, "cmdSelTevPlc_2")->click();
  EXPECT_EQ(splash.machineType(), 2);
  EXPECT_EQ(Background(Find(&splash, "cmdSelTevPlc_0")), QColor(255, 128, 0));
  EXPECT_EQ(Background(Find(&splash, "cmdSelTevPlc_2")), QColor(255, 255, 128));
  EXPECT_EQ(app::FrmSplash::versionText(1, 0, 3), "Ver 1.03");
  EXPECT_TRUE(Find<QLabel>(&splash, "lblVersion")->text().startsWith("Ver "));
  EXPECT_EQ(Find<QLabel>(&splash, "Label1")->text(), "Multi Axis Controller");
}

TEST(Splash, CancelAndAnyKeyEndTheProgram) {
  app::FrmSplash splash;
  splash.show();
  Find<QPushButton>(&splash, "cmdSelTev_6")->click();
  EXPECT_EQ(splash.result(), QDialog::Rejected);
  app::FrmSplash keyed;
  keyed.show();
  QTest::keyClick(&keyed, Qt::Key_A);
  EXPECT_FALSE(keyed.isVisible());
  EXPECT_EQ(keyed.result(), QDialog::Rejected);
}

}  // namespace
}  // namespace zova::test
