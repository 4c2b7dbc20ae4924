// Network port addresses and the Telnet side of a serial device server, byte by byte.
#include <gtest/gtest.h>

#include <future>
#include <vector>

#include "base/bounded_call.h"
#include "net/network_address.h"
#include "net/network_port.h"
#include "net/telnet.h"
#include "support/language_guard.h"

namespace zova {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(NetworkAddress, ReadsBothFormsAndRefusesWhatIsMalformed) {
  const test::LanguageGuard english(Language::English);  // it checks the English texts
  struct Case {
    const char* text;
    const char* host;  // empty: refused
    int port;
    const char* error;
  } cases[] = {
      {"tcp://plant-7.example:4001", "plant-7.example", 4001, ""},
      {"rfc2217://192.168.0.20:65535", "192.168.0.20", 65535, ""},
      {"rfc2217://[fd00::5]:1", "fd00::5", 1, ""},
      {"rfc2217://[fe80::1%lo]:4001", "fe80::1%lo", 4001, ""},
      {"TCP://h:1", "h", 1, ""},  // written back in lower case
      {"tcp://host", "", 0, "tcp://host: no port number; write HOST:PORT"},
      {"tcp://host:", "", 0, "tcp://host:: no port number; write HOST:PORT"},
      {"tcp://host:0", "", 0, "tcp://host:0: the port number must be 1 to 65535"},
      {"tcp://host:65536", "", 0, "tcp://host:65536: the port number must be 1 to 65535"},
      {"tcp://host:4x", "", 0, "tcp://host:4x: the port number must be 1 to 65535"},
      {"tcp://host:04001", "", 0, "tcp://host:04001: write the port number without a sign or leading zeros, as :4001"},
      {"tcp://host:+4001", "", 0, "tcp://host:+4001: write the port number without a sign or leading zeros, as :4001"},
      {"tcp://host:40/x", "", 0, "tcp://host:40/x: nothing may follow HOST:PORT (here \"/x\")"},
      {"tcp://host:40?baud=9600", "", 0, "tcp://host:40?baud=9600: nothing may follow HOST:PORT (here \"?baud=9600\")"},
      {"tcp://host:40 ", "", 0, "tcp://host:40 : the address holds a blank"},
      {"telnet://host:23", "", 0,
       "telnet://host:23: unknown scheme; a network port is tcp://HOST:PORT (raw TCP) or rfc2217://HOST:PORT "
       "(Telnet, RFC 2217)"},
      {"tcp://:4001", "", 0, "tcp://:4001: the host must be a name, an IPv4 address or an IPv6 address in brackets"},
      {"tcp://fd00::5:4001", "", 0, "tcp://fd00::5:4001: an IPv6 address goes in brackets, as [::1]"},
      {"tcp://[fd00::5:4001", "", 0, "tcp://[fd00::5:4001: the bracket after the IPv6 address is missing"},
      {"tcp://[host]:4001", "", 0, "tcp://[host]:4001: [host] is not an IPv6 address"},
      {"tcp://[::1%]:4001", "", 0, "tcp://[::1%]:4001: [::1%] is not an IPv6 address"},
  };
  for (const Case& c : cases) {
    net::NetworkAddress a;
    std::string error;
    const bool read = net::ParseNetworkAddress(c.text, a, error);
    EXPECT_EQ(std::tuple(read, error, a.host, a.port), std::tuple(*c.host != '\0', c.error, c.host, c.port)) << c.text;
    if (read) {
      EXPECT_EQ(net::FormatNetworkAddress(a), c.text[0] == 'T' ? "tcp://h:1" : c.text) << "written back";
    }
  }
}

// Bytes through a network port still cross the server's serial line, which bounds every wait: a start bit,
// the data bits, a parity bit unless there is none, and the stop bits.
TEST(NetworkPort, LineTimeCountsEveryBitOfTheServersLine) {
  net::NetworkAddress address;
  std::string error;
  ASSERT_TRUE(net::ParseNetworkAddress("tcp://h:1", address, error));
  const struct {
    LineSettings line;
    int bits;
  } cases[] = {{{9600, 'n', 8, 10}, 10}, {{9600, 'e', 8, 10}, 11}, {{19200, 'o', 7, 20}, 11}, {{4800, 's', 5, 10}, 8}};
  for (const auto& c : cases) {
    const net::NetworkPort port(address, c.line, std::chrono::seconds(1));
    // As many bytes as the line has baud take as many seconds as a byte has bits.
    EXPECT_EQ(port.transmitTime(static_cast<std::size_t>(c.line.baud)), std::chrono::seconds(c.bits)) << c.line.parity;
  }
}

// What a server sends after the client's requests, what reaches the link as data, and what is answered.
TEST(Telnet, NegotiatesUndoublesAndDropsNotifications) {
  constexpr std::uint8_t I = net::telnet::kIac, DO = net::telnet::kDo, DONT = net::telnet::kDont,
                         WILL = net::telnet::kWill, WONT = net::telnet::kWont, SB = net::telnet::kSb,
                         SE = net::telnet::kSe;
  const Bytes agreed = {I, DO, 0, I, WILL, 0, I, DO, 44, I, DO, 3, I, WILL, 3};
  struct Case {
    const char* what;
    std::vector<Bytes> chunks;
    Bytes data, reply;
    bool settled, ready;
    int confirmed;
    const char* line = "9600,n,8,1";  // what the server says it set, where 9600,n,8,1 was asked
  } cases[] = {
      {"agreed, nothing echoed", {agreed}, {}, {}, true, true, 0},
      {"half agreed", {{I, DO, 0, I, WILL, 0}}, {}, {}, false, false, 0},
      {"COM Port Control refused",
       {{I, DO, 0, I, WILL, 0, I, DONT, 44, I, WONT, 3, I, DONT, 3}},
       {},
       {},
       true,
       false,
       0},
      {"unknown options declined", {agreed, {I, DO, 1, I, WILL, 1}}, {}, {I, WONT, 1, I, DONT, 1}, true, true, 0},
      {"binary withdrawn", {agreed, {I, WONT, 0}}, {}, {I, DONT, 0}, true, false, 0},
      {"doubled IAC split between reads", {{1, I}, {I, 2}}, {1, 255, 2}, {}, false, false, 0},
      {"commands between data", {{1, I, 241, 2, I, 249, 3}}, {1, 2, 3}, {}, false, false, 0},
      {"line state dropped, doubled IAC inside", {{7, I, SB, 44, 106, I, I, I, SE, 8}}, {7, 8}, {}, false, false, 0},
      {"another speed confirmed",
       {agreed, {I, SB, 44, 101, 0, 1, 0xC2, 0, I, SE, I, SB, 44, 104, 1, I, SE, I, SB, 44, 104, 1, I, SE}},
       {},
       {},
       true,
       true,
       2,
       "115200,n,8,1"},
      {"values no line has",
       {{I, SB, 44, 103, 9, I, SE, I, SB, 44, 102, 8, 8, I, SE}},
       {},
       {},
       false,
       false,
       2,
       "9600,?,0,1"},
  };
  for (const Case& c : cases) {
    net::telnet::Session s;
    s.requests();
    Bytes data, reply;
    for (const Bytes& chunk : c.chunks) s.receive(chunk.data(), chunk.size(), data, reply);
    EXPECT_EQ(std::tuple(data, reply, s.settled(), s.ready(), s.linesConfirmed(),
                         FormatLineSettings(s.confirmedLine(LineSettings{}))),
              std::tuple(c.data, c.reply, c.settled, c.ready, c.confirmed, c.line))
        << c.what;
  }
}

TEST(Telnet, RequestsAndLineCommandsAsOnTheWire) {
  net::telnet::Session s;
  EXPECT_EQ(s.requests(), (Bytes{255, 251, 0, 255, 251, 3, 255, 251, 44, 255, 253, 0, 255, 253, 3}));
  LineSettings line;
  std::string error;
  ASSERT_TRUE(ParseLineSettings("115200,e,7,2", line, error));
  EXPECT_EQ(net::telnet::LineCommands(line),
            (Bytes{255, 250, 44,  1,  0, 1, 0xC2, 0,   255, 240, 255, 250, 44, 2,   7,  255,
                   240, 255, 250, 44, 3, 3, 255,  240, 255, 250, 44,  4,   2,  255, 240}));
  line.stopBitsTimesTen = 15;  // a server's port may take 1.5 stop bits where the PC's own cannot
  EXPECT_EQ(net::telnet::LineCommands(line).at(28), 3);
  const Bytes data = {0xFF, 1, 0xFF};
  Bytes out;
  net::telnet::AppendEscaped(data.data(), data.size(), out);
  EXPECT_EQ(out, (Bytes{0xFF, 0xFF, 1, 0xFF, 0xFF}));
}

// A lookup that outlives the open's bound, or the operator's stop, does not hold the open: the wait ends
// while the call is still stuck, and its late result is let go of when it comes.
TEST(CallWithin, EndsAtTheDeadlineOrAStopAndDiscardsWhatComesLate) {
  using namespace std::chrono;
  for (const bool byStop : {false, true}) {
    std::promise<void> release;
    auto discarded = std::make_shared<std::promise<int>>();  // outlives the call's thread
    bool stopAsked = false;
    const auto stuck = [released = release.get_future().share()] {
      released.wait();
      return 7;
    };
    const auto deadline = steady_clock::now() + (byStop ? seconds(2) : milliseconds(50));
    EXPECT_EQ(CallWithin<int>(
                  deadline, stuck, [discarded](int& late) { discarded->set_value(late); },
                  [&] { return stopAsked = byStop; }),
              std::nullopt);
    EXPECT_TRUE(stopAsked || !byStop) << "ended by the stop, not by the deadline";
    release.set_value();
    std::future<int> late = discarded->get_future();
    ASSERT_EQ(late.wait_for(seconds(30)), std::future_status::ready);
    EXPECT_EQ(late.get(), 7);
  }
  EXPECT_EQ(CallWithin<int>(
                steady_clock::now() + 5s, [] { return 3; }, [](int&) {}),
            3);
}

}  // namespace
}  // namespace zova
