// Running the programs under test: a background simulator on a pseudo-terminal, and zovactl runs.
// Every wait on a child is bounded: a child that hangs is killed with its process group and the test
// fails saying so, instead of holding CTest until CI's own limit.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace zova::test {

// How long a child may run before it counts as hung and is killed with a backtrace of every thread. Well past
// what a loaded machine needs: a whole table takes seconds here and a minute with both cores busy.
inline constexpr std::chrono::milliseconds kChildLimit = std::chrono::seconds(180);

// zovactl's reply bound (--timeout) for runs that do not test the bound itself. Under load the pseudo-terminal
// has held a host's request over 5 s before the simulator could read it (the host's trace and the simulator's
// reads side by side), while the host ran on time: the rig's delay, not the controller's silence. The
// simulators wait 60 s for the host.
inline constexpr const char* kRigReplyTimeout = "30";

struct RunResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// A signal sent to the program as an operator's Ctrl-C would be, once the program has shown that it got where
// the test wants it: once `after` (an ECMAScript pattern; [\s\S]* spans lines) matches in `file` (empty: its
// standard error). An empty pattern: once `file` exists.
struct SignalWhen {
  int signal = 0;
  std::string after;
  std::string file;
};

// Runs a program to completion with the given arguments, capturing both output streams, sending `interrupts` in
// order (the test fails when the program ends before one was sent). With `closedOutput`, standard output is a
// pipe whose reader has gone, as after `| head`.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     std::chrono::milliseconds limit = kChildLimit, const std::vector<SignalWhen>& interrupts = {},
                     bool closedOutput = false);

// zovasim in the background; its device path is read from its first output line.
class SimProcess {
 public:
  explicit SimProcess(const std::vector<std::string>& options = {});
  ~SimProcess();
  SimProcess(const SimProcess&) = delete;
  SimProcess& operator=(const SimProcess&) = delete;
  [[nodiscard]] bool ok() const { return !device_.empty(); }
  [[nodiscard]] const std::string& device() const { return device_; }

 private:
  int pid_ = -1;
  std::string device_;
};

// A server program on the loopback interface, on a port chosen free at run time, for the length of a test: its
// configuration and log live in a temporary folder of its own; it stops by its process id. ok() is false where
// the program is not installed or did not listen.
class LoopbackServer {
 public:
  explicit LoopbackServer(std::string program);
  ~LoopbackServer() { stop(); }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;
  [[nodiscard]] bool installed() const { return !folder_.empty(); }
  [[nodiscard]] bool ok() const { return pid_ > 0; }
  [[nodiscard]] int port() const { return port_; }
  [[nodiscard]] const std::string& folder() const { return folder_; }
  void stop();

 protected:
  // Starts the program (its configuration written into folder() first) and waits until it listens.
  void start(const std::vector<std::string>& args);

 private:
  std::string program_;
  int pid_ = -1;
  int port_ = 0;
  std::string folder_;
};

// Debian's ser2net serving `device`: raw TCP, or Telnet with COM Port Control.
class Ser2net : public LoopbackServer {
 public:
  Ser2net(const std::string& device, bool telnet);
  [[nodiscard]] const std::string& address() const { return address_; }

 private:
  std::string address_;
};

// A loopback TCP port nothing listens on at the moment.
int FreePort();

}  // namespace zova::test
