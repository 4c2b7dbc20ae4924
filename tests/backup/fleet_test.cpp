// The fleet file's refusals with their lines, defaults, folder names and pruning of old backups.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

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
      {head +
           "[[controller]]\nname = \"b\"\nport = \"tcp://h:1\"\n[[controller]]\nname = \"c\"\nport = \"tcp://h:1\"\n",
       {10, "controllers b and c are on one line, tcp://h:1"}},
      {"[defaults]\naxes = 4\n", {0, "no [[controller]] table"}},
      {"[defaults\n", {1, ""}},
  };
#ifndef _WIN32  // device names are paths here: two spellings of one device are one line
  cases.push_back(
      {"[defaults]\naxes = 4\n[[controller]]\nname = \"x\"\nport = \"/dev/pts/9\"\n[[controller]]\n"
       "name = \"y\"\nport = \"/dev/../dev/pts/9\"\n",
       {6, "controllers x and y are on one line, /dev/pts/9"}});
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

TEST(FleetFile, ControllersTakeTheDefaultsTheyDoNotSet) {
  std::vector<FleetMember> members;
  ASSERT_FALSE(ReadFleet("[defaults]\naxes = 4\ntimeout = 2.5\nsettings = \"19200,n,8,1\"\n\n[[controller]]\n"
                         "name = \"a\"\nport = \"sim\"\n[[controller]]\nname = \"b.2\"\nport = \"sim\"\naxes = 3\n"
                         "machine-type = 2\nhandshake-timeout = 7\n",
                         members)
                   .failed());
  EXPECT_EQ(members, (std::vector<FleetMember>{{"a", "sim", "19200,n,8,1", 4, 0, 2.5, 100, 6},
                                               {"b.2", "sim", "19200,n,8,1", 3, 2, 2.5, 7, 9}}));
}

TEST(FleetFolders, StampsAreUtcAndOnlyBackupFoldersArePruned) {
  using namespace std::chrono;
  EXPECT_EQ(FleetStamp(sys_days{2024y / 5 / 1} + 14h + 3min + 9s + 700ms), "2024-05-01T140309Z");
  test::ScratchFolder scratch(fs::temp_directory_path() / "zova-fleet-prune");
  const std::vector<std::string> stamps{"2024-05-01T140309Z", "2024-05-02T140309Z", "2024-05-03T140309Z",
                                        "2024-05-04T140309Z"};
  for (const std::string& s : stamps) fs::create_directory(scratch.path(s));
  fs::create_directory(scratch.path("2024-05-0xT140309Z"));     // not of the form
  scratch.write(scratch.path("2024-05-09T140309Z"), "a file");  // not a folder
#ifdef _WIN32
  GTEST_SKIP() << "making a symbolic link needs a privilege on Windows";
#endif
  fs::create_directory_symlink(stamps[0], scratch.path("latest"));
  std::string error;
  EXPECT_EQ(PruneBackups(scratch.dir.string(), 2, error), (std::vector<std::string>{stamps[1]}));
  EXPECT_EQ(error, "");
  for (const char* kept : {"2024-05-0xT140309Z", "2024-05-09T140309Z", "2024-05-01T140309Z", "2024-05-03T140309Z"}) {
    EXPECT_TRUE(fs::exists(scratch.path(kept))) << kept;
  }
}

}  // namespace
}  // namespace zova::backup
