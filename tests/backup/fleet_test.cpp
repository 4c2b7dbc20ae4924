// The fleet file's refusals with their lines, defaults, folder names and pruning of old backups.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "backup/backup_files.h"
#include "backup/fleet.h"
#include "support/language_guard.h"
#include "support/scratch_dir.h"

namespace zova::backup {
namespace {

namespace fs = std::filesystem;

TEST(FleetFile, EachMistakeIsNamedByItsLine) {
  const test::LanguageGuard english(Language::English);  // it checks the English texts
  const std::string head = "[defaults]\naxes = 4\n\n[[controller]]\nname = \"a\"\nport = \"sim\"\n";
  struct Case {
    std::string text;
    TextFault fault;
  };
  std::vector<Case> cases = {
      {head + "colour = 1\n", {7, "colour: unknown key"}},
      {"[defaults]\nport = \"sim\"\n", {2, "port: unknown key"}},
      {"axes = 4\n", {1, "axes: unknown key"}},
      {head + "axes = 9\n", {7, "axes: expected a whole number from 2 to 6"}},
      {head + "timeout = 0\n", {7, "timeout: expected seconds above 0"}},
      {head + "settings = \"9600,x,8,1\"\n", {7, ""}},
      {head + "machine-type = \"1\"\n", {7, "machine-type: expected a whole number from 0 to 2"}},
      {"[defaults]\naxes = 4\n[[controller]]\nname = \"a\"\n", {3, "controller a has no port"}},
      {"[[controller]]\nname = \"a\"\nport = \"sim\"\n", {1, "controller a has no axes (here or in [defaults])"}},
      {head + "[[controller]]\nport = \"sim\"\n", {7, "controller without a name"}},
      {head + "[[controller]]\nname = \"a\"\nport = \"sim\"\n", {7, "the name a is used twice (first at line 4)"}},
      {head + "[[controller]]\nname = \"b/c\"\n", {8, ""}},
      {head + "[[controller]]\nname = \"A\"\nport = \"sim\"\n",
       {7, "the names a (line 4) and A differ only in case: they would share a folder"}},
      // One endpoint however it is written: the scheme, a name and its address, the case of a name.
      {head + "[[controller]]\nname = \"b\"\nport = \"tcp://127.0.0.1:1\"\n[[controller]]\nname = \"c\"\n"
              "port = \"rfc2217://127.0.0.1:1\"\n",
       {10, "controllers b and c are on one line: tcp://127.0.0.1:1 and rfc2217://127.0.0.1:1"}},
      {head + "[[controller]]\nname = \"b\"\nport = \"tcp://localhost:2\"\n[[controller]]\nname = \"c\"\n"
              "port = \"tcp://127.0.0.1:2\"\n",
       {10, ""}},
      {head + "[[controller]]\nname = \"b\"\nport = \"tcp://No.Such.Host.invalid:3\"\n[[controller]]\nname = \"c\"\n"
              "port = \"tcp://no.such.host.INVALID:3\"\n",
       {10, ""}},
      {"[defaults]\naxes = 4\n", {0, "no [[controller]] table"}},
      {"[defaults\n", {1, ""}},
  };
#ifndef _WIN32  // device names are paths here, a bare name one under /dev: two spellings of one device are one line
  cases.push_back(
      {"[defaults]\naxes = 4\n[[controller]]\nname = \"x\"\nport = \"ttyZ9\"\n[[controller]]\n"
       "name = \"y\"\nport = \"/dev/../dev/ttyZ9\"\n",
       {6, "controllers x and y are on one line: ttyZ9 and /dev/../dev/ttyZ9"}});
#endif
  for (const auto& c : cases) {
    std::vector<FleetMember> members;
    const TextFault fault = ReadFleet(c.text, members);
    EXPECT_EQ(fault.line, c.fault.line) << c.text;
    EXPECT_TRUE(fault.failed()) << c.text;
    if (!c.fault.message.empty()) {
      EXPECT_EQ(fault.message, c.fault.message) << c.text;
    }
  }
}

// The [history] table: what it sets, and each mistake by its line (the controllers come first, lines 1-2).
TEST(FleetFile, TheHistoryTable) {
  const test::LanguageGuard english(Language::English);
  const std::string head = "[[controller]]\nname = \"a\"\nport = \"sim\"\naxes = 2\n[history]\n";
  const std::pair<std::string, TextFault> cases[] = {
      {"git = \"h\"\nremote = \"ssh://g/p.git\"\nbranch = \"site/a\"\ntimeout = 5\n", {}},
      {"remote = \"x\"\n", {5, "[history] without git = \"PATH\""}},
      {"git = \"h\"\nbranch = \"a..b\"\n", {7, "branch: \"a..b\" is not a branch name"}},
      {"git = \"h\"\nbranch = \"x.lock\"\n", {7, "branch: \"x.lock\" is not a branch name"}},
      {"git = 3\n", {6, "git: expected a string"}},
      {"git = \"h\"\ntimeout = 0\n", {7, "timeout: expected seconds above 0"}},
      {"git = \"h\"\nuser = \"me\"\n", {7, "user: unknown key"}},
  };
  for (const auto& [text, fault] : cases) {
    std::vector<FleetMember> members;
    FleetHistory history;
    const TextFault read = ReadFleet(head + text, members, {}, SystemLookup(), &history);
    EXPECT_EQ(std::tuple(read.line, read.message), std::tuple(fault.line, fault.message)) << text;
  }
  std::vector<FleetMember> members;
  FleetHistory history;
  ASSERT_FALSE(ReadFleet(head + std::string(cases[0].first), members, {}, SystemLookup(), &history).failed());
  EXPECT_EQ(history, (FleetHistory{"h", "ssh://g/p.git", "site/a", 5, 5}));
  EXPECT_EQ(ReadFleet(head + "git = \"h\"\n", members).line, 5) << "unknown where no history is kept";
}

// The command line's options are defaults under the file's [defaults], which are under the controller's own.
TEST(FleetFile, ControllersTakeTheDefaultsTheyDoNotSet) {
  std::vector<FleetMember> members;
  const FleetMember base{"", "", "38400,e,7,1", 0, 1, 9, 3, 0};
  ASSERT_FALSE(ReadFleet("[defaults]\naxes = 4\ntimeout = 2.5\nsettings = \"19200,n,8,1\"\n\n[[controller]]\n"
                         "name = \"a\"\nport = \"sim\"\n[[controller]]\nname = \"b.2\"\nport = \"sim\"\naxes = 3\n"
                         "machine-type = 2\nhandshake-timeout = 7\n",
                         members, base)
                   .failed());
  EXPECT_EQ(members, (std::vector<FleetMember>{{"a", "sim", "19200,n,8,1", 4, 1, 2.5, 3, 6},
                                               {"b.2", "sim", "19200,n,8,1", 3, 2, 2.5, 7, 9}}));
}

// Pruning keeps the newest backups, the one `latest` names and the newest of each part; a folder stamped
// after the run ranks below the others; what is not a backup stays. Summaries are kept to the same count.
TEST(FleetFolders, PruningKeepsWhatARestoreMayNeedAndTouchesOnlyBackups) {
  using namespace std::chrono;
  EXPECT_EQ(FleetStamp(sys_days{2024y / 5 / 1} + 14h + 3min + 9s + 700ms), "2024-05-01T140309Z");
  test::ScratchFolder scratch(fs::temp_directory_path() / "zova-fleet-prune");
  const std::string now = "2024-05-10T000000Z";
  const std::pair<std::string, std::string> backups[] = {{"2024-05-01T000000Z", "programs,loc,sft,sys,axis"},
                                                         {"2024-05-02T000000Z", "programs,loc,sft,sys,axis"},
                                                         {"2024-05-03T000000Z", "programs"},
                                                         {"2024-05-04T000000Z", "loc"},
                                                         {"2024-05-05T000000Z", "loc"},
                                                         {"2030-01-01T000000Z", "programs,loc,sft,sys,axis"}};
  for (const auto& [stamp, parts] : backups) {
    fs::create_directory(scratch.path(stamp));
    Manifest manifest{"", "sim", "9600,n,8,1", 4, 0, "1", {}};
    std::string error;
    ASSERT_TRUE(Parts::Parse(parts, manifest.included, error));
    scratch.write(scratch.path(stamp + "/BACKUP.txt"), ManifestText(manifest));
    scratch.write(scratch.path(stamp + "/SHA256SUMS"), "");
    scratch.write(scratch.path("fleet-" + stamp + ".json"), "[]\n");
  }
  fs::create_directory(scratch.path("2019-01-01T000000Z"));  // the user's, not a backup
  scratch.write(scratch.path("2019-01-01T000000Z/mine.txt"), "mine");
  std::string error;
  EXPECT_EQ(PruneSummaries(scratch.dir.string(), 2, now, error),
            (std::vector<std::string>{"fleet-2024-05-03T000000Z.json", "fleet-2024-05-02T000000Z.json",
                                      "fleet-2024-05-01T000000Z.json", "fleet-2030-01-01T000000Z.json"}));
#ifdef _WIN32
  GTEST_SKIP() << "making a symbolic link needs a privilege on Windows";
#endif
  fs::create_directory_symlink("2024-05-01T000000Z", scratch.path("latest"));
  EXPECT_EQ(PruneBackups(scratch.dir.string(), 1, now, error),
            (std::vector<std::string>{"2024-05-04T000000Z", "2030-01-01T000000Z"}));
  EXPECT_EQ(error, "");
  EXPECT_TRUE(fs::exists(scratch.path("2019-01-01T000000Z/mine.txt")));
}

}  // namespace
}  // namespace zova::backup
