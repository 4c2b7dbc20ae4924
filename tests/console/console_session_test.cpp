// A whole operator session against the simulated controller, handler after handler.
#include <gtest/gtest.h>

#include "console_fixture.h"
#include "link/commands.h"

namespace zova {
namespace {

using test::ConsoleRig;

TEST(ConsoleSession, ServoZeroReturnJogStoreRunStop) {
  ConsoleRig r(3);
  r.sim.controller.setBaud(19200);
  ManualConsole& c = r.console;
  auto& machine = r.sim.controller.machine;

  ASSERT_EQ(c.SvonClick(0), ActionResult::Done);
  EXPECT_EQ(r.display.output[2], 1) << "SERVO ON shown";

  ASSERT_EQ(c.ZrClick(), ActionResult::Done);
  EXPECT_EQ(r.display.output[7], 1) << "ZR shown";

  // Jog axis 2 towards positive for about 0.8 s at speed 20.
  c.AxisSelClick(0);
  ASSERT_EQ(c.AxisSel, 2);
  ASSERT_EQ(c.JogPress(kJogPositive, "20", std::to_string(c.AxisSel)), ActionResult::Done);
  r.sim.clock.advance(milliseconds(800));
  ASSERT_EQ(c.JogRelease(kJogPositive), ActionResult::Done);
  const double jogged = c.CommandPos[1];
  EXPECT_GT(jogged, 1500);
  EXPECT_EQ(jogged, machine.commandPosition(1)) << "the position shown is where the axis stopped";
  EXPECT_EQ(r.display.positions[1].first, FormatHundredths(jogged));

  ASSERT_EQ(c.LocSetClick("12"), ActionResult::Done);
  const auto& stored = r.sim.controller.positions.locations[12];
  EXPECT_EQ(stored[0], 0);
  EXPECT_EQ(stored[1], static_cast<std::int32_t>(jogged));
  EXPECT_EQ(stored[2], 0);

  ASSERT_EQ(c.RunClick(kRunStart, "4"), ActionResult::Done);
  EXPECT_TRUE(machine.running());
  EXPECT_EQ(machine.runningProgram(), 4);
  // While the program runs, the poll timer is on; with I/O checking on the ticks show the RUN output.
  r.status.IoStatusClick(0);
  r.sim.clock.advance(milliseconds(500));
  r.status.Tick();
  EXPECT_EQ(r.display.output[4], 1) << "RUN shown";

  r.sim.clock.advance(seconds(1));
  ASSERT_EQ(c.RunClick(kRunStop, "4"), ActionResult::Done);
  EXPECT_FALSE(machine.running());
  EXPECT_EQ(r.display.output[4], 0) << "RUN cleared by the refresh after the stop";
  for (int a = 0; a < 3; ++a) EXPECT_EQ(c.CommandPos[a], machine.commandPosition(a)) << a;
  EXPECT_GT(c.CommandPos[0], 0) << "the program moved the axes";

  EXPECT_TRUE(r.sim.ui.messages.empty());
  EXPECT_FALSE(r.sim.link.LinkBusy);
  EXPECT_EQ(r.countOf(cmd::kRunProgram), 1);
  EXPECT_EQ(r.countOf(cmd::kSendLocations), 1);
}

}  // namespace
}  // namespace zova
