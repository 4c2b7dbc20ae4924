// The console of the main window against the built-in simulator: servo, outputs, I/O checking, jog.
#include "gui_support.h"

namespace zova::test {
namespace {

TEST(Console, ServoOnAndOutputClicksRefreshTheOutputs) {
  SimMainRig rig;
  auto& outputs = rig.main->chkIoOutput;
  EXPECT_TRUE(outputs[3]->isChecked()) << "READY is shown after the port opened";
  rig.click("cmdSvon_0");
  EXPECT_TRUE(outputs[2]->isChecked()) << "SERVO ON";
  outputs[8]->click();
  Settle();
  EXPECT_TRUE(Controller(rig).machine.output(8));
  EXPECT_TRUE(outputs[8]->isChecked());
  outputs[3]->click();  // a system output: the mark comes back, nothing is switched
  Settle();
  EXPECT_TRUE(outputs[3]->isChecked());
  EXPECT_TRUE(Controller(rig).machine.output(3));
}

TEST(Console, ActionsWithThePortClosedShowErrorBoxOne) {
  MainRig rig;
  for (const char* button : {"cmdIoStatus_0", "cmdSvon_0", "cmdZR", "cmdRun_0"}) {
    rig.click(button);
    EXPECT_EQ(rig.taken(), Texts{kPortClosed}) << button;
  }
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
}

TEST(Console, IoCheckingStartsThePollAndLocksTheFrames) {
  SimMainRig rig;
  rig.click("cmdIoStatus_0");
  EXPECT_TRUE(rig.main->tmrUpStatus->isActive());
  for (QWidget* frame : {rig.main->fraIoOut, rig.main->fraJog, rig.main->fraRunZr}) EXPECT_FALSE(frame->isEnabled());
  Controller(rig).machine.setInput(63, true);
  for (int i = 0; i < 3; ++i) rig.main->status().Tick();
  EXPECT_TRUE(rig.main->chkIoInput[63]->isChecked());
  rig.click("cmdIoStatus_1");
  EXPECT_FALSE(rig.main->tmrUpStatus->isActive());
  EXPECT_TRUE(rig.main->fraIoOut->isEnabled());
}

TEST(Console, JogPressAndReleaseMoveTheAxisAndShowItsPosition) {
  SimMainRig rig(2);
  QTest::mousePress(rig.main->cmdJog[0], Qt::LeftButton);
  QTest::qWait(300);
  QTest::mouseRelease(rig.main->cmdJog[0], Qt::LeftButton);
  Settle();
  EXPECT_EQ(rig.main->console().JogActive, 0);
  EXPECT_GT(rig.main->txtComPos[0]->text().toDouble(), 0.0) << rig.main->txtComPos[0]->text().toStdString();
}

}  // namespace
}  // namespace zova::test
