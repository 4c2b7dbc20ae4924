// The line monitor's record: its bound, pause and clear, the trace form it saves, and which echo
// completes a handshake.
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "link/line_record.h"
#include "link/switchable_port.h"
#include "link/trace_port.h"
#include "support/language_guard.h"
#include "support/test_support.h"

namespace zova {
namespace {

TEST(LineRecord, KeepsTheLastBytesUnlessPausedOrCleared) {
  FakeClock clock;
  LineRecord r(clock, 4);
  const std::uint8_t a[] = {1, 2, 3};
  const std::uint8_t b[] = {4, 5, 6};
  r.sent(a, 3);
  r.received(b, 3);
  ASSERT_EQ(r.size(), 4U);
  EXPECT_EQ(std::tuple(r[0].value, r[3].value, r.recorded()), std::tuple(3, 6, 6U));
  r.setPaused(true);
  r.sent(a, 3);
  EXPECT_EQ(r.recorded(), 6U);
  r.clear();
  EXPECT_EQ(std::tuple(r.size(), r.recorded()), std::tuple(0U, 0U));
}

// Saved, the record reads as zovactl --trace writes the same traffic.
TEST(LineRecord, SavesWhatTheTraceWrites) {
  FakeClock clock;
  test::ScriptedPort device(clock);
  std::FILE* file = std::tmpfile();
  ASSERT_NE(file, nullptr);
  SwitchablePort port;
  port.set(std::make_unique<TracePort>(device, file, clock));
  LineRecord record(clock, 100);
  port.setTap(&record);
  const std::uint8_t handshake[] = {0x01};
  const std::uint8_t operands[] = {0x00, 0x00, 0x00, 0x00, 0x02};
  std::uint8_t in[8];
  port.write(handshake, 1);
  clock.advance(milliseconds(3));
  device.queue({0x06, 0x17});
  (void)port.read(in, sizeof in);
  clock.advance(std::chrono::microseconds(1500));
  port.write(operands, sizeof operands);
  port.setTap(nullptr);
  port.write(handshake, 1);  // unseen once the tap is gone

  std::rewind(file);
  std::string trace;
  char line[256];
  while (std::fgets(line, sizeof line, file) != nullptr) {
    if (line[0] != '#') trace += line;
  }
  std::fclose(file);
  const std::string expected =
      "  0.000000 > 01\n"
      "  0.003000 < 06 17\n"
      "  0.004500 > 00 00 00 00 02\n";
  EXPECT_EQ(std::tuple(record.traceText(), trace), std::tuple(expected, expected + "  0.004500 > 01\n"));
}

#ifdef __linux__
// A trace that cannot be written fails the open before a byte goes out (a full device); one that fills up
// later (a disk full mid-run) lets the exchange go on and says why once close() has written what it held.
TEST(TracePort, ATraceThatCannotBeWrittenSaysWhy) {
  const test::LanguageGuard english(Language::English);  // it checks the English texts
  struct Case {
    const char* what;
    bool openOk;
    std::size_t sentBytes;
  } cases[] = {{"/dev/full", false, 0}, {"a 40-byte buffer", true, 9}};
  for (const Case& c : cases) {
    FakeClock clock;
    test::ScriptedPort device(clock);
    char room[40];
    std::FILE* file = c.openOk ? fmemopen(room, sizeof room, "w") : std::fopen(c.what, "w");
    ASSERT_NE(file, nullptr) << c.what;
    TracePort port(device, file, clock, "T");
    std::string error;
    EXPECT_EQ(port.open(error), c.openOk) << c.what;
    const std::uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    if (c.openOk) {
      EXPECT_EQ(port.fault(), "") << "the open line fits";
      EXPECT_TRUE(port.write(bytes, sizeof bytes));
      port.close();
    }
    EXPECT_EQ(device.written.size(), c.sentBytes) << c.what;
    EXPECT_TRUE(port.fault().starts_with("cannot write the trace T: ")) << port.fault();
    std::fclose(file);
  }
}
#endif

// A handshake is SOH, any answer, the code and its echo back to back; only that echo names the command.
TEST(LineRecord, NamesTheCommandOnlyOnAHandshakesEcho) {
  struct Step {
    bool sent;
    std::uint8_t value;
  };
  struct Case {
    const char* what;
    std::vector<Step> steps;
    const char* lastLabel;
  } cases[] = {
      {"code 2 echoed is the command, not STX",
       {{true, 0x01}, {false, 0x00}, {true, 0x02}, {false, 0x02}},
       "2 send program"},
      {"a wrong echo", {{true, 0x01}, {false, 0x06}, {true, 0x17}, {false, 0x18}}, "CAN"},
      {"a data byte 01 before a flash acknowledgement",
       {{true, 0x01}, {false, 0x16}, {true, 0x05}, {true, 0x07}, {false, 0x05}},
       "ENQ"},
      {"a code the program never sends", {{true, 0x01}, {false, 0x06}, {true, 0x63}, {false, 0x63}}, "99 command"},
  };
  for (const Case& c : cases) {
    FakeClock clock;
    LineRecord r(clock, 16);
    for (const Step& s : c.steps) (s.sent ? r.sent(&s.value, 1) : r.received(&s.value, 1));
    const std::string line = r.displayLine(r.size() - 1);
    EXPECT_EQ(line.substr(line.rfind("  ") + 2), c.lastLabel) << c.what << ": " << line;
  }
}

}  // namespace
}  // namespace zova
