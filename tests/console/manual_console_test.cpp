// Manual operation handlers: their guard, their bytes on the wire, their entries and their bounded waits.
#include <gtest/gtest.h>

#include "console/console_input.h"
#include "console_fixture.h"
#include "language/compiler.h"
#include "link/commands.h"

namespace zova {
namespace {

using test::ConsoleRig;
using test::Hex;

const std::string kPortClosed = "통신포트가 열려 있지 않습니다. 통신포트를 열고 다시 하십시오";

struct MoveRig : ConsoleRig {
  language::ProgramStore store;
  language::Compiler compiler{store, sim.ui.diagnostics(), language::LanguageConfig{4, 0}};
};

// Every handler that talks to the controller, as the window would call it: on a closed port it shows box 1,
// on a busy link it returns silently and the holder keeps the link; neither sends anything. A silent
// controller is waited for and reported once (no refresh waits again); a stop ends that wait without a word.
TEST(ManualConsole, ClosedPortBusyLinkOrSilentControllerEndTheActionAtOnce) {
  const struct {
    const char* name;
    Outcome (*call)(ConsoleRig&);
  } handlers[] = {
      {"AMP ON", [](ConsoleRig& r) { return r.console.SvonClick(0); }},
      {"ZR", [](ConsoleRig& r) { return r.console.ZrClick(); }},
      {"jog", [](ConsoleRig& r) { return r.console.JogPress(0, "10", "1"); }},
      {"SET", [](ConsoleRig& r) { return r.console.LocSetClick("1"); }},
      {"RUN", [](ConsoleRig& r) { return r.console.RunClick(0, "1"); }},
      {"output 8", [](ConsoleRig& r) { return r.console.OutputClick(8); }},
      {"output 3", [](ConsoleRig& r) { return r.console.OutputClick(3); }},
      {"positions", [](ConsoleRig& r) { return r.console.PositionsClick(); }},
      {"controller error", [](ConsoleRig& r) { return r.status.ControllerErrorClick(); }},
  };
  enum State { Closed, Busy, Silent, Stopped };
  const Outcome::Code results[] = {Outcome::PortClosed, Outcome::Busy, Outcome::LineDead, Outcome::Stopped};
  const std::vector<std::string> texts[] = {{kPortClosed}, {}, {"통신이 연결되지 않았습니다.", "통신이상 발생"}, {}};
  for (const auto& h : handlers) {
    for (State s : {Closed, Busy, Silent, Stopped}) {
      ConsoleRig r;
      s == Closed ? r.sim.wire.close() : (void)(r.sim.link.LinkBusy = s == Busy);
      r.sim.controller.faults.silenceAfter = 0;
      const TimePoint start = r.sim.clock.now();
      const Duration waited = s == Stopped ? seconds(10) : s == Silent ? r.sim.link.timeouts.handshake : seconds(0);
      r.sim.ui.cancelWhen = [&] { return s == Stopped && r.sim.clock.now() - start >= waited; };
      EXPECT_EQ(h.call(r).code, results[s]) << h.name << s;
      EXPECT_EQ(r.sim.ui.texts(), texts[s]) << h.name << s;
      EXPECT_EQ(r.sim.wire.text().empty(), s < Silent) << h.name << s;
      EXPECT_EQ(r.sim.link.LinkBusy, s == Busy) << h.name << s;
      EXPECT_LT(r.sim.clock.now() - start, waited + seconds(1)) << h.name << s;
    }
  }
}

TEST(ManualConsole, ServoOnPausesThenRefreshesOutputsServoOffDoesNot) {
  ConsoleRig r;
  const TimePoint before = r.sim.clock.now();
  EXPECT_EQ(r.console.SvonClick(0), Outcome::Ok);
  EXPECT_EQ(r.sim.wire.text(),
            "> 01 < 06 > 17 < 17 > 00 00 00 00 02 < 16 > 01 < 06 > 1C < 1C 0C 00 00 00 00 00 00 00 F4 03 > 04");
  EXPECT_GE(r.sim.clock.now() - before, milliseconds(100));
  EXPECT_EQ(r.display.output[2], 1) << "SERVO ON";
  EXPECT_EQ(r.display.enabledLog, (std::vector<std::string>{"ServoOn off", "ServoOn on"}));

  const TimePoint offAt = r.sim.clock.now();
  EXPECT_EQ(r.console.SvonClick(1), Outcome::Ok);
  EXPECT_LT(r.sim.clock.now() - offAt, milliseconds(100)) << "servo off has no pause";
  EXPECT_EQ(r.countOf(cmd::kServoOff), 1);
}

// An action the controller does not take shows box 0 and gives its button back; nothing waits for it
// (no jog left active for the release to stop, no ZR polling, no RUN timer).
TEST(ManualConsole, AnActionThatFailsToStartWaitsForNothing) {
  const struct {
    const char* name;
    bool sim::Faults::*fault;
    int onlyCommand;
    Outcome (*call)(MoveRig&);
    const char* enabled;  // the last control switched on
  } cases[] = {
      {"servo on", &sim::Faults::wrongEcho, cmd::kServoOn, [](MoveRig& r) { return r.console.SvonClick(0); },
       "ServoOn on"},
      {"jog", &sim::Faults::wrongEcho, -1,
       [](MoveRig& r) { return r.console.JogPress(console::kJogPositive, "10", "1"); }, "JogPositive on"},
      {"zero return", &sim::Faults::dleForSyn, cmd::kZeroReturn, [](MoveRig& r) { return r.console.ZrClick(); },
       "ZeroReturn on"},
      {"run", &sim::Faults::dleForSyn, -1, [](MoveRig& r) { return r.console.RunClick(console::kRunStart, "1"); },
       nullptr},
      {"move", &sim::Faults::refuseBlocks, -1,
       [](MoveRig& r) { return r.console.MovClick(r.compiler, "MVE P000", "10", "50"); }, nullptr},
  };
  for (const auto& c : cases) {
    MoveRig r;
    r.sim.controller.faults.*c.fault = true;
    r.sim.controller.faults.onlyCommand = c.onlyCommand;
    EXPECT_TRUE(c.call(r).linkFailed()) << c.name;
    EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"}) << c.name;
    if (c.enabled != nullptr) {
      EXPECT_EQ(r.display.enabledLog.back(), c.enabled) << c.name;
    }
    if (std::string(c.name) == "zero return") {
      EXPECT_EQ(r.countOf(cmd::kReadOutputs), 1) << "the refresh, and no polling";
    }
    EXPECT_EQ(std::tuple(r.console.JogActive, r.console.RunActive, r.status.Polling()), std::tuple(0, 0, false))
        << c.name;
    for (console::Available k :
         {console::Available::RunProgram, console::Available::ServoOn, console::Available::ServoOff}) {
      EXPECT_TRUE(r.status.Offers.available(k));
    }
  }
}

TEST(ManualConsole, AxisStepWrapsForwardAndStopsBackward) {
  struct Case {
    int axes, from, index, to;
  } cases[] = {
      {4, 4, 0, 1}, {4, 1, 0, 2}, {4, 3, 0, 4}, {4, 1, 1, 1}, {4, 4, 1, 3}, {2, 2, 0, 1}, {6, 6, 0, 1},
  };
  for (const auto& c : cases) {
    ConsoleRig r(c.axes);
    r.console.AxisSel = c.from;
    r.console.AxisSelClick(c.index);
    EXPECT_EQ(r.console.AxisSel, c.to) << c.axes << " axes, from " << c.from << " index " << c.index;
    EXPECT_EQ(r.display.axisSel, std::to_string(c.to));
  }
}

TEST(ManualConsole, JogAxis3NegativeAtSpeed10) {
  ConsoleRig r;
  EXPECT_EQ(r.console.JogPress(console::kJogNegative, "10", "3"), Outcome::Ok);
  EXPECT_EQ(r.sim.wire.text(), "> 01 < 06 > 27 < 27 > 0A 02 00 02 < 16");
  EXPECT_EQ(r.console.JogActive, 1);
  EXPECT_EQ(r.display.enabledLog, (std::vector<std::string>{"JogNegative off", "JogNegative on"}));
  EXPECT_EQ(r.console.JogPress(console::kJogNegative, "10", "3"), Outcome::Busy) << "one jog at a time";
  EXPECT_EQ(r.countOf(cmd::kJogStart), 1);

  ConsoleRig edge;
  EXPECT_EQ(edge.console.JogPress(console::kJogPositive, "255", "4"), Outcome::Ok);
  EXPECT_EQ(Hex(edge.sim.wire.sent()), "01 27 FF 03 01 02") << "speed 255, axis index 3, positive";
  ConsoleRig slowest;
  EXPECT_EQ(slowest.console.JogPress(console::kJogPositive, " 0 ", "1\t"), Outcome::Ok)
      << "0 is a jog speed too, and blanks around an entry are no part of it";
}

TEST(ManualConsole, JogReleaseStopsWaitsForRestAndShowsPositions) {
  ConsoleRig r(3);
  ASSERT_EQ(r.console.JogPress(console::kJogPositive, "10", "2"), Outcome::Ok);
  r.sim.clock.advance(milliseconds(1500));
  r.sim.wire.clear();
  EXPECT_EQ(r.console.JogRelease(console::kJogPositive), Outcome::Ok);
  EXPECT_EQ(r.sim.wire.text().substr(0, 4), "> 18");
  const auto& log = r.commands();
  EXPECT_EQ(std::vector<std::uint8_t>(log.end() - 2, log.end()),
            (std::vector<std::uint8_t>{cmd::kReadCommandPositions, cmd::kReadActualPositions}));
  EXPECT_EQ(std::tuple(r.console.CommandPos[1], r.display.positions[1].first, r.display.positions[1].second,
                       r.display.positions[0].first, r.console.JogActive),
            std::tuple(1500, "15.00", "15.00", "0.00", 0))
      << "speed 10 is 10 units a second";
}

TEST(ManualConsole, ReleaseWhileAnotherExchangeHoldsTheLinkStillStopsTheAxis) {
  ConsoleRig r;
  ASSERT_EQ(r.console.JogPress(console::kJogPositive, "10", "1"), Outcome::Ok);
  r.sim.wire.clear();
  r.sim.link.LinkBusy = true;
  EXPECT_EQ(r.console.JogRelease(console::kJogPositive), Outcome::Busy);
  EXPECT_EQ(r.sim.wire.text(), "> 18") << "the stop, and nothing that would cut into the other exchange";
  EXPECT_TRUE(r.sim.link.LinkBusy);
}

// A quick click lets go while the press is still waiting for the controller (the window's event loop runs
// meanwhile): the release must not be lost, or the axis runs on.
TEST(ManualConsole, ReleaseDuringThePressStopsTheAxisOnceThePressIsAnswered) {
  ConsoleRig r;
  std::vector<Outcome::Code> released;
  r.sim.ui.onYield = [&] {
    if (released.empty()) released.push_back(r.console.JogRelease(console::kJogPositive).code);
  };
  EXPECT_EQ(r.console.JogPress(console::kJogPositive, "10", "1"), Outcome::Ok);
  EXPECT_EQ(released, std::vector<Outcome::Code>{Outcome::Busy}) << "nothing can go out during the press";
  EXPECT_EQ(r.sim.wire.text().substr(0, 46), "> 01 < 06 > 27 < 27 > 0A 00 01 02 < 16 > 18 01");
  EXPECT_EQ(std::tuple(r.console.JogActive, r.sim.controller.machine.sensorWord(0) & kSensorAtRest,
                       r.countOf(cmd::kReadActualPositions)),
            std::tuple(0, kSensorAtRest, 1))
      << "stopped, at rest, positions shown";
}

TEST(ManualConsole, AnAxisThatNeverRestsEndsTheWaitAtTheBound) {
  ConsoleRig r;
  r.sim.controller.setBaud(9600);  // reads take line time, so the bound is reached
  r.sim.controller.machine.restBlocked[0] = true;
  ASSERT_EQ(r.console.JogPress(console::kJogPositive, "5", "1"), Outcome::Ok);
  const TimePoint start = r.sim.clock.now();
  EXPECT_EQ(r.console.JogRelease(console::kJogPositive), Outcome::TimedOut);
  EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{console::RestTimeoutMessage(r.console.limits.comeToRest)});
  EXPECT_GE(r.sim.clock.now() - start, r.console.limits.comeToRest);
  EXPECT_LT(r.sim.clock.now() - start, r.console.limits.comeToRest + seconds(2));
  EXPECT_EQ(r.countOf(cmd::kReadCommandPositions), 0);
}

TEST(ManualConsole, ZeroReturnWaitsForTheZrOutput) {
  ConsoleRig r;
  const TimePoint start = r.sim.clock.now();
  EXPECT_EQ(r.console.ZrClick(), Outcome::Ok);
  EXPECT_GE(r.sim.clock.now() - start, r.sim.controller.machine.zeroReturnTime);
  EXPECT_EQ(r.display.output[7], 1);
  EXPECT_GE(r.countOf(cmd::kReadOutputs), 3) << "polled while it ran, then shown";
}

TEST(ManualConsole, ZeroReturnThatNeverEndsIsReportedAtTheBound) {
  ConsoleRig r;
  r.sim.controller.machine.zeroReturnTime = std::chrono::hours(1);
  const TimePoint start = r.sim.clock.now();
  EXPECT_EQ(r.console.ZrClick(), Outcome::TimedOut);
  EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{console::ZeroReturnTimeoutMessage(r.console.limits.zeroReturn)});
  EXPECT_EQ(console::ZeroReturnTimeoutMessage(seconds(180)), "원점복귀가 180초 안에 끝나지 않았습니다.");
  EXPECT_GE(r.sim.clock.now() - start, r.console.limits.zeroReturn);
  EXPECT_LT(r.sim.clock.now() - start, r.console.limits.zeroReturn + seconds(1));
}

TEST(ManualConsole, ZeroReturnGivenUpStopsTheAxesAndWaitsForRest) {
  ConsoleRig r;
  r.sim.controller.machine.zeroReturnTime = std::chrono::hours(1);
  r.sim.ui.cancelWhen = [] { return true; };
  EXPECT_EQ(r.console.ZrClick(), Outcome::Cancelled);
  EXPECT_NE(r.sim.wire.text().find("> 04 18 01 < 06 > 28"), std::string::npos)
      << "CAN, then the sensors: " << r.sim.wire.text();
  EXPECT_EQ(r.sim.controller.machine.sensorWord(0) & kSensorAtRest, kSensorAtRest);
  EXPECT_TRUE(r.sim.ui.texts().empty());
}

TEST(ManualConsole, OutputClicks) {
  ConsoleRig r;
  EXPECT_EQ(r.console.OutputClick(8), Outcome::Ok);
  EXPECT_EQ(std::tuple(r.sim.controller.machine.output(8), r.status.OutputState[8]), std::tuple(true, 1))
      << "refreshed";
  EXPECT_EQ(r.console.OutputClick(8), Outcome::Ok) << "on: the click switches it off";
  EXPECT_FALSE(r.sim.controller.machine.output(8));

  for (const Outcome& beyond :
       {r.console.OutputClick(-1), r.console.OutputClick(64), r.console.SwitchOutput(64, true)}) {
    EXPECT_EQ(beyond, Outcome::Refused);
  }

  // A system output (0, the first of them): the mark goes back, only the refresh goes out.
  ConsoleRig s;
  s.sim.controller.machine.outputs[0] = 0x01;
  s.status.OutputState[0] = 1;
  s.display.onOutputSet = [&](int point) {
    if (point == 0) {
      EXPECT_EQ(s.display.output[0], 1);
    }
  };
  EXPECT_EQ(s.console.OutputClick(0), Outcome::Ok);
  EXPECT_EQ(std::tuple(s.commands(), s.display.output[0]), std::tuple(std::vector<std::uint8_t>{cmd::kReadOutputs}, 1));
}

TEST(ManualConsole, ProgramNumberEntry) {
  struct Case {
    const char* typed;
    const char* kept;
    std::vector<std::string> messages;
  } cases[] = {
      {"32", "0", {std::string(console::kMsgProgramRange)}},
      {"-1", "0", {std::string(console::kMsgProgramRange)}},
      {"abc", "0", {std::string(console::kMsgNotNumeric)}},
      {"", "", {}},
      {"0", "0", {}},
      {"31", "31", {}},
  };
  for (const auto& c : cases) {
    ConsoleRig r;
    EXPECT_EQ(r.console.RunPrgNoChanged(c.typed), c.kept) << c.typed;
    EXPECT_EQ(r.sim.ui.texts(), c.messages) << c.typed;
  }
  EXPECT_EQ(std::string(console::kMsgNotNumeric), " 숫자를 입력하십시요");
}

TEST(ManualConsole, RunStopAndReset) {
  ConsoleRig r(2);
  EXPECT_EQ(r.console.RunClick(console::kRunStart, "5"), Outcome::Ok);
  EXPECT_EQ(std::tuple(r.sim.wire.text(), r.console.RunActive, r.status.Polling()),
            std::tuple("> 01 < 06 > 15 < 15 > 05 00 00 00 02 < 16", 1, true));
  for (console::Available a :
       {console::Available::RunProgram, console::Available::ServoOn, console::Available::ServoOff}) {
    EXPECT_FALSE(r.status.Offers.available(a));
  }

  r.sim.clock.advance(seconds(2));
  r.sim.wire.clear();
  EXPECT_EQ(r.console.RunClick(console::kRunStop, "5"), Outcome::Ok);
  EXPECT_EQ(std::tuple(r.sim.wire.text().substr(0, 4), r.sim.controller.machine.running(), r.display.output[4],
                       r.console.RunActive, r.status.Polling()),
            std::tuple("> 18", false, 0, 0, false))
      << "output 4 (RUN) cleared by the refresh after the stop";
  for (console::Available a : {console::Available::RunProgram, console::Available::ServoOn,
                               console::Available::ServoOff, console::Available::StopProgram}) {
    EXPECT_TRUE(r.status.Offers.available(a)) << static_cast<int>(a);
  }
  EXPECT_EQ(r.console.CommandPos[0], r.sim.controller.machine.commandPosition(0));
  EXPECT_GT(r.console.CommandPos[0], 0);

  r.sim.wire.clear();
  EXPECT_EQ(r.console.RunClick(console::kRunReset, "5"), Outcome::Ok);
  for (int index : {console::kRunStart - 1, console::kRunReset + 1})
    EXPECT_EQ(r.console.RunClick(index, "5"), Outcome::Refused);
  EXPECT_EQ(r.sim.wire.text().substr(0, 4), "> 10");
}

TEST(ManualConsole, StoreLocationSendsOneOperandAndTheCommandPositions) {
  ConsoleRig r(3);
  r.console.CommandPos = {1500, -1, 256, 0, 0, 0, 0};
  EXPECT_EQ(r.console.LocSetClick("7"), Outcome::Ok);
  EXPECT_EQ(r.sim.wire.text(),
            "> 01 < 06 > 04 < 04 > 07 00 00 00 02 < 16 > DC 05 00 00 FF FF FF FF 00 01 00 00 22 03 < 04");
  ConsoleRig last;
  EXPECT_EQ(last.console.LocSetClick("2500"), Outcome::Ok);
  const auto sent = last.sim.wire.sent();
  EXPECT_EQ(Hex({sent.begin() + 2, sent.begin() + 6}), "C4 09 00 00");
}

TEST(ManualConsole, MoveSendsSpeedAccelerationAndWord1) {
  MoveRig r;
  EXPECT_EQ(r.console.MovClick(r.compiler, "MVE P000", "10", "50"), Outcome::Ok);
  const auto sent = r.sim.wire.sent();
  // Handshake (2 bytes), the operand 10 closed by STX (5), then the block: speed 10, acceleration 50.
  ASSERT_GE(sent.size(), 19u);
  EXPECT_EQ(Hex({sent.begin() + 2, sent.begin() + 13}), "0A 00 00 00 02 0A 00 32 00 00 00");
  ASSERT_EQ(r.sim.controller.machine.moves.size(), 1u);
  EXPECT_EQ(r.sim.controller.machine.moves[0].word1, r.store.image[0]) << "word 1 of the record is word 0 of the image";
  EXPECT_TRUE(r.sim.ui.messages.empty());
}

// Entries the console refuses itself: one message, nothing on the wire, the link free, no jog running.
TEST(ManualConsole, WrongEntriesAreRefusedBeforeSending) {
  const std::string jogSpeed(console::kMsgJogSpeedRange), loc(console::kMsgLocRange),
      moveSpeed(console::kMsgMoveSpeedRange), moveAccel(console::kMsgMoveAccelRange),
      program(console::kMsgProgramRange), notNumeric(console::kMsgNotNumeric), axis = console::AxisRangeMessage(4);
  struct Case {
    char handler;  // j: jog (speed, axis), l: SET (location), r: RUN (program), m: move (instruction, speed, accel)
    const char* a;
    const char* b;
    const char* c;
    std::string message;
  } cases[] = {
      {'j', "256", "1", "", jogSpeed},
      {'j', "-1", "1", "", jogSpeed},
      {'j', "abc", "1", "", jogSpeed},
      {'j', "10", "0", "", axis},
      {'j', "10", "5", "", axis},
      {'l', "2501", "", "", loc},
      {'l', "-1", "", "", loc},
      {'l', "", "", "", loc},
      {'r', "32", "", "", program},
      {'r', "-1", "", "", program},
      {'r', "abc", "", "", notNumeric},
      {'m', "XYZ 1", "10", "50", "해당 명령어가 없습니다"},
      {'m', "MVE P000", "0", "50", moveSpeed},
      {'m', "MVE P000", "101", "50", moveSpeed},
      {'m', "MVE P000", "10", "25001", moveAccel},
      {'m', "MVE P000", "10", "-1", moveAccel},
  };
  for (const Case& c : cases) {
    MoveRig r;
    const Outcome result = c.handler == 'j'   ? r.console.JogPress(console::kJogPositive, c.a, c.b)
                           : c.handler == 'l' ? r.console.LocSetClick(c.a)
                           : c.handler == 'r' ? r.console.RunClick(console::kRunStart, c.a)
                                              : r.console.MovClick(r.compiler, c.a, c.b, c.c);
    const std::string what = std::string(1, c.handler) + " " + c.a + " " + c.b + " " + c.c;
    EXPECT_EQ(std::tuple(result.code, r.sim.ui.texts(), r.sim.wire.text(), r.console.JogActive, r.console.RunActive),
              std::tuple(Outcome::Refused, std::vector<std::string>{c.message}, "", 0, 0))
        << what;
  }
}

}  // namespace
}  // namespace zova
