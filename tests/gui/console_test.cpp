// The console of the main window against the built-in simulator: servo, outputs, I/O checking, jog.
#include "gui_support.h"

namespace zova::test {
namespace {

TEST(Console, ServoOnAndOutputClicksRefreshTheOutputs) {
  MainRig rig;
  rig.main->openSimulator();
  EXPECT_TRUE(rig.main->chkIoOutput[3]->isChecked()) << "READY is shown after the port opened";
  EXPECT_FALSE(rig.main->chkIoOutput[2]->isChecked());
  rig.click("cmdSvon_0");
  EXPECT_TRUE(rig.main->chkIoOutput[2]->isChecked()) << "SERVO ON";
  EXPECT_TRUE(rig.main->cmdSvon[0]->isEnabled());

  rig.main->chkIoOutput[8]->click();
  Settle();
  EXPECT_TRUE(Controller(rig).machine.output(8));
  EXPECT_TRUE(rig.main->chkIoOutput[8]->isChecked());
  rig.main->chkIoOutput[3]->click();  // a system output: the mark comes back, nothing is switched
  Settle();
  EXPECT_TRUE(rig.main->chkIoOutput[3]->isChecked());
  EXPECT_TRUE(Controller(rig).machine.output(3));
}

TEST(Console, ActionsWithThePortClosedShowErrorBoxOne) {
  MainRig rig;
  for (const char* button : {"cmdIoStatus_0", "cmdSvon_0", "cmdZR", "cmdRun_0"}) {
    rig.messages.clear();
    rig.titles.clear();
    rig.click(button);
    ASSERT_EQ(rig.messages.size(), 1u) << button;
    EXPECT_EQ(rig.messages[0], "통신포트가 열려 있지 않습니다. 통신포트를 열고 다시 하십시오") << button;
    EXPECT_EQ(rig.titles[0], "ERROR");
  }
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
  EXPECT_TRUE(rig.main->cmdIoStatus[0]->isEnabled());
}

TEST(Console, IoCheckingStartsThePollAndLocksTheFrames) {
  MainRig rig;
  rig.main->openSimulator();
  rig.click("cmdIoStatus_0");
  EXPECT_TRUE(rig.main->tmrUpStatus->isActive());
  EXPECT_FALSE(rig.main->fraIoOut->isEnabled());
  EXPECT_FALSE(rig.main->fraJog->isEnabled());
  EXPECT_FALSE(rig.main->fraRunZr->isEnabled());
  Controller(rig).machine.setInput(63, true);
  for (int i = 0; i < 3; ++i) rig.main->status().Tick();
  EXPECT_TRUE(rig.main->chkIoInput[63]->isChecked());
  rig.click("cmdIoStatus_1");
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
  EXPECT_TRUE(rig.main->fraIoOut->isEnabled());
}

TEST(Console, JogPressAndReleaseMoveTheAxisAndShowItsPosition) {
  MainRig rig(2);
  rig.main->openSimulator();
  QTest::mousePress(rig.main->cmdJog[0], Qt::LeftButton);
  QTest::qWait(300);
  QTest::mouseRelease(rig.main->cmdJog[0], Qt::LeftButton);
  Settle();
  EXPECT_EQ(rig.main->console().JogActive, 0);
  EXPECT_GT(rig.main->txtComPos[0]->text().toDouble(), 0.0) << rig.main->txtComPos[0]->text().toStdString();
}

}  // namespace
}  // namespace zova::test
