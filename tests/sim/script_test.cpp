// The simulator's script: its events reach the machine at their times, counted from the first turn, and a
// line that is not an event is refused by its number.
#include <gtest/gtest.h>

#include "sim/controller.h"
#include "support/language_guard.h"

namespace zova::sim {
namespace {

TEST(SimScript, EventsReachTheMachineAtTheirTimes) {
  std::vector<ScriptEvent> events;
  ASSERT_FALSE(
      ParseScript("# demo\n\n0.5 in 3 on\n1 jog 2 + 20\n1.5 stop\n2 error 4 -1\n2.25 in 3 off\n", events).failed());
  Controller c;
  c.machine.axes = 2;
  c.setScript(events);
  const TimePoint t0 = TimePoint{} + seconds(7);  // the first turn, not the clock's zero
  c.advance(t0);
  EXPECT_EQ(c.nextEvent(), t0 + milliseconds(500));
  auto at = [&](int ms) {
    c.advance(t0 + milliseconds(ms));
    c.machine.update(t0 + milliseconds(ms));
    return std::tuple(c.machine.input(3), c.machine.commandPosition(1), c.machine.errorCode,
                      c.machine.output(kOutError));
  };
  EXPECT_EQ(at(499), std::tuple(false, 0, 0, false));
  EXPECT_EQ(at(500), std::tuple(true, 0, 0, false));
  EXPECT_EQ(at(1250), std::tuple(true, 500, 0, false));  // 20 units a second for 0.25 s
  EXPECT_EQ(at(2100), std::tuple(true, 1000, 4, true));  // stopped at 1.5 s
  EXPECT_EQ(at(2250), std::tuple(false, 1000, 4, true));
  EXPECT_EQ(c.machine.errorValue, -1);
}

TEST(SimScript, ALineThatIsNotAnEventIsRefusedByLine) {
  const test::LanguageGuard english(Language::English);
  const std::string event = "not an event (in P on|off, jog AXIS +|- SPEED, stop, error CODE VALUE): ";
  const struct {
    const char* text;
    int line;
    std::string message;
  } cases[] = {
      {"1 in 64 on\n", 1, event + "1 in 64 on"},
      {"# x\n1 jog 7 + 1\n", 2, event + "1 jog 7 + 1"},
      {"1 in 3 yes\n", 1, event + "1 in 3 yes"},
      {"1 stop now\n", 1, event + "1 stop now"},
      {"1.0001 stop\n", 1, "1.0001: not a time in seconds such as 1.5"},
      {"-1 stop\n", 1, "-1: not a time in seconds such as 1.5"},
      {"2 stop\n1 stop\n", 2, "the time goes back"},
  };
  for (const auto& c : cases) {
    std::vector<ScriptEvent> events;
    const TextFault fault = ParseScript(c.text, events);
    EXPECT_EQ(std::tuple(fault.line, fault.message), std::tuple(c.line, c.message)) << c.text;
  }
}

}  // namespace
}  // namespace zova::sim
