// Process helpers for end-to-end tests.
#include "process.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>

extern char** environ;

namespace zova::test {

namespace {

std::vector<char*> argvOf(const std::string& program, const std::vector<std::string>& args) {
  std::vector<char*> argv;
  argv.push_back(const_cast<char*>(program.c_str()));
  for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  return argv;
}

std::string slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

}  // namespace

RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     std::optional<SignalAfter> interrupt) {
  char outPath[] = "/tmp/zova_outXXXXXX";
  char errPath[] = "/tmp/zova_errXXXXXX";
  int out = mkstemp(outPath);
  int err = mkstemp(errPath);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out, 1);
  posix_spawn_file_actions_adddup2(&actions, err, 2);
  auto argv = argvOf(program, args);
  pid_t pid = -1;
  RunResult r;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
    if (interrupt) {
      ::usleep(static_cast<useconds_t>(interrupt->after.count() * 1000));
      kill(pid, interrupt->signal);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  close(out);
  close(err);
  r.out = slurp(outPath);
  r.err = slurp(errPath);
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
  const std::string program = ZOVASIM_PATH;
  auto argv = argvOf(program, options);
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) pid_ = pid;
  posix_spawn_file_actions_destroy(&actions);
  close(pipeFds[1]);
  // The first line is the device path; give the simulator a few seconds to start.
  std::string line;
  pollfd p{pipeFds[0], POLLIN, 0};
  char c = 0;
  while (poll(&p, 1, 5000) > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') line += c;
  close(pipeFds[0]);
  if (line.rfind("/dev/", 0) == 0) device_ = line;
}

SimProcess::~SimProcess() {
  if (pid_ > 0) {
    kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
  }
}

}  // namespace zova::test
