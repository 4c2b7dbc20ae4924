// The fleet's history in real git repositories: commits of simulated controllers' backups, what changed when
// from the commits and from the dated folders, and pushes to a bare repository shared by two hosts.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "support/history_runs.h"
#include "support/language_guard.h"
#include "support/scratch_dir.h"

namespace zova::history {
namespace {

namespace fs = std::filesystem;

// What a shell command prints, and its exit status.
std::pair<std::string, int> Shell(const std::string& command) {
  std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {out, WEXITSTATUS(status)};
}

class History : public test::ScratchDir {
 protected:
  test::LanguageGuard english{Language::English};
  test::HistoryRuns fleet{dir};
  test::SimRig& c1 = fleet.c1;
  test::SimRig& c2 = fleet.c2;
  Recorded run(const std::string& stamp, const std::vector<std::string>& names, const backup::FleetHistory& settings,
               const std::string& host = "plant-a") {
    return fleet.run(stamp, names, settings, host);
  }
  std::string git(const std::string& repo, const std::string& args) {
    return Shell("git --git-dir='" + path(repo) + "' " + args).first;
  }
  std::string lines(const std::string& place, const std::string& name, const Filter& filter = {}) {
    std::vector<Change> changes;
    const Outcome read = ReadChanges(path(place), name, filter, changes);
    std::string text = read ? "" : "failed: " + read.detail + "\n";
    for (const Change& c : changes) text += ChangeLine(c) + "\n";
    return text;
  }
};

TEST_F(History, EachRunWithChangesIsOneCommitAndBothSourcesTellTheSameHistory) {
  const backup::FleetHistory settings{path("repo"), "", "main", 60, 0};
  const std::string day = "2026-12-0";
  const Recorded first = run(day + "1T023000Z", {"c1", "c2"}, settings);
  EXPECT_TRUE(first.committed && first.result) << first.reason;
  const Recorded same = run(day + "2T023000Z", {"c1", "c2"}, settings);  // BACKUP.txt's time alone differs
  EXPECT_EQ(std::tuple(same.committed, same.commit, same.summary),
            std::tuple(false, first.commit, std::string("nothing changed: no commit")));
  c1.controller.positions.locations[100][0] = -12345;
  const Recorded third = run(day + "3T023000Z", {"c1", "c2!"}, settings);
  EXPECT_TRUE(third.committed);
  for (int row = 0; row < 22; ++row) c1.controller.positions.locations[static_cast<std::size_t>(row)][1] = row + 1;
  c2.controller.machine.parameters.system[20] = 77;
  (void)run(day + "4T023000Z", {"c1", "c2"}, settings);
  EXPECT_EQ(
      git("repo", "log --format=%B%x00 main"),
      "fleet backup 2026-12-04T023000Z: 2 of 2 changed, 0 failed\n\n"
      "c1: P000 axis 2: old 0.00, new 0.01\n" +
          [] {
            std::string text;
            for (int row = 1; row < 20; ++row) {
              char line[64];
              std::snprintf(line, sizeof line, "c1: P%03d axis 2: old 0.00, new 0.%02d\n", row, row + 1);
              text += line;
            }
            return text;
          }() +
          "c1: and 2 more\nc2: system entry 20: old 0, new 77\n" + std::string(1, '\0') +
          "\nfleet backup 2026-12-03T023000Z: 1 of 2 changed, 1 failed\n\n"
          "c1: P100 axis 1: old 0.00, new -123.45\nc2: failed: timed out\n" +
          std::string(1, '\0') +
          "\nfleet backup 2026-12-01T023000Z: 2 of 2 changed, 0 failed\n\nc1: first backup\nc2: first backup\n" +
          std::string(1, '\0') + "\n");
  // Each folder holds its controller's newest backup, file for file.
  for (const auto& [name, stamp] : {std::pair{"c1", "4"}, {"c2", "4"}}) {
    const fs::path backup = path("out/" + std::string(name) + "/" + day + stamp + "T023000Z");
    for (const auto& file : fs::recursive_directory_iterator(backup)) {
      if (!file.is_regular_file()) continue;
      const std::string relative = file.path().lexically_relative(backup).generic_string();
      EXPECT_EQ(git("repo", "show main:" + std::string(name) + "/" + relative), read(file.path().string())) << relative;
    }
  }
  EXPECT_EQ(git("repo", "show main:HOSTS"), "c1 plant-a\nc2 plant-a\n");
  EXPECT_EQ(Shell("git --git-dir='" + path("repo") + "' fsck --strict").second, 0);

  const std::string c1Lines = lines("repo", "c1");
  EXPECT_TRUE(
      c1Lines.starts_with("2026-12-03T023000Z P100 axis 1: 0.00 -> -123.45\n"
                          "2026-12-04T023000Z P000 axis 2: 0.00 -> 0.01\n"))
      << c1Lines;
  EXPECT_EQ(c1Lines, lines("out", "c1"));
  EXPECT_EQ(lines("repo", "c2"), lines("out", "c2"));
  // The controllers, and the backups read: the repository's where the folder changed, the fleet folder's all.
  for (const auto& [place, stamps] : {std::pair{"repo", "134"}, {"out", "1234"}}) {
    std::vector<std::string> names;
    EXPECT_TRUE(ReadNames(path(place), names));
    EXPECT_EQ(names, (std::vector<std::string>{"c1", "c2"}));
    std::vector<Change> changes;
    std::vector<std::string> read;
    EXPECT_TRUE(ReadChanges(path(place), "c1", {}, changes, &read));
    std::string days;
    for (const std::string& stamp : read) days += stamp.substr(9, 1);
    EXPECT_EQ(days, stamps) << place;
    // A night without changes has a backup in the fleet folder only; the repository's are written out.
    std::string folder;
    const Outcome quiet = BackupFolder(path(place), "c1", day + "2T023000Z", path("written"), folder);
    EXPECT_EQ(quiet.ok(), place == std::string("out")) << quiet.detail;
    EXPECT_TRUE(BackupFolder(path(place), "c1", day + "4T023000Z", path(std::string("c1-") + place), folder));
    EXPECT_EQ(ScratchFolder::read(folder + "/ZOVALOC.dat"),
              ScratchFolder::read(path("out/c1/" + day + "4T023000Z/ZOVALOC.dat")));
  }
  EXPECT_EQ(lines("repo", "c1", {"", "P100"}), "2026-12-03T023000Z P100 axis 1: 0.00 -> -123.45\n");
  EXPECT_EQ(lines("out", "c1", {"2026-12-04", "P021"}), "2026-12-04T023000Z P021 axis 2: 0.00 -> 0.22\n");
  // Damaged or foreign: a backup whose files fail their sums, a name never backed up, a folder of other things,
  // links to good backups (nothing is followed through one), a name that climbs out of the folder.
  write(path("out/c1/2026-12-03T023000Z/ZOVASYS.dat"), "changed\n");
  fs::create_directory_symlink("c2", path("out/c3"));
  fs::create_directory_symlink(day + "4T023000Z", path("out/c2/" + day + "9T023000Z"));
  for (const auto& [place, name] :
       {std::pair{"out", "c1"}, {"repo", "c9"}, {"out/c1", "raw"}, {"out", "c3"}, {"out/c1", "../c2"}}) {
    EXPECT_TRUE(lines(place, name).starts_with("failed: ")) << place << " " << name;
  }
  std::string linked;
  EXPECT_FALSE(BackupFolder(path("out"), "c2", day + "9T023000Z", path("linked"), linked).ok());
}

TEST_F(History, APushThatFailedIsRetriedAndHostsSharingARemoteKeepEachOthersCommits) {
  const std::string remote = "file://" + path("remote.git");
  const backup::FleetHistory a{path("a"), remote, "main", 60, 0};
  const backup::FleetHistory b{path("b"), remote, "main", 60, 0};
  const Recorded unreachable = run("2026-12-01T000000Z", {"c1"}, a);
  EXPECT_EQ(std::tuple(unreachable.committed, unreachable.pushed, unreachable.result.ok()),
            std::tuple(true, false, false));
  EXPECT_NE(unreachable.reason.find("not pushed to " + remote), std::string::npos) << unreachable.reason;
  ASSERT_EQ(Shell("git init -q --bare '" + path("remote.git") + "'").second, 0);
  c1.controller.positions.locations[1][0] = 5;
  const Recorded retried = run("2026-12-02T000000Z", {"c1"}, a);
  EXPECT_TRUE(retried.pushed && retried.result) << retried.reason;
  // Hosts a (c1) and b (c2) alternately: b's history begins apart from a's and is put on top of it.
  (void)run("2026-12-02T010000Z", {"c2"}, b, "plant-b");
  c1.controller.positions.locations[2][0] = 5;
  (void)run("2026-12-03T000000Z", {"c1"}, a);
  c2.controller.positions.locations[2][0] = 5;
  const Recorded last = run("2026-12-03T010000Z", {"c2"}, b, "plant-b");
  EXPECT_TRUE(last.pushed && last.result) << last.reason;
  EXPECT_EQ(git("remote.git", "log --format=%s main"),
            "fleet backup 2026-12-03T010000Z: 1 of 1 changed, 0 failed\n"
            "fleet backup 2026-12-03T000000Z: 1 of 1 changed, 0 failed\n"
            "fleet backup 2026-12-02T010000Z: 1 of 1 changed, 0 failed\n"
            "fleet backup 2026-12-02T000000Z: 1 of 1 changed, 0 failed\n"
            "fleet backup 2026-12-01T000000Z: 1 of 1 changed, 0 failed\n");
  EXPECT_EQ(git("remote.git", "show main:HOSTS"), "c1 plant-a\nc2 plant-b\n");
  EXPECT_EQ(lines("remote.git", "c1"), lines("out", "c1"));
  // One controller from two hosts is refused, naming both: b knows c1's keeper from the remote.
  c1.controller.positions.locations[3][0] = 5;
  const Recorded twice = run("2026-12-04T000000Z", {"c1"}, b, "plant-b");
  EXPECT_EQ(std::tuple(twice.committed, twice.pushed, twice.result.code), std::tuple(false, false, Outcome::Refused));
  EXPECT_NE(twice.reason.find("c1 is backed up by plant-a and by plant-b"), std::string::npos) << twice.reason;
  EXPECT_EQ(Shell("git --git-dir='" + path("remote.git") + "' fsck --strict").second, 0);
}

TEST(HistoryMessage, SinceDatesAndTheKeyOfTheService) {
  for (const auto& [date, valid] : {std::pair{"2026-12-07", true},
                                    {"2026-12-07T023000Z", true},
                                    {"2026-12-7", false},
                                    {"2026-12-07T0230Z", false},
                                    {"", false}}) {
    EXPECT_EQ(IsSinceDate(date), valid) << date;
  }
  // The shipped service hands its key over as the credential the program looks for first.
  const std::string unit = test::ScratchFolder::read(ZOVA_SOURCE_DIR "/data/systemd/zova-fleet-backup.service");
  EXPECT_NE(unit.find("LoadCredential=" + std::string(kServiceKeyCredential) + ":"), std::string::npos);
  setenv("CREDENTIALS_DIRECTORY", "/run/credentials/zova-fleet-backup.service", 1);
  EXPECT_EQ(KeyCandidates().front(),
            "/run/credentials/zova-fleet-backup.service/" + std::string(kServiceKeyCredential));
}

// A disk that takes no more (a file size limit stands in for it): the reason, exit 1, and the backup and the
// branch as they were; with room again, the next run commits.
TEST_F(History, AWriteThatFailsLeavesTheBranchAsItWasAndTheNextRunCommits) {
  const backup::FleetHistory settings{path("repo"), "", "main", 60, 0};
  const Recorded before = run("2026-12-01T000000Z", {"c1"}, settings);
  c1.controller.positions.locations[7][0] = 5;
  (void)run("2026-12-02T000000Z", {"c1"}, {path("scratch-repo"), "", "main", 60, 0});  // the backup alone
  const std::vector<ControllerRun> runs{{"c1", path("out/c1/2026-12-02T000000Z"), ""}};
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{512, limit.rlim_max};
  std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const Recorded full = RecordRun(settings, "2026-12-02T000000Z", runs, {"plant-a", std::chrono::seconds(5), {}});
  setrlimit(RLIMIT_FSIZE, &limit);
  EXPECT_EQ(std::tuple(full.committed, full.result.code), std::tuple(false, Outcome::FileFailed)) << full.reason;
  EXPECT_TRUE(full.reason.starts_with(path("repo") + ": ")) << full.reason;
  EXPECT_EQ(Shell("git --git-dir='" + path("repo") + "' fsck --strict").second, 0);
  EXPECT_EQ(git("repo", "rev-parse main"), before.commit + "\n");
  EXPECT_TRUE(fs::is_regular_file(path("out/c1/2026-12-02T000000Z/ZOVALOC.dat")));
  const Recorded roomy = RecordRun(settings, "2026-12-02T000000Z", runs, {"plant-a", std::chrono::seconds(5), {}});
  EXPECT_TRUE(roomy.committed && roomy.result) << roomy.reason;
}

// Someone else's repository at the history's place is refused with its reason and left as it was; the run's
// backup stands.
TEST_F(History, ARepositoryThatIsNotAHistoryIsRefusedAndLeftAsItWas) {
  ASSERT_EQ(Shell("cd '" + path("") +
                  "' && git init -q work && git init -q -b main w && echo notes > w/README && git -C w add README && "
                  "git -C w -c user.name=a -c user.email=b commit -qm notes && git clone -q --bare w layout && "
                  "mkdir plain && echo notes > plain/notes.txt")
                .second,
            0);
  (void)run("2026-12-01T000000Z", {"c1"}, {path("detached"), "", "main", 60, 0});
  ASSERT_EQ(Shell("cd '" + path("") + "' && git --git-dir=detached update-ref --no-deref HEAD main").second, 0);
  const struct {
    const char* place;
    Outcome::Code code;
    const char* reason;
  } cases[] = {
      {"work", Outcome::FileFailed, "a repository with a working tree"},
      {"detached", Outcome::FileFailed, "its HEAD is detached from every branch"},
      {"layout", Outcome::Refused, "README is not a controller's backup folder: not a fleet history"},
      {"plain", Outcome::FileFailed, "not a git repository"},
  };
  int day = 2;
  for (const auto& c : cases) {
    const std::string stamp = "2026-12-0" + std::to_string(day++) + "T000000Z";
    const std::string refs = Shell("(cd '" + path(c.place) + "' && git show-ref; ls -A)").first;
    const Recorded refused = run(stamp, {"c1"}, {path(c.place), "", "main", 60, 0});
    EXPECT_EQ(std::tuple(refused.committed, refused.result.code), std::tuple(false, c.code)) << c.place;
    EXPECT_NE(refused.reason.find(c.reason), std::string::npos) << refused.reason;
    EXPECT_EQ(Shell("(cd '" + path(c.place) + "' && git show-ref; ls -A)").first, refs) << c.place;
    EXPECT_TRUE(fs::is_regular_file(path("out/c1/" + stamp + "/ZOVALOC.dat"))) << c.place;
  }
}

// A server whose hook refuses every push (the local transport runs no hooks: git's own daemon does), then
// lets them through: the refusal names the hook's reason, and the commit kept is pushed by the next run.
TEST_F(History, ARemoteThatRefusesThePushKeepsTheCommitForTheNextRun) {
  ASSERT_EQ(Shell("git init -q --bare '" + path("served/r.git") + "'").second, 0);
  write(path("served/r.git/hooks/pre-receive"), "#!/bin/sh\necho 'the history is frozen' >&2\nexit 1\n");
  fs::permissions(path("served/r.git/hooks/pre-receive"), fs::perms::owner_all);
  const int sock = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), length), 0);
  getsockname(sock, reinterpret_cast<sockaddr*>(&address), &length);
  close(sock);
  const std::string port = std::to_string(ntohs(address.sin_port));
  std::FILE* daemon =
      popen(("git daemon --verbose --export-all --enable=receive-pack --listen=127.0.0.1 --port=" + port +
             " --pid-file='" + path("pid") + "' --base-path='" + path("served") + "' 2>&1")
                .c_str(),
            "r");
  char line[256];
  while (std::fgets(line, sizeof line, daemon) != nullptr && std::strstr(line, "Ready to rumble") == nullptr) {
  }
  const backup::FleetHistory settings{path("repo"), "git://127.0.0.1:" + port + "/r.git", "main", 60, 0};
  const Recorded refused = run("2026-12-01T000000Z", {"c1"}, settings);
  EXPECT_EQ(std::tuple(refused.committed, refused.pushed, refused.result.code),
            std::tuple(true, false, Outcome::Rejected));
  EXPECT_NE(refused.reason.find("the remote refused the push: refs/heads/main: pre-receive hook declined"),
            std::string::npos)
      << refused.reason;
  fs::remove(path("served/r.git/hooks/pre-receive"));
  const Recorded accepted = run("2026-12-02T000000Z", {"c1"}, settings);
  EXPECT_EQ(std::tuple(accepted.committed, accepted.pushed, accepted.commit), std::tuple(false, true, refused.commit))
      << accepted.reason;
  EXPECT_EQ(git("served/r.git", "log --format=%s main"), refused.summary + "\n");
  kill(std::stoi(read(path("pid"))), SIGTERM);
  pclose(daemon);
}

TEST_F(History, AnSshServerIsTrustedOnlyWithTheKeyTheFirstKnownHostsFileListingItHolds) {
  const std::string ed = std::string("\0\0\0\x0bssh-ed25519", 15);  // what the base64 texts below hold
  const std::string rsa = std::string("\0\0\0\x07ssh-rsa", 11);
  write(path("service"),
        "# the plant's server\ngitea.plant ssh-ed25519 AAAAC3NzaC1lZDI1NTE5\n"
        "[gitea.plant]:2222 ssh-rsa AAAAB3NzaC1yc2E=\n"
        // `ssh-keygen -H` of "hashed.plant ssh-ed25519 …" and "[hashed.plant]:2222 ssh-rsa …".
        "|1|g6RY0q9WqOAUi+L4ZJtIHiQczcE=|UOUK6s60B810g+iKJ5DTN/kGCrU= ssh-ed25519 AAAAC3NzaC1lZDI1NTE5\n"
        "|1|yuFl0gUGQKlm3Q7BeV0JNEpseGM=|ugZ8sU5q+QRCuzP1zgTwNJfGpz0= ssh-rsa AAAAB3NzaC1yc2E=\n");
  write(path("home"),
        "gitea.plant ssh-rsa AAAAB3NzaC1yc2E=\nmirror,other.plant ssh-rsa AAAAB3NzaC1yc2E=\n"
        "@revoked * ssh-ed25519 AAAAC3NzaC1lZDI1NTE5\n");
  const std::vector<std::string> files{path("service"), path("home")};
  for (const auto& [host, port, key, reason] :
       {std::tuple<std::string, int, std::string, std::string>{"gitea.plant", 22, ed, ""},
        {"gitea.plant", 22, rsa, "other than the one " + path("service")},  // the first file decides
        {"gitea.plant", 2222, rsa, ""},
        {"gitea.plant", 2222, ed, "other than the one " + path("service")},
        {"other.plant", 22, rsa, ""},
        {"other.plant", 22, ed, "marks as revoked"},
        {"hashed.plant", 22, ed, ""},
        {"hashed.plant", 22, rsa, "other than the one " + path("service")},
        {"hashed.plant", 2222, rsa, ""},
        {"hashed.plant", 2200, rsa, "hashed.plant is not in"},  // the port is part of what is hashed
        {"gitea", 22, rsa, "gitea is not in " + path("service") + ", " + path("home")},
        {"unknown.plant", 22, rsa, "unknown.plant is not in"}}) {
    const Outcome checked = CheckHostKey(host, port, key, files);
    EXPECT_EQ(checked.ok(), reason.empty()) << host << ":" << port;
    EXPECT_NE(checked.detail.find(reason), std::string::npos) << checked.detail;
  }
}

}  // namespace
}  // namespace zova::history
