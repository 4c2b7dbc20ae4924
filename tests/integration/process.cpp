// Process helpers for end-to-end tests.
#include "process.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <functional>
#include <regex>
#include <utility>

#include "support/scratch_dir.h"

extern char** environ;

namespace zova::test {

namespace {

using Clock = std::chrono::steady_clock;

// Starts the program in a process group of its own, so that a kill on expiry reaches its children too.
pid_t spawn(const std::string& program, const std::vector<std::string>& args, posix_spawn_file_actions_t& actions) {
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attr, 0);
  std::vector<char*> argv{const_cast<char*>(program.c_str())};
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, &attr, argv.data(), environ) != 0) pid = -1;
  posix_spawnattr_destroy(&attr);
  return pid;
}

// A server for the length of the test: setpriv (util-linux) has the kernel send it SIGTERM when the test
// process goes, also where a time limit kills the test before the destructor could stop it by its id.
pid_t spawnServer(const std::string& program, std::vector<std::string> args, posix_spawn_file_actions_t& actions) {
  args.insert(args.begin(), {"--pdeathsig", "TERM", program});
  return spawn("/usr/bin/setpriv", args, actions);
}

// Waits for the child until the deadline, running `each` meanwhile; then kills its group and fails the test.
// Returns the status.
int waitOrKill(pid_t pid, Clock::time_point deadline, const std::string& program,
               const std::function<void()>& each = {}) {
  int status = 0;
  while (waitpid(pid, &status, WNOHANG) == 0) {
    if (Clock::now() >= deadline) {
      // Where every thread of a hung child waits, so an intermittent hang can be found from the log.
      std::string stacks;
      if (access("/usr/bin/gdb", X_OK) == 0) {
        const std::string command =
            "/usr/bin/gdb -batch -p " + std::to_string(pid) + " -ex 'thread apply all bt' 2>&1 | tail -c 20000";
        if (FILE* gdb = popen(command.c_str(), "r")) {
          char chunk[4096];
          for (std::size_t n; (n = fread(chunk, 1, sizeof chunk, gdb)) > 0;) stacks.append(chunk, n);
          pclose(gdb);
        }
      }
      kill(-pid, SIGKILL);
      waitpid(pid, &status, 0);
      ADD_FAILURE() << program << " did not end within its time limit; killed with its process group\n" << stacks;
      break;
    }
    if (each) each();
    usleep(2000);
  }
  return status;
}

}  // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args, std::chrono::milliseconds limit,
                     const std::vector<SignalWhen>& interrupts, bool closedOutput) {
  const auto deadline = Clock::now() + limit;
  char outPath[] = "/tmp/zova_outXXXXXX";
  char errPath[] = "/tmp/zova_errXXXXXX";
  int out = mkstemp(outPath);
  int err = mkstemp(errPath);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  int pipeFds[2] = {-1, -1};
  if (closedOutput && pipe(pipeFds) == 0) close(pipeFds[0]);
  posix_spawn_file_actions_adddup2(&actions, closedOutput ? pipeFds[1] : out, 1);
  posix_spawn_file_actions_adddup2(&actions, err, 2);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);  // no child waits for input
  RunResult r;
  if (pid_t pid = spawn(program, args, actions); pid > 0) {
    std::size_t next = 0;
    auto signalWhenSeen = [&] {
      if (next == interrupts.size()) return;
      const SignalWhen& s = interrupts[next];
      const std::string stream = s.file.empty() ? errPath : s.file;
      if (!std::filesystem::exists(stream)) return;
      if (!s.after.empty() && !std::regex_search(ScratchFolder::read(stream), std::regex(s.after))) return;
      kill(pid, s.signal);
      ++next;
    };
    const int status = waitOrKill(pid, deadline, program, signalWhenSeen);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    if (next < interrupts.size()) ADD_FAILURE() << program << " ended before it showed " << interrupts[next].after;
  }
  posix_spawn_file_actions_destroy(&actions);
  if (closedOutput) close(pipeFds[1]);
  close(out);
  close(err);
  r.out = ScratchFolder::read(outPath);
  r.err = ScratchFolder::read(errPath);
  unlink(outPath);
  unlink(errPath);
  return r;
}

SimProcess::SimProcess(const std::vector<std::string>& options) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeFds[1], 1);
  posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
  // The tests' hosts share a loaded machine: a host descheduled for seconds must still find its exchange open.
  std::vector<std::string> all = options;
  if (std::find(all.begin(), all.end(), "--host-timeout") == all.end()) all.insert(all.end(), {"--host-timeout", "60"});
  pid_ = spawnServer(ZOVASIM_PATH, all, actions);
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  // The first line is the device path; a simulator that exits without one has no pseudo-terminal.
  const auto deadline = Clock::now() + kChildLimit;
  std::string line;
  pollfd p{pipeFds[0], POLLIN, 0};
  char c = 0;
  auto msLeft = [&] {
    return static_cast<int>(
        std::max<long long>(0, std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count()));
  };
  while (poll(&p, 1, msLeft()) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') line += c;
  if (Clock::now() >= deadline) ADD_FAILURE() << "zovasim gave no device path within its time limit";
  close(pipeFds[0]);
  if (line.rfind("/dev/", 0) == 0) device_ = line;
}

SimProcess::~SimProcess() {
  if (pid_ > 0) {
    kill(-pid_, SIGTERM);
    waitOrKill(pid_, Clock::now() + kChildLimit, ZOVASIM_PATH);
  }
}

namespace {

// Whether something listens on the loopback port, read from the kernel's socket table: a connection would
// open the serial device, and a probing bind would hold the port for a moment and could make the server's
// own bind fail on a loaded machine.
bool listening(int port) {
  std::ifstream table("/proc/net/tcp");
  char wanted[16];
  std::snprintf(wanted, sizeof wanted, "0100007F:%04X", port);
  std::string line;
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state;
    fields >> slot >> local >> remote >> state;
    if (local == wanted && state == "0A") return true;  // 0A: LISTEN
  }
  return false;
}

}  // namespace

int FreePort() {
  const int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
  socklen_t len = sizeof a;
  bind(fd, reinterpret_cast<const sockaddr*>(&a), sizeof a);
  getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len);
  close(fd);
  return ntohs(a.sin_port);
}

LoopbackServer::LoopbackServer(std::string program) : program_(std::move(program)) {
  char folder[] = "/tmp/zova_serverXXXXXX";
  if (access(program_.c_str(), X_OK) != 0 || mkdtemp(folder) == nullptr) return;
  folder_ = folder;
  port_ = FreePort();
}

void LoopbackServer::start(const std::vector<std::string>& args) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const std::string log = folder_ + "/log";  // what the server says, for a failure's message
  posix_spawn_file_actions_addopen(&actions, 2, log.c_str(), O_WRONLY | O_CREAT, 0600);
  pid_ = spawnServer(program_, args, actions);
  posix_spawn_file_actions_destroy(&actions);
  const auto deadline = Clock::now() + std::chrono::seconds(5);
  while (pid_ > 0 && !listening(port_)) {
    if (Clock::now() >= deadline) {
      ADD_FAILURE() << program_ << " did not listen on port " << port_
                    << " within 5 s; it said: " << ScratchFolder::read(log);
      stop();
      break;
    }
    usleep(10'000);
  }
}

void LoopbackServer::stop() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    waitOrKill(pid_, Clock::now() + std::chrono::seconds(10), program_);
    pid_ = -1;
  }
  if (!folder_.empty()) std::filesystem::remove_all(folder_);
  folder_.clear();
}

Ser2net::Ser2net(const std::string& device, bool telnet) : LoopbackServer("/usr/sbin/ser2net") {
  if (!installed()) return;
  address_ = (telnet ? "rfc2217://127.0.0.1:" : "tcp://127.0.0.1:") + std::to_string(port());
  // No character delay: each answer goes on as soon as its bytes are in, as over a serial line.
  std::ofstream(folder() + "/ser2net.yaml")
      << "connection: &zova\n  accepter: " << (telnet ? "telnet(rfc2217)," : "") << "tcp,127.0.0.1," << port()
      << "\n  connector: serialdev," << device << ",9600n81,local\n  options:\n    chardelay: false\n";
  start({"-n", "-u", "-c", folder() + "/ser2net.yaml", "-P", folder() + "/pid"});
}

}  // namespace zova::test
