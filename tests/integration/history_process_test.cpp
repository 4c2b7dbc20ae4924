// zovactl fleet backup with a [history]: a remote that never answers, kill -9 during the commit and the push,
// and a real OpenSSH server; the git program checks what is left.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "process.h"
#include "support/scratch_dir.h"

namespace zova::test {
namespace {

struct HistoryRun : ScratchDir {
  // A TCP port that takes connections into its backlog and never answers them.
  int silent = -1;
  int silentPort = 0;
  HistoryRun() {
    silent = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(silent, reinterpret_cast<sockaddr*>(&address), size);
    ::listen(silent, 8);
    ::getsockname(silent, reinterpret_cast<sockaddr*>(&address), &size);
    silentPort = ntohs(address.sin_port);
  }
  ~HistoryRun() override { ::close(silent); }
  RunResult fleet(const std::string& history, const std::vector<SignalWhen>& kills = {}) {
    write(path("fleet.toml"), "[history]\ngit = \"" + path("repo") + "\"\n" + history +
                                  "\n[[controller]]\nname = \"c1\"\nport = \"sim\"\naxes = 2\n");
    return RunProgram(ZOVACTL_PATH,
                      {"--lang", "en", "fleet", "backup", path("fleet.toml"), "--into", path("out"), "--only", "sys"},
                      kChildLimit, kills);
  }
  int git(const std::string& args) { return std::system(("git --git-dir='" + path("repo") + "' " + args).c_str()); }
};

// What a command prints on its standard output.
std::string Output(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[256];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  pclose(pipe);
  return out;
}

int Keygen(const std::string& file) {
  return std::system(("ssh-keygen -q -t ed25519 -N '' -C zova-test -f '" + file + "'").c_str());
}

// Debian's OpenSSH server with a host key and authorized_keys of its own, letting the user running the test in
// (root too, as in CI) by key alone.
struct Sshd : LoopbackServer {
  Sshd() : LoopbackServer("/usr/sbin/sshd") {
    if (!installed()) return;
    const std::string at = folder();
    if (::getuid() == 0) std::filesystem::create_directories("/run/sshd");  // root's sshd runs its child there
    std::ofstream(at + "/sshd_config") << "ListenAddress 127.0.0.1:" << port() << "\nHostKey " << at
                                       << "/host\nAuthorizedKeysFile " << at
                                       << "/authorized_keys\nStrictModes no\nPasswordAuthentication no\n"
                                          "KbdInteractiveAuthentication no\nUsePAM no\nPidFile none\n"
                                          "PermitRootLogin prohibit-password\n";
    if (Keygen(at + "/host") == 0) start({"-D", "-e", "-f", at + "/sshd_config"});
  }
};

// Variables of the environment zovactl runs in, put back when the test ends.
struct Environment {
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
  void set(const std::string& name, const std::optional<std::string>& value) {
    const char* old = std::getenv(name.c_str());
    saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
    value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
  }
  ~Environment() {
    for (const auto& [name, value] : saved)
      value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
  }
};

TEST_F(HistoryRun, AKilledRunLeavesACleanRepositoryAndAHungPushEndsInTime) {
  const std::string hung = "remote = \"http://127.0.0.1:" + std::to_string(silentPort) + "/plant.git\"\n";
  (void)fleet("", {{SIGKILL, "history: writing the commit", ""}});
  EXPECT_EQ(git("fsck --strict"), 0);
  // The next run completes the work: the branch ends at a commit holding the controller.
  const RunResult again = fleet("");
  EXPECT_EQ(again.exitCode, 0) << again.err;
  EXPECT_EQ(git("cat-file -e main:c1/BACKUP.txt"), 0);

  const RunResult slow = fleet(hung + "timeout = 1\n");
  EXPECT_EQ(slow.exitCode, 1);
  EXPECT_NE(slow.err.find("did not end within 1 s"), std::string::npos) << slow.err;
  const std::string json = read(path("out/") + "fleet-" + slow.out.substr(slow.out.find("c1/") + 3, 18) + ".json");
  EXPECT_NE(json.find("\"committed\": false, \"commit\": \""), std::string::npos) << json;
  EXPECT_NE(json.find("\"pushed\": false, \"reason\": \"the push to http"), std::string::npos) << json;

  (void)fleet(hung, {{SIGKILL, "history: pushing", ""}});
  EXPECT_EQ(git("fsck --strict"), 0);
  ASSERT_EQ(std::system(("git init -q --bare '" + path("remote.git") + "'").c_str()), 0);
  const RunResult pushed = fleet("remote = \"file://" + path("remote.git") + "\"\n");
  EXPECT_EQ(pushed.exitCode, 0) << pushed.err;
  EXPECT_EQ(std::system(("git --git-dir='" + path("remote.git") + "' cat-file -e main:c1/BACKUP.txt").c_str()), 0);
}

TEST_F(HistoryRun, AnSshRemoteTakesThePushWithTheServicesKeyFromAKnownServerThatAcceptsTheKey) {
  Sshd sshd;
  if (!sshd.installed()) GTEST_SKIP() << "/usr/sbin/sshd is missing: install Debian's openssh-server";
  ASSERT_TRUE(sshd.ok());
  const std::string credentials = path("credentials");
  std::filesystem::create_directories(credentials);
  std::filesystem::create_directories(path("home"));  // no ~/.ssh: the service's credentials alone
  Environment environment;
  environment.set("HOME", path("home"));
  environment.set("CREDENTIALS_DIRECTORY", credentials);
  environment.set("SSH_AUTH_SOCK", std::nullopt);
  // libgit2 1.5 leaks two path buffers inside each SSH connection, whatever its caller frees; in a checked
  // build the suppression that names them (history/git.cpp) needs whole stacks, which libgit2 lacks otherwise.
  const char* sanitizer = std::getenv("ASAN_OPTIONS");
  environment.set("ASAN_OPTIONS", std::string(sanitizer != nullptr ? sanitizer : "") + ":fast_unwind_on_malloc=0");
  const std::string key = credentials + "/zova-history-key";
  const std::string knownHosts = credentials + "/zova-history-known-hosts";
  const std::string authorized = sshd.folder() + "/authorized_keys";
  ASSERT_EQ(Keygen(key) + Keygen(path("stranger")), 0);
  ASSERT_EQ(std::system(("git init -q --bare '" + path("remote.git") + "'").c_str()), 0);
  const std::string user = getpwuid(getuid())->pw_name;
  const std::string remote =
      "remote = \"ssh://" + user + "@127.0.0.1:" + std::to_string(sshd.port()) + path("remote.git") + "\"\n";
  const auto tip = [](const std::string& repo) { return Output("git --git-dir='" + repo + "' rev-parse main"); };

  write(authorized, read(key + ".pub"));
  write(knownHosts, "");
  const RunResult unknown = fleet(remote);
  EXPECT_EQ(unknown.exitCode, 1);
  EXPECT_NE(unknown.err.find("the SSH server 127.0.0.1 is not in " + knownHosts), std::string::npos) << unknown.err;
  const std::string kept = tip(path("repo"));
  ASSERT_EQ(kept.size(), 41u) << kept;

  write(knownHosts, "[127.0.0.1]:" + std::to_string(sshd.port()) + " " + read(sshd.folder() + "/host.pub"));
  write(authorized, read(path("stranger.pub")));
  const RunResult refused = fleet(remote);
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.err.find("the SSH server refused every key offered for " + user + ": " + key + "\n"),
            std::string::npos)
      << refused.err;

  // The right key pushes what the refused runs kept; then the same with the known_hosts line hashed.
  write(authorized, read(key + ".pub"));
  const RunResult pushed = fleet(remote);
  EXPECT_EQ(pushed.exitCode, 0) << pushed.err;
  EXPECT_EQ(tip(path("remote.git")), tip(path("repo")));
  EXPECT_EQ(std::system(("git --git-dir='" + path("remote.git") + "' cat-file -e " + kept.substr(0, 40)).c_str()), 0);
  ASSERT_EQ(std::system(("ssh-keygen -H -f '" + knownHosts + "' >/dev/null 2>&1").c_str()), 0);
  ASSERT_TRUE(read(knownHosts).starts_with("|1|")) << read(knownHosts);
  const RunResult hashed = fleet(remote);
  EXPECT_EQ(hashed.exitCode, 0) << hashed.err;
}

}  // namespace
}  // namespace zova::test
