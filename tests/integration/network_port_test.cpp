// zovactl through Debian's ser2net on the loopback interface, bridging a zovasim pseudo-terminal: raw TCP
// and Telnet with COM Port Control.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <thread>

#include "app/qt/serial_port_factory.h"
#include "support/recording_ui.h"
#include "process.h"
#include "support/scratch_dir.h"

namespace zova::test {
namespace {

struct NetworkPorts : ScratchDir {
  std::unique_ptr<SimProcess> sim;
  std::unique_ptr<Ser2net> server;
  void start(bool telnet, const std::vector<std::string>& simOptions = {}) {
    server.reset();
    sim = std::make_unique<SimProcess>(simOptions);
    if (!sim->ok()) GTEST_SKIP() << "no pseudo-terminal on this machine";
    server = std::make_unique<Ser2net>(sim->device(), telnet);
    if (!server->ok()) GTEST_SKIP() << "ser2net is not installed (scripts/install-deps installs it)";
  }
  RunResult ctl(const std::string& port, std::vector<std::string> args) {
    args.insert(args.begin(), {"--lang", "en", "--port", port, "--axes", "4"});  // our reasons, in English
    return RunProgram(ZOVACTL_PATH, args);
  }
};

// Every value is made of 0xFF bytes on the wire, which Telnet doubles going out and undoubles coming in.
TEST_F(NetworkPorts, PingAndValuesOfIacBytesTravelBothForms) {
  const std::string values = "P005 = -0.01 2.55 -167772.16 655.35 0.00 0.00";
  for (const bool telnet : {false, true}) {
    start(telnet);
    if (IsSkipped()) return;
    const std::string& port = server->address();
    const RunResult ping = ctl(port, {"ping"});
    EXPECT_EQ(ping.exitCode, 0) << port << ": " << ping.err;
    const RunResult all = ctl(port, {"--quiet", "loc", "receive", "all", "--file", path("loc")});
    ASSERT_EQ(all.exitCode, 0) << port << ": " << all.err;
    std::string rows = read(path("loc"));
    const std::size_t at = rows.find("P005");
    write(path("loc"), rows.replace(at, rows.find_first_of("\r\n", at) - at, values));
    const RunResult sent = ctl(port, {"loc", "send", "single", "5", "--file", path("loc")});
    EXPECT_EQ(sent.exitCode, 0) << port << ": " << sent.err;
    const RunResult back = ctl(port, {"loc", "receive", "single", "5"});
    EXPECT_EQ(back.out, values + "\n") << port << ": " << back.err;
  }
}

// The typed settings reach the server's serial line before the first byte of the protocol.
TEST_F(NetworkPorts, TelnetSetsTheServersLineWhileConnected) {
  start(true);
  if (IsSkipped()) return;
  struct Case {
    const char* settings;
    speed_t speed;
    tcflag_t stopBits;  // a pseudo-terminal keeps 8 data bits and no parity whatever it is told
  } cases[] = {{"115200,n,8,1", B115200, 0}, {"19200,n,8,2", B19200, CSTOPB}};
  for (const Case& c : cases) {
    RecordingUi ui;
    LineSettings used;
    std::string error;
    auto port = ports::MakeNamedPort(server->address(), c.settings, std::chrono::seconds(5), app::QtPortMakers(false),
                                     ui, used, error);
    ASSERT_TRUE(port && port->open(error)) << error;
    const int fd = ::open(sim->device().c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    ASSERT_EQ(tcgetattr(fd, &t), 0);
    ::close(fd);
    EXPECT_EQ(cfgetospeed(&t), c.speed) << c.settings;
    EXPECT_EQ(t.c_cflag & CSTOPB, c.stopBits) << c.settings;
  }
}

// A server that goes away ends the transfer with the reason, soon, and the file stays as it was.
TEST_F(NetworkPorts, AServerStoppedInATransferFailsItAndLeavesTheFile) {
  std::string kept;
  for (int n = 0; n < 2500; ++n)
    kept += (n < 10 ? "P00" : n < 100 ? "P0" : "P") + std::to_string(n) + " = 1.00 0.00 0.00 0.00 0.00 0.00\r\n";
  write(path("loc"), kept);
  for (const bool telnet : {false, true}) {
    start(telnet, {"--baud", "9600"});
    if (IsSkipped()) return;
    const std::string port = server->address();
    std::remove(path("trace").c_str());
    std::thread stopper([this] {
      // A received byte in the trace: the transfer is under way (it takes minutes at 9600 baud).
      for (int i = 0; i < 3000 && read(path("trace")).find(" < ") == std::string::npos; ++i) usleep(10'000);
      server->stop();
    });
    const RunResult r =
        ctl(port, {"--quiet", "--trace", path("trace"), "loc", "receive", "all", "--file", path("loc")});
    stopper.join();
    EXPECT_EQ(r.exitCode, 1) << port;
    // Closed or reset, as the server's unread bytes decide.
    const std::string why = r.err.substr(r.err.rfind(port));
    EXPECT_TRUE(why == port + ": the server closed the connection\n" || why == port + ": the connection was reset\n")
        << r.err;
  }
  EXPECT_EQ(read(path("loc")), kept);
}

// Nothing listening, no Telnet on the far side, or a server that hangs up fails the open with the reason; a malformed
// address is refused before anything opens; the help names both forms.
TEST_F(NetworkPorts, RefusedConnectionsMalformedAddressesAndHelp) {
  const std::string closed = "127.0.0.1:" + std::to_string(FreePort());
  struct Case {
    std::string port;
    int exit;
    std::string err;
  } cases[] = {
      {"tcp://" + closed, 1, "tcp://" + closed + ": connection refused (nothing listens there)\n"},
      {"rfc2217://" + closed, 1, "rfc2217://" + closed + ": connection refused (nothing listens there)\n"},
      {"rfc2217://" + closed + "0000", 2, "zovactl ping: --port: rfc2217://" + closed + "0000: the port number must"},
  };
  for (const Case& c : cases) {
    const RunResult r = ctl(c.port, {"--timeout", "1", "ping"});
    EXPECT_EQ(r.exitCode, c.exit) << c.port;
    EXPECT_EQ(r.err.substr(0, c.exit == 2 ? c.err.size() : std::string::npos), c.err);  // exit 2: and the usage
  }
  const std::string help = ctl("sim", {"--help"}).out;
  for (const char* form : {"tcp://HOST:PORT (raw TCP)", "rfc2217://HOST:PORT (Telnet"})  // lines break between
    EXPECT_NE(help.find(form), std::string::npos) << help;
  // Telnet to a raw port: the controller gets the requests as data and stays silent; the open gives up.
  start(false);
  if (IsSkipped()) return;
  const std::string wrong = "rfc2217://" + server->address().substr(6);
  EXPECT_EQ(ctl(wrong, {"--timeout", "1", "ping"}).err,
            wrong + ": no Telnet answer from the server (a raw TCP port? use tcp://); timed out after 1 s\n");
  // A server that cannot open its device says why and hangs up: its words reach the operator, once. A
  // Telnet server named as raw TCP is recognised by its opening negotiation.
  const Ser2net raw("/dev/zova-no-such-device", false), telnet("/dev/zova-no-such-device", true);
  const std::string rawToTelnet = "tcp://" + telnet.address().substr(10);
  for (const auto& [port, says] :
       {std::pair(raw.address(), "the server said \"Device open failure: Value or file not found\"\n"),
        std::pair(telnet.address(), "the server said \"Device open failure: Value or file not found\"\n"),
        std::pair(rawToTelnet, ": the server speaks Telnet: use rfc2217://\n")}) {
    const std::string err = ctl(port, {"ping"}).err;
    EXPECT_TRUE(err.ends_with(says) && err.find(port) == err.rfind(port)) << err;
  }
}

// Ctrl-C in the Telnet negotiation with a server that accepts and says nothing stops the run long before
// its 60 s bound.
TEST_F(NetworkPorts, ACtrlCEndsTheOpensWait) {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), size) | listen(listener, 1) |
                getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size),
            0);
  const std::string port = "rfc2217://127.0.0.1:" + std::to_string(ntohs(address.sin_port));
  int connection = -1;
  std::thread acceptor([&] {  // the accepted connection is the sign that the open waits for the negotiation
    pollfd connecting{listener, POLLIN, 0};
    connection = poll(&connecting, 1, 30'000) == 1 ? accept(listener, nullptr, nullptr) : -1;
    write(path("accepted"), "");
  });
  const RunResult r = RunProgram(ZOVACTL_PATH, {"--lang", "en", "--port", port, "--timeout", "60", "ping"},
                                 std::chrono::seconds(30), {{SIGINT, "", path("accepted")}});
  acceptor.join();
  close(connection);
  close(listener);
  EXPECT_EQ(r.exitCode, 130);
  EXPECT_TRUE(r.err.ends_with(port + ": stopped\nzovactl: interrupted by Ctrl-C; stopped after the last "
                                     "complete exchange\n"))
      << r.err;
}

}  // namespace
}  // namespace zova::test
