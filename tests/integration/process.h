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

// Debian's ser2net on the loopback interface, serving `device` on a port chosen free at run time: raw TCP,
// or Telnet with COM Port Control. Its configuration lives in a temporary folder; it stops by its process
// id. ok() is false where ser2net is not installed.
class Ser2net {
 public:
  Ser2net(const std::string& device, bool telnet);
  ~Ser2net() { stop(); }
  Ser2net(const Ser2net&) = delete;
  Ser2net& operator=(const Ser2net&) = delete;
  [[nodiscard]] bool ok() const { return pid_ > 0; }
  [[nodiscard]] const std::string& address() const { return address_; }
  void stop();

 private:
  int pid_ = -1;
  std::string address_;
  std::string folder_;
};

// A loopback TCP port nothing listens on at the moment.
int FreePort();

}  // namespace zova::test
