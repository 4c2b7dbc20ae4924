// zovactl fleet backup with a [history]: a remote that never answers, and kill -9 during the commit and the
// push; the git program checks what is left.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>

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

}  // namespace
}  // namespace zova::test
