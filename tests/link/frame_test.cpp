// Frame primitives, byte by byte against scripted controllers, and every wait's bound on a fake clock.
#include <gtest/gtest.h>

#include <optional>

#include "link/link.h"
#include "link/link_error.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::Hex;
using test::ScriptedPort;

struct Scripted : ::testing::Test {
  FakeClock clock;
  ScriptedPort port{clock};
  RecordingUi ui;
  Link link{port, ui, clock};
};

TEST_F(Scripted, HandshakeAcceptsAnyAnswerToSoh) {
  for (std::uint8_t answer : {0x00, 0x06, 0xFF, 0x17}) {
    port.written.clear();
    port.answer({{SOH, answer}, {0x17, 0x17}});
    EXPECT_TRUE(link.StartCommand(0x17)) << int(answer);
    EXPECT_EQ(Hex(port.written), "01 17");
  }
}

// Silence ends each handshake wait after its hundred seconds, said once a wait has lasted a few seconds and
// only once per link. The operator's stop ends a handshake or the link check at once and any other wait after
// kStopGrace of silence (so a controller that answers still finishes), all without a word.
TEST_F(Scripted, WaitsEndAtTheirBoundOrSoonAfterAStop) {
  const std::string notConnected = "통신이 연결되지 않았습니다.";
  const std::string noted = "script에서 제어기의 응답을 기다리는 중입니다 (최대 100초) …";
  const std::string checked = "script에서 제어기의 응답을 기다리는 중입니다 (최대 5초) …";
  auto twice = [](Link& l) {
    Outcome first = l.StartCommand(0x1C);
    return first ? first : l.StartCommand(0x1C);
  };
  auto handshake = [](Link& l) { return l.StartCommand(0x1C); };
  auto unechoed = [](Link& l) { return l.StartCommand(0x1B); };
  auto request = [](Link& l) { return l.EndRequest(); };
  auto check = [](Link& l) { return l.CheckLink(); };
  struct Case {
    const char* name;
    std::function<Outcome(Link&)> op;
    std::optional<Duration> stopAt, sohAnswerAt;  // the SOH answered late answers within the grace
    Duration waited;
  } cases[] = {{"two silent handshakes", twice, {}, {}, seconds(200)},
               {"silent link check", check, {}, {}, seconds(5)},
               {"stop during the echo wait", unechoed, seconds(30), Duration::zero(), seconds(30)},
               {"stop before a silent handshake", handshake, Duration::zero(), {}, kStopGrace},
               {"stop before, answered in time", handshake, Duration::zero(), milliseconds(300), milliseconds(300)},
               {"stop during the wait for SYN", request, seconds(1), {}, seconds(1) + kStopGrace},
               {"stop during the link check", check, seconds(2), {}, seconds(2)}};
  for (const Case& c : cases) {
    ui.clear();
    Link fresh{port, ui, clock};
    const TimePoint start = clock.now();
    ui.cancelWhen = [&] { return c.stopAt && clock.now() - start >= *c.stopAt; };
    port.answer({{0x1C, 0x1C}});  // the echo, where the SOH was answered
    port.onWait = [&](ScriptedPort& p) {
      if (c.sohAnswerAt && clock.now() - start >= *c.sohAnswerAt && p.written.back() == SOH) p.queue({0x06});
    };
    const bool ok = c.sohAnswerAt > Duration::zero();
    EXPECT_EQ(c.op(fresh).ok(), ok) << c.name;
    EXPECT_GE(clock.now() - start, c.waited) << c.name;
    EXPECT_LE(clock.now() - start, c.waited + milliseconds(200)) << c.name;
    EXPECT_EQ(
        std::tuple(fresh.WaitCancelled, ui.texts()),
        std::tuple(c.stopAt && !ok, &c == cases ? std::vector{notConnected, notConnected} : std::vector<std::string>{}))
        << c.name;
    EXPECT_EQ(ui.notes,
              std::vector<std::string>(c.waited >= kWaitNotice ? 1 : 0, c.waited < seconds(6) ? checked : noted))
        << c.name;
  }
}

TEST_F(Scripted, OperandSendersAndTheCancelSequence) {
  struct Case {
    std::function<Outcome(Link&)> send;
    const char* bytes;
  } cases[] = {
      {[](Link& l) { return l.SendOperand(2499); }, "C3 09 00 00 02"},
      {[](Link& l) { return l.SendOperand(32767); }, "FF 7F 00 00 02"},
      {[](Link& l) { return l.SendTwoOperands(5, 260); }, "05 00 00 00 04 01 00 00 02"},
      {[](Link& l) { return l.SendShortOperand(false, 31); }, "1F 00 00 00 02"},
      {[](Link& l) { return l.SendZeroOperand(true); }, "00 00 00 00 10"},  // cancel: DLE for STX, nothing awaited
  };
  port.answer({{STX, SYN}});
  for (const Case& c : cases) {
    port.written.clear();
    EXPECT_TRUE(c.send(link)) << c.bytes;
    EXPECT_EQ(Hex(port.written), c.bytes);
  }
}

// Eight data bytes summing to 0x2F5: checksum 0x0B is right, 0x0C is wrong; a wrong terminator gets no answer.
TEST_F(Scripted, ReplyBlockChecksumAndTerminatorDecideTheAnswer) {
  struct Case {
    std::uint8_t checksum, terminator;
    Outcome::Code status;
    std::vector<std::uint8_t> answer;
  } cases[] = {{0x0B, ETX, Outcome::Ok, {EOT}},
               {0x0C, ETX, Outcome::BadChecksum, {DLE}},
               {0x0B, 0x00, Outcome::BadTerminator, {}}};
  for (const Case& c : cases) {
    port.written.clear();
    port.incoming.assign({0xFF, 0xFF, 0xF7, 0x00, 0x00, 0x00, 0x00, 0x00, c.checksum, c.terminator});
    std::array<std::uint8_t, 8> out{};
    EXPECT_EQ(link.ReceiveBlock(out), c.status);
    EXPECT_EQ(port.written, c.answer);
  }
}

// A length is answered with SYN only when STX closes it and the block fits the buffer; else nothing is sent.
TEST_F(Scripted, LengthAnnouncements) {
  struct Case {
    std::vector<std::uint8_t> bytes;
    int length;  // 0: refused
  } cases[] = {{{0x18, 0x00, 0x00, 0x00, STX}, 24},   {{0x08, 0x00, 0x00, 0x00, ETX}, 0},
               {{0x89, 0x13, 0x00, 0x00, STX}, 5001}, {{0x8A, 0x13, 0x00, 0x00, STX}, 0},
               {{0x00, 0x80, 0x00, 0x00, STX}, 0},    {{0xFF, 0xFF, 0xFF, 0xFF, STX}, 0}};
  for (const Case& c : cases) {
    port.written.clear();
    port.incoming.assign(c.bytes.begin(), c.bytes.end());
    int length = 0;
    EXPECT_EQ(link.ReceiveLength(length).ok(), c.length > 0) << Hex(c.bytes);
    EXPECT_EQ(Hex(port.written), c.length > 0 ? "16" : "") << Hex(c.bytes);
    EXPECT_EQ(length, c.length);
  }
}

TEST_F(Scripted, EveryWaitAfterTheHandshakeIsBounded) {
  const Duration bound = link.timeouts.reply;
  struct Case {
    const char* name;
    std::function<Outcome(Link&)> op;
  } cases[] = {
      {"SYN after STX", [](Link& l) { return l.EndRequest(); }},
      {"checksum", [](Link& l) { return l.ReceiveChecksum(0); }},
      {"length", [](Link& l) { return l.ReceiveAnnouncedBlock().outcome; }},
      {"block bytes",
       [](Link& l) {
         std::array<std::uint8_t, 4> out{};
         return l.ReceiveBlock(out);
       }},
  };
  for (const Case& c : cases) {
    const TimePoint start = clock.now();
    EXPECT_FALSE(c.op(link)) << c.name;
    EXPECT_EQ(clock.now() - start, bound) << c.name;
  }
}

TEST_F(Scripted, BlockBytesAreBoundedPerByteNotPerBlock) {
  // A slow but steady controller: one byte every 4 s is never cut off by a 5 s bound.
  link.timeouts.reply = seconds(5);
  std::uint8_t next = 0;
  TimePoint last = clock.now();
  port.onWait = [&](ScriptedPort& p) {
    if (clock.now() - last < seconds(4)) return;
    last = clock.now();
    p.queue({++next});
  };
  std::array<std::uint8_t, 3> out{};
  std::uint32_t sum = 0;
  EXPECT_TRUE(link.ReceiveBytes(out, sum));
  EXPECT_EQ(sum, 1u + 2u + 3u);
}

TEST_F(Scripted, AnswerWaitsAllowForBytesStillOnTheLine) {
  // 10000 bytes at 1 ms each leave the host's buffer long after the write calls returned.
  port.perByte = milliseconds(1);
  std::vector<std::uint8_t> block(10000, 0x41);
  std::uint32_t sum = 0;
  link.SendBytes(block, sum);
  TimePoint start = clock.now();
  EXPECT_FALSE(link.SendChecksum(Link::ChecksumFor(sum)));
  EXPECT_EQ(clock.now() - start, seconds(10) + milliseconds(2) + link.timeouts.reply);
  // Once the controller has spoken, the allowance is used up.
  port.queue({EOT});
  EXPECT_TRUE(link.WaitEot());
  start = clock.now();
  EXPECT_FALSE(link.WaitEot());
  EXPECT_EQ(clock.now() - start, link.timeouts.reply);
}

// A wait that comes back seconds later than it asked found this program not running: the controller's answer
// that comes next is still taken, and a port that always comes back late still ends the wait within a minute
// beyond its bound.
TEST_F(Scripted, TimeThisProgramDidNotRunIsNotTheControllersSilence) {
  int waits = 0;
  port.onWait = [&](ScriptedPort& p) { ++waits == 1 ? clock.advance(seconds(7)) : p.queue({0x41}); };
  std::uint8_t b = 0;
  EXPECT_TRUE(link.WaitByte(b));
  port.onWait = [&](ScriptedPort&) { clock.advance(seconds(7)); };
  const TimePoint start = clock.now();
  EXPECT_EQ(link.WaitByte(b), false);
  EXPECT_GE(clock.now() - start, link.timeouts.reply + seconds(60));
  EXPECT_LT(clock.now() - start, link.timeouts.reply + seconds(68));
}

TEST_F(Scripted, AFloodLargerThanTheReceiveBufferLosesNoByte) {
  for (int i = 0; i < 12000; ++i) port.incoming.push_back(static_cast<std::uint8_t>(i * 7));
  for (int i = 0; i < 12000; ++i) {
    std::uint8_t b = 0;
    ASSERT_TRUE(link.WaitByte(b)) << i;
    ASSERT_EQ(b, static_cast<std::uint8_t>(i * 7)) << i;
  }
}

TEST_F(Scripted, ARingOverflowFailsTheWaitOnce) {
  // Bytes pushed past the reader (as a receive event would) are refused and reported.
  for (int i = 0; i < RxBuffer::kCapacity + 10; ++i) link.rx.write(0x55);
  std::uint8_t b = 0;
  EXPECT_FALSE(link.WaitByte(b)) << "bytes were lost: the exchange cannot be trusted";
  EXPECT_TRUE(link.WaitByte(b)) << "the failure is reported once";
}

TEST(LinkError, ShowsTheMessageTableEntryInAnErrorBox) {
  RecordingUi ui;
  ShowLinkError(ui, 1);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::OkCancel);
}

}  // namespace
}  // namespace zova
