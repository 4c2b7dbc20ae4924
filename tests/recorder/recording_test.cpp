// Recordings: the operator's list of signals, the bounded ring, and the CSV and VCD files, written in their
// exact form, read back equal, and refused by line when they are not of that form.
#include <gtest/gtest.h>

#include "recorder/recording_file.h"
#include "recorder/sample_ring.h"
#include "support/language_guard.h"

namespace zova::recorder {
namespace {

using std::chrono::milliseconds;

std::vector<std::string> Names(const SignalSet& set) {
  std::vector<std::string> names;
  for (Signal s : set.list) names.push_back(SignalName(s));
  return names;
}

SignalSet Chosen(const char* list, int axes) {
  SignalSet set;
  std::string error;
  EXPECT_TRUE(ParseSignalList(list, axes, set, error)) << error;
  return set;
}

TEST(SignalList, NamesEachChosenSignalOnceInFileOrder) {
  const test::LanguageGuard english(Language::English);
  EXPECT_EQ(Chosen("", 2).list.size(), 64u + 64u + 2u + 4u + 2u);
  SignalSet set;
  std::string error;
  const struct {
    const char* list;
    std::vector<std::string> names;  // empty: refused with `error`
    const char* error;
  } cases[] = {
      {"out10, in3,in3", {"in03 RUN/STOP", "out10 UOUT 03"}, ""},
      {"in7-11,error",
       {"in07 SVON/OFF", "in08 INT 01", "in09 INT 02", "in10 INT 03", "in11 PSEL 01", "error code", "error value"},
       ""},
      {"in63,out63,positions",
       {"in63 UIN 48", "out63 UOUT 56", "axis1 command", "axis2 command", "axis1 actual", "axis2 actual"},
       ""},
      {"sensors,out0", {"out00 ERROR", "axis1 sensor", "axis2 sensor"}, ""},
      {"in64", {}, "in64: no such point (0 to 63)"},
      {"out5-3", {}, "out5-3: no such point (0 to 63)"},
      {"in,,out", {}, ": not a signal (in, out, in0-15, out10, sensors, positions, error)"},
      {"axis1", {}, "axis1: not a signal (in, out, in0-15, out10, sensors, positions, error)"},
  };
  for (const auto& c : cases) {
    error.clear();
    const bool ok = ParseSignalList(c.list, 2, set, error);
    EXPECT_EQ(std::tuple(ok, error), std::tuple(!c.names.empty(), std::string(c.error))) << c.list;
    if (!ok) continue;
    EXPECT_EQ(Names(set), c.names) << c.list;
  }
}

// Capacity 3 keeps the last three; every group survives the packing; a window is found by time.
TEST(SampleRing, KeepsTheNewestPackedAndFindsAWindow) {
  SampleRing ring(AllSignals(6), 3);
  for (int i = 0; i < 5; ++i) {
    Sample s{.at = milliseconds(10 * i), .gap = i == 3, .inputs = 1ull << 63 | unsigned(i), .outputs = ~0ull};
    s.sensors[5] = 0xFFFFFFFFu;
    s.command[0] = -i;
    s.actual[5] = INT32_MIN;
    s.errorCode = i;
    s.errorValue = -1;
    ring.push(s);
    EXPECT_EQ(ring[ring.size() - 1], s) << i;
  }
  ASSERT_EQ(ring.size(), 3u);
  EXPECT_EQ(ring[0].at, milliseconds(20));
  EXPECT_TRUE(ring[1].gap);
  const std::vector<Sample> window = ring.window(milliseconds(25), milliseconds(30));
  ASSERT_EQ(window.size(), 1u);
  EXPECT_EQ(window[0].at, milliseconds(30));
  // Eight hours of inputs and outputs at 50 samples a second: 24 bytes a sample.
  SampleRing eightHours(Chosen("in,out", 4), SampleRing::CapacityFor(std::chrono::hours(8), milliseconds(20)));
  EXPECT_EQ(eightHours.capacity(), 1'440'000u);
  EXPECT_LE(eightHours.memoryBytes(), 34'560'000u);
}

Recording Example() {
  Recording r;
  r.set = Chosen("in0,out10,sensors,positions,error", 1);
  ParseUtc("2026-12-07T22:30:01.123Z", r.start);
  Sample first{.at = Micros(0), .inputs = 1, .outputs = 0};
  first.command[0] = -12345;
  first.actual[0] = 5;
  first.sensors[0] = 0x100;
  Sample second = first;
  second.at = Micros(20'000);
  second.outputs = 1ull << 10;
  second.errorCode = -2;
  second.errorValue = 7;
  r.samples = {first, second, Sample{.at = Micros(45'000), .gap = true}, second};
  r.samples[3].at = Micros(1'000'000);
  return r;
}

TEST(RecordingFiles, WriteTheirExactFormsAndReadBackEqual) {
  const Recording r = Example();
  EXPECT_EQ(CsvText(r),
            "time,in00 E-STOP,out10 UOUT 03,axis1 sensor,axis1 command,axis1 actual,error code,error value\r\n"
            "2026-12-07T22:30:01.123Z,1,0,256,-123.45,0.05,0,0\r\n"
            "2026-12-07T22:30:01.143Z,1,1,256,-123.45,0.05,-2,7\r\n"
            "2026-12-07T22:30:01.168Z,,,,,,,\r\n"
            "2026-12-07T22:30:02.123Z,1,1,256,-123.45,0.05,-2,7\r\n");
  const std::string vcd = VcdText(r, "9.9");
  EXPECT_EQ(vcd.substr(vcd.find("$var")),
            "$var wire 1 ! sampling $end\n$var wire 1 \" in00_E-STOP $end\n$var wire 1 # out10_UOUT_03 $end\n"
            "$var wire 32 $ axis1_sensor $end\n$var real 64 % axis1_command $end\n$var real 64 & axis1_actual $end\n"
            "$var wire 32 ' error_code $end\n$var wire 32 ( error_value $end\n$upscope $end\n$enddefinitions $end\n"
            "#0\n1!\n1\"\n0#\nb100000000 $\nr-123.45 %\nr0.05 &\nb0 '\nb0 (\n"
            "#20000\n1#\nb11111111111111111111111111111110 '\nb111 (\n#45000\n0!\n#1000000\n1!\n");
  for (const std::string& text : {CsvText(r), vcd}) {
    Recording back;
    ASSERT_FALSE(ReadRecordingText(text, back).failed()) << text;
    EXPECT_EQ(UtcText(back.start), UtcText(r.start));
    EXPECT_EQ(Names(back.set), Names(r.set));
    EXPECT_EQ(back.samples, r.samples);
  }
}

TEST(RecordingFiles, RefuseWhatIsNotTheirFormByLine) {
  const test::LanguageGuard english(Language::English);
  const std::string header = "time,in00 E-STOP,axis1 command\n";
  const std::string vcd =
      "$date 2026-12-07T22:30:01.123Z $end\n$timescale 1 us $end\n$var wire 1 ! sampling $end\n"
      "$var wire 1 \" in00_E-STOP $end\n$enddefinitions $end\n";
  const struct {
    std::string text;
    int line;
    std::string message;
  } cases[] = {
      {"when,in00 E-STOP\n", 1, "the header does not start with \"time\""},
      {"time,in00 E-STOP,in00 E-STOP\n", 1, "in00 E-STOP is named twice"},
      {"time,in00 STOP\n", 1, "in00 STOP: not a signal of this program"},
      {header + "2026-12-07T22:30:01.123Z,1\n", 2, "2 fields where the header names 3"},
      {header + "2026-12-07 22:30:01,1,0\n", 2, "2026-12-07 22:30:01: not a UTC time such as 2026-12-07T22:30:01.123Z"},
      {header + "2026-12-07T22:30:01.123Z,2,0\n", 2, "in00 E-STOP: 2 is not 0 or 1"},
      {header + "2026-12-07T22:30:01.123Z,1,1.005\n", 2, "axis1 command: 1.005 has more than 2 decimals"},
      {header + "2026-12-07T22:30:01.123Z,1,0\n2026-12-07T22:30:01.122Z,1,0\n", 3, "the time goes back"},
      {header + "2026-12-07T22:30:01.123Z,1,0\x01\n", 2,
       "axis1 command: 0\x01 is not a decimal number such as 12.00 or -0.05"},
      {"$date 2026-12-07T22:30:01.123Z $end\n$timescale 1 ns $end\n", 2, "the time scale is not 1 us"},
      {"$date 2026-12-07T22:30:01.123Z $end\n$var wire 1 ! clk $end\n", 2, "clk: not a signal of this program"},
      {"$date 2026-12-07T22:30:01.123Z $end\n$var wire 8 ! in00_E-STOP $end\n", 2,
       "in00_E-STOP is not a wire of 1 bits"},
      {vcd + "1\"\n", 6, "a value before the first time"},
      {vcd + "#0\n1$\n", 7, "$: no signal has this identifier"},
      {vcd + "#5\n#4\n", 7, "the time goes back"},
      {vcd + "#0\nb1 \"\n", 7, "in00 E-STOP: b1 is not a value of this signal"},
  };
  for (const auto& c : cases) {
    Recording r;
    const TextFault fault = ReadRecordingText(c.text, r);
    EXPECT_EQ(std::tuple(fault.line, fault.message), std::tuple(c.line, c.message)) << c.text;
  }
}

}  // namespace
}  // namespace zova::recorder
