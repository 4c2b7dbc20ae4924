// Opening with the link check and closing with the close-link command.
#include <gtest/gtest.h>

#include "link/connection.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::ScriptedPort;

// A late DC1 after other bytes still counts: the last byte delivered decides. A wrong answer leaves the port
// closed (silence is the link check's own case).
TEST(Connection, OpensOnlyWhenTheControllerAnswersDc1) {
  for (std::uint8_t answer : {DC1, std::uint8_t{0x06}}) {
    FakeClock clock;
    ScriptedPort port(clock);
    port.close();
    port.queue({0x33, 0x44});  // stale bytes from before
    port.react = [answer](std::uint8_t b, ScriptedPort& p) {
      if (b == ENQ) p.queue({0x77, answer});
    };
    RecordingUi ui;
    Link link(port, ui, clock);
    Connection c(link);
    int opened = 0;
    c.onOpened = [&] {
      EXPECT_TRUE(link.LinkBusy) << "the refresh runs while the link is held";
      ++opened;
    };
    EXPECT_EQ(c.Open(), answer == DC1) << int(answer);
    EXPECT_EQ(std::tuple(port.isOpen(), opened, link.LinkBusy),
              std::tuple(answer == DC1, answer == DC1 ? 1 : 0, false));
    EXPECT_EQ(ui.texts(),
              answer == DC1 ? std::vector<std::string>{} : std::vector<std::string>{"통신이 연결되지 않았습니다."});
    if (answer != DC1) continue;
    EXPECT_FALSE(link.DataAvailable());
    EXPECT_TRUE(c.Open()) << "already open: nothing happens";
    EXPECT_EQ(opened, 1);
  }
}

TEST(Connection, APortThatCannotOpenIsNamedAndStaysClosed) {
  FakeClock clock;
  ScriptedPort port(clock);
  port.close();
  port.openError = "Open(COM9) failed";
  RecordingUi ui;
  Link link(port, ui, clock);
  Connection c(link);
  EXPECT_FALSE(c.Open());
  EXPECT_EQ(std::tuple(port.isOpen(), port.written.size(), ui.texts()),
            std::tuple(false, 0u, std::vector<std::string>{"Open(COM9) failed"}));
}

// Close says goodbye and closes only after the echo; while an exchange holds the link it does nothing.
TEST(Connection, CloseSaysGoodbyeAndClosesOnlyAfterTheEcho) {
  test::SimRig rig;
  Connection c(rig.link);
  {
    BusyGuard busy(rig.link);
    EXPECT_FALSE(c.Close());
    EXPECT_EQ(rig.wire.text(), "");
  }
  EXPECT_TRUE(c.Close());
  EXPECT_EQ(std::tuple(rig.wire.text(), rig.wire.isOpen()), std::tuple("> 01 < 06 > 24 < 24", false));

  test::SimRig wrong;
  wrong.controller.faults.wrongEcho = true;
  Connection c2(wrong.link);
  EXPECT_FALSE(c2.Close());
  EXPECT_TRUE(wrong.wire.isOpen()) << "no echo: the port stays open";
}

}  // namespace
}  // namespace zova
