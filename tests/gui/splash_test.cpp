// The selection window: axis and PLC choice, OK before an axis, colours, version text, any key.
#include <QTest>

#include "app/frm_splash.h"
#include "gui_support.h"

namespace zova::test {
namespace {

QColor background(QWidget* w) {
  const QString sheet = w->styleSheet();
  return QColor(sheet.section(':', 1).trimmed().remove(';'));
}

TEST(Splash, OkBeforeAnAxisDoesNothing) {
  app::FrmSplash splash;
  splash.show();
  Find<QPushButton>(&splash, "cmdSelTev_5")->click();
  EXPECT_TRUE(splash.isVisible());
  EXPECT_EQ(splash.result(), 0);
  EXPECT_EQ(splash.axes(), 0);
}

TEST(Splash, FourAxesThenOkAccepts) {
  app::FrmSplash splash;
  splash.show();
  Find<QPushButton>(&splash, "cmdSelTev_2")->click();
  EXPECT_EQ(background(Find(&splash, "cmdSelTev_2")), QColor(255, 255, 128));
  Find<QPushButton>(&splash, "cmdSelTev_5")->click();
  EXPECT_EQ(splash.result(), QDialog::Accepted);
  EXPECT_EQ(splash.axes(), 4);
}

TEST(Splash, PlcChoiceRecoloursAndSetsMachineType) {
  app::FrmSplash splash;
  EXPECT_EQ(splash.machineType(), 0);
  Find<QPushButton>(&splash, "cmdSelTevPlc_2")->click();
  EXPECT_EQ(splash.machineType(), 2);
  EXPECT_EQ(background(Find(&splash, "cmdSelTevPlc_0")), QColor(255, 128, 0));
  EXPECT_EQ(background(Find(&splash, "cmdSelTevPlc_2")), QColor(255, 255, 128));
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

TEST(Splash, VersionText) {
  EXPECT_EQ(app::FrmSplash::versionText(1, 0, 3), "Ver 1.03");
  app::FrmSplash splash;
  EXPECT_TRUE(Find<QLabel>(&splash, "lblVersion")->text().startsWith("Ver "));
  EXPECT_EQ(Find<QLabel>(&splash, "Label1")->text(), "Multi Axis Controller");
}

}  // namespace
}  // namespace zova::test
