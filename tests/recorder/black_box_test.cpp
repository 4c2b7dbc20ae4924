// Triggers as the operator types them, when each fires, and the black box's window around the first one.
#include <gtest/gtest.h>

#include "recorder/black_box.h"
#include "support/language_guard.h"

namespace zova::recorder {
namespace {

using std::chrono::milliseconds;

SignalSet Chosen(const char* list) {
  SignalSet set;
  std::string error;
  EXPECT_TRUE(ParseSignalList(list, 2, set, error)) << error;
  return set;
}

TEST(Trigger, ReadsItsFormsAndFiresOnItsStep) {
  const test::LanguageGuard english(Language::English);
  const SignalSet set = Chosen("in3,out12,positions,error");
  Sample low, high;
  high.inputs = 1u << 3;
  high.outputs = 1u << 12;
  high.actual[0] = 1250;  // 12.50
  high.errorCode = 4;
  const struct {
    const char* text;
    const char* cause;  // empty: refused with `error`
    bool upFires, downFires;
    const char* error;
  } cases[] = {
      {"error", "error", true, false, ""},
      {"in3:rise", "in3-rise", true, false, ""},
      {"out12:fall", "out12-fall", false, true, ""},
      {"axis1:above:12.5", "axis1-above", true, false, ""},
      {"axis1:below:0", "axis1-below", false, true, ""},
      {"axis1:above:12.51", "axis1-above", false, false, ""},
      {"in4:rise", "", false, false, "in4:rise: the recording does not read in04 PAUSE"},
      {"axis3:above:1", "", false, false,
       "axis3:above:1: no such signal (error, in0 to in63, out0 to out63, axis1 to axis2)"},
      {"in3:above:1", "", false, false, "in3:above:1: not a trigger (error, in3:rise, out12:fall, axis1:above:12.5)"},
      {"axis1:rise", "", false, false, "axis1:rise: not a trigger (error, in3:rise, out12:fall, axis1:above:12.5)"},
      {"in3:rise:", "", false, false, "in3:rise:: not a trigger (error, in3:rise, out12:fall, axis1:above:12.5)"},
  };
  for (const auto& c : cases) {
    Trigger t;
    std::string error;
    EXPECT_EQ(std::tuple(ParseTrigger(c.text, set, t, error), error), std::tuple(*c.cause != 0, std::string(c.error)))
        << c.text;
    if (*c.cause == 0) continue;
    EXPECT_EQ(CauseName(t), c.cause);
    EXPECT_EQ(std::tuple(Fires(t, low, high), Fires(t, high, low)), std::tuple(c.upFires, c.downFires)) << c.text;
    EXPECT_FALSE(Fires(t, low, Sample{.gap = true})) << c.text;
  }
}

// Samples every 10 ms, the input rising at 100 ms: the capture keeps 30 ms before and 20 ms after; a second
// rise inside it starts nothing; a stop ends a capture under way at the last sample.
TEST(BlackBox, KeepsTheWindowAroundTheFirstTrigger) {
  const SignalSet set = Chosen("in3");
  Trigger rise;
  std::string error;
  ASSERT_TRUE(ParseTrigger("in3:rise", set, rise, error));
  BlackBox box(rise, milliseconds(30), milliseconds(20));
  SampleRing ring(set, 100);
  std::vector<Capture> captures;
  for (int ms = 0; ms <= 250; ms += 10) {
    const Sample s{.at = milliseconds(ms), .inputs = (ms == 100 || ms == 110 || ms >= 230) ? 8u : 0u};
    ring.push(s);
    if (auto c = box.feed(s)) captures.push_back(*c);
  }
  if (auto c = box.stop()) captures.push_back(*c);
  ASSERT_EQ(captures.size(), 2u);
  const Recording first = CaptureRecording(ring, set, {}, captures[0]);
  ASSERT_EQ(first.samples.size(), 6u);
  EXPECT_EQ(std::tuple(first.samples.front().at, first.samples.back().at),
            std::tuple(milliseconds(70), milliseconds(120)));
  EXPECT_EQ(std::tuple(captures[1].at, captures[1].to), std::tuple(milliseconds(230), milliseconds(250)));
  Utc start;
  ASSERT_TRUE(ParseUtc("2026-12-07T22:30:01.123Z", start));
  EXPECT_EQ(CaptureFileName(start, captures[0], FileForm::Vcd), "2026-12-07T223001.223Z-in3-rise.vcd");
}

}  // namespace
}  // namespace zova::recorder
