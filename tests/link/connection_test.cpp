// Opening with the link check and closing with the close-link command.
#include <gtest/gtest.h>

#include "link/connection.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::ScriptedPort;

TEST(Connection, OpensWhenTheControllerAnswersDc1AndEmptiesTheBuffer) {
  FakeClock clock;
  ScriptedPort port(clock);
  port.close();
  port.queue({0x33, 0x44});  // stale bytes from before
  port.react = [](std::uint8_t b, ScriptedPort& p) {
    if (b == ENQ) p.queue({DC1, 0x77});
  };
  RecordingUi ui;
  Link link(port, ui, clock);
  Connection c(link);
  int opened = 0;
  c.onOpened = [&] {
    EXPECT_TRUE(link.LinkBusy) << "the refresh runs while the link is held";
    ++opened;
  };
  // A late DC1 after other bytes still counts: the last byte delivered decides.
  port.react = [](std::uint8_t b, ScriptedPort& p) {
    if (b == ENQ) p.queue({DC1});
  };
  EXPECT_TRUE(c.Open());
  EXPECT_EQ(opened, 1);
  EXPECT_FALSE(link.LinkBusy);
  EXPECT_FALSE(link.DataAvailable());
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_TRUE(c.Open()) << "already open: nothing happens";
  EXPECT_EQ(opened, 1);
}

TEST(Connection, WrongAnswerOrSilenceLeavesThePortClosed) {
  for (std::uint8_t answer : {std::uint8_t{0x06}, std::uint8_t{0}}) {
    FakeClock clock;
    ScriptedPort port(clock);
    port.close();
    if (answer != 0) {
      port.react = [answer](std::uint8_t b, ScriptedPort& p) {
        if (b == ENQ) p.queue({answer});
      };
    }
    RecordingUi ui;
    Link link(port, ui, clock);
    Connection c(link);
    EXPECT_FALSE(c.Open());
    EXPECT_FALSE(port.isOpen());
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"통신이 연결되지 않았습니다."});
    EXPECT_FALSE(link.LinkBusy);
  }
}

TEST(Connection, OpenFailureShowsTheSystemsReason) {
  test::SimRig rig;
  rig.wire.close();
  rig.simPort.failOpen = true;
  Connection c(rig.link);
  EXPECT_FALSE(c.Open());
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"The simulated port refused to open."});
}

TEST(Connection, CloseSaysGoodbyeAndClosesOnlyAfterTheEcho) {
  test::SimRig rig;
  Connection c(rig.link);
  EXPECT_TRUE(c.Close());
  EXPECT_EQ(rig.wire.text(), "> 01 < 06 > 24 < 24");
  EXPECT_FALSE(rig.wire.isOpen());

  test::SimRig wrong;
  wrong.controller.faults.wrongEcho = true;
  Connection c2(wrong.link);
  EXPECT_FALSE(c2.Close());
  EXPECT_TRUE(wrong.wire.isOpen()) << "no echo: the port stays open";
}

TEST(Connection, CloseWhileAnExchangeHoldsTheLinkDoesNothing) {
  test::SimRig rig;
  Connection c(rig.link);
  BusyGuard busy(rig.link);
  EXPECT_FALSE(c.Close());
  EXPECT_EQ(rig.wire.text(), "");
  EXPECT_TRUE(rig.wire.isOpen());
}

}  // namespace
}  // namespace zova
