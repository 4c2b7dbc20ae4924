// The recorder against the simulated controller running a script: every scripted change appears once, in
// order, within one interval of its time; a gap appears where another operation held the line; the
// trigger's capture holds the window around the scripted error.
#include <gtest/gtest.h>

#include "recorder/recorder.h"
#include "support/test_support.h"

namespace zova::recorder {
namespace {

using std::chrono::milliseconds;

TEST(Recorder, SeesTheScriptedChangesMarksGapsAndCapturesAroundTheError) {
  test::SimRig rig(2);
  std::vector<sim::ScriptEvent> script;
  ASSERT_FALSE(
      sim::ParseScript("0.5 in 3 on\n0.75 jog 1 + 20\n1 error 4 1\n1.25 stop\n1.5 in 3 off\n", script).failed());
  rig.controller.setScript(script);
  SignalSet set;
  std::string error;
  ASSERT_TRUE(ParseSignalList("in3,positions,error", 2, set, error));
  Trigger onError;
  ASSERT_TRUE(ParseTrigger("error", set, onError, error));
  Recorder recorder(
      rig.link, set,
      {.interval = milliseconds(50), .trigger = onError, .pre = milliseconds(300), .post = milliseconds(200)});
  const TimePoint t0 = rig.clock.now();
  rig.controller.advance(t0);  // the script counts from here
  while (rig.clock.now() - t0 < milliseconds(2000)) {
    const auto now = std::chrono::duration_cast<Micros>(rig.clock.now() - t0);
    rig.link.LinkBusy = now >= milliseconds(1600) && now < milliseconds(1800);  // a transfer's turn
    const Outcome o = recorder.turn(now);
    EXPECT_TRUE(o || o == Outcome::Busy) << o;
    rig.clock.advance(std::max<Duration>(recorder.nextDue() - now, milliseconds(1)));
  }
  rig.link.LinkBusy = false;
  std::vector<std::pair<Micros, std::string>> changes;  // every change of in3 and of the error, and the gaps
  Sample before;
  const SampleRing& ring = recorder.ring();
  for (std::size_t i = 0; i < ring.size(); ++i) {
    const Sample s = ring[i];
    if (s.gap) changes.emplace_back(s.at, "gap");
    if (s.gap) continue;
    if (s.inputs != before.inputs) changes.emplace_back(s.at, s.inputs ? "in3 on" : "in3 off");
    if (s.errorCode != before.errorCode) changes.emplace_back(s.at, "error " + std::to_string(s.errorCode));
    before = s;
  }
  const std::vector<std::pair<int, std::string>> scripted{
      {500, "in3 on"}, {1000, "error 4"}, {1500, "in3 off"}, {1600, "gap"}};
  ASSERT_EQ(changes.size(), scripted.size());
  for (std::size_t i = 0; i < changes.size(); ++i) {
    EXPECT_EQ(changes[i].second, scripted[i].second);
    EXPECT_GE(changes[i].first, milliseconds(scripted[i].first)) << changes[i].second;
    EXPECT_LT(changes[i].first, milliseconds(scripted[i].first + 50)) << changes[i].second;
  }
  // The axis moved between the jog and the stop, and the capture holds the window around the error.
  EXPECT_EQ(ring[ring.size() - 1].actual[0], 1000);  // 20 units a second for 0.5 s, in hundredths
  const std::vector<Capture> captures = recorder.takeCaptures();
  ASSERT_EQ(captures.size(), 1u);
  const Recording capture = CaptureRecording(ring, set, {}, captures[0]);
  EXPECT_EQ(capture.samples.front().at, captures[0].at - milliseconds(300));
  EXPECT_EQ(capture.samples.back().at, captures[0].at + milliseconds(200));
  EXPECT_EQ(recorder.samplesTaken(), ring.size() - 1);
}

}  // namespace
}  // namespace zova::recorder
