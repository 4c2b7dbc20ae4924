// zovactl fleet backup and diff against several zovasim processes on pseudo-terminals.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <memory>
#include <regex>

#include "backup/run_lock.h"
#include "process.h"
#include "support/scratch_dir.h"

namespace zova::test {
namespace {

namespace fs = std::filesystem;

struct FleetPty : ScratchDir {
  std::vector<std::unique_ptr<SimProcess>> sims;
  // One simulator per axis count, all paced at `baud` when given; the fleet file names them a2, a3, ... on
  // the ports dev/a2, dev/a3, ...: paths relative to the folder the runs start in.
  void start(const std::vector<int>& axes, const std::string& baud = "") {
    std::string toml;
    fs::create_directory(path("dev"));
    for (int a : axes) {
      std::vector<std::string> options{"--axes", std::to_string(a)};
      if (!baud.empty()) options.insert(options.end(), {"--baud", baud});
      sims.push_back(std::make_unique<SimProcess>(options));
      if (!sims.back()->ok()) GTEST_SKIP() << "no pseudo-terminal on this machine";
      const std::string name = "a" + std::to_string(a);
      fs::create_symlink(sims.back()->device(), path("dev/" + name));
      toml +=
          "[[controller]]\nname = \"" + name + "\"\nport = \"dev/" + name + "\"\naxes = " + std::to_string(a) + "\n";
    }
    write(path("fleet.toml"), toml);
  }
  // The end of each trace in `folder`: where a line that failed gave up.
  std::string traceEnds(const std::string& folder) {
    std::string ends;
    for (const auto& file : fs::directory_iterator(path(folder))) {
      const std::string text = read(file.path().string());
      ends += "\n" + file.path().filename().string() + ":\n" +
              text.substr(text.size() - std::min<std::size_t>(text.size(), 2000));
    }
    return ends;
  }
  RunResult fleet(std::vector<std::string> more = {}, const std::string& file = "fleet.toml",
                  std::vector<std::string> before = {}, const std::vector<SignalWhen>& interrupts = {}) {
    std::vector<std::string> args{"--lang", "en", "--timeout", kRigReplyTimeout};
    args.insert(args.end(), before.begin(), before.end());
    args.insert(args.end(), {"fleet", "backup", path(file), "--into", path("out")});
    args.insert(args.end(), more.begin(), more.end());
    const fs::path home = fs::current_path();
    fs::current_path(dir);
    RunResult result = RunProgram(ZOVACTL_PATH, args, kChildLimit, interrupts);
    fs::current_path(home);
    return result;
  }
};

TEST_F(FleetPty, BacksUpEveryLineCountsChangesAndKeepsTheNewest) {
  start({2, 3, 5});
  write(path("fleet.toml"), read(path("fleet.toml")) + "[[controller]]\nname = \"dead\"\nport = \"" +
                                path("no-such-tty") + "\"\naxes = 4\n");
  // Refused before anything opens: an axis count for all, and a folder another run is writing into.
  EXPECT_EQ(fleet({}, "fleet.toml", {"--axes", "2"}).exitCode, 2);
  fs::create_directory(path("out"));
  {
    const backup::RunLock other(path("out/.fleet.lock"));
    const RunResult busy = fleet();
    EXPECT_EQ(std::tuple(busy.exitCode, busy.err),
              std::tuple(2, path("out") + ": another fleet backup is writing into this folder\n"));
  }
  const RunResult first = fleet({}, "fleet.toml", {"--settings", "19200,n,8,1", "--trace", path("traces")});
  EXPECT_EQ(first.exitCode, 1) << first.err;
  EXPECT_NE(read(path("out/a2/latest/BACKUP.txt")).find("\r\nsettings: 19200,n,8,1\r\n"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(path("traces")), {}), 4) << "one per controller";
  EXPECT_TRUE(std::regex_search(first.err, std::regex("dead: failed: .*no-such-tty"))) << first.err;
  const std::string stamp = "\\d{4}-\\d\\d-\\d\\dT\\d{6}Z";
  const std::regex firstLines("a2 ok " + path("out/a2/") + stamp +
                              " first [0-9.]+\na3 ok .* first [0-9.]+\na5 ok .*\n" + "dead failed - - [0-9.]+\n");
  EXPECT_TRUE(std::regex_match(first.out, firstLines)) << first.out << first.err << traceEnds("traces");
  EXPECT_FALSE(fs::exists(path("out/dead")));

  // A jog and a stored location change exactly one value of a3.
  const std::vector<std::string> a3{"--port", sims[1]->device(), "--axes", "3"};
  for (std::vector<std::string> command :
       {std::vector<std::string>{"jog", "1", "+", "--ms", "200"}, {"loc-set", "5"}}) {
    command.insert(command.begin(), a3.begin(), a3.end());
    ASSERT_EQ(RunProgram(ZOVACTL_PATH, command).exitCode, 0);
  }
  fs::copy(path("out/a3/latest/"), path("old"), fs::copy_options::recursive);
  fs::remove(path("out/a5/latest"));
  fs::create_directory(path("out/a5/latest"));  // not the program's link: a failure, and it stays
  const RunResult second = fleet({"--keep", "1"}, "fleet.toml", {"--trace", path("traces2")});
  EXPECT_EQ(second.exitCode, 1);
  for (const char* line : {"\na2 ok \\S+ 0 ", "\na3 ok \\S+ 1 ", "\na5 failed \\S+ 0 "}) {
    EXPECT_TRUE(std::regex_search("\n" + second.out, std::regex(line)))
        << line << " in " << second.out << second.err << traceEnds("traces2");
  }
  EXPECT_EQ(std::count_if(fs::directory_iterator(path("out")), {},
                          [](const fs::directory_entry& e) { return e.path().extension() == ".json"; }),
            1)
      << "--keep 1 keeps one summary";

  // diff both ways between the first backup (kept aside from --keep) and the newest.
  const std::string now = path("out/a3/latest");
  const RunResult forth = RunProgram(ZOVACTL_PATH, {"--lang", "en", "diff", path("old"), now});
  const RunResult back = RunProgram(ZOVACTL_PATH, {"diff", now, path("old")});
  std::smatch value;
  ASSERT_TRUE(std::regex_match(forth.out, value, std::regex("P005 axis 1: old 0\\.00, new (\\d+\\.\\d\\d)\n")))
      << forth.out;
  EXPECT_EQ(back.out, "P005 axis 1: old " + value[1].str() + ", new 0.00\n");
  EXPECT_EQ(std::tuple(forth.exitCode, forth.err), std::tuple(4, "diff: the backups differ: 1 difference\n"));
  EXPECT_EQ(RunProgram(ZOVACTL_PATH, {"diff", now, now}).exitCode, 0);
  write(path("old/ZOVALOC.dat"), "changed\n");
  const RunResult damaged = RunProgram(ZOVACTL_PATH, {"diff", now, path("old")});
  EXPECT_EQ(damaged.exitCode, 3) << damaged.err;
}

// Side by side, the run takes about its longest line, where one line after another would take their sum;
// the seconds each line reports stretch with the machine's load as the run's own do.
TEST_F(FleetPty, ThreeLinesSideBySideTakeAboutTheTimeOfOne) {
  start({4, 3, 2}, "9600");
  const auto start = std::chrono::steady_clock::now();
  const RunResult run = fleet({"--only", "sys,axis"});
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  ASSERT_EQ(run.exitCode, 0) << run.err;
  double sum = 0;
  const std::regex line("\\S+ ok \\S+ first ([0-9.]+)\n");
  for (std::sregex_iterator i(run.out.begin(), run.out.end(), line), end; i != end; ++i) sum += std::stod((*i)[1]);
  EXPECT_LT(wall, 0.75 * sum) << run.out;
}

// A stop once the run has begun (a controller's folder is there) is reported as a stop, whatever wait it cut.
// A run killed outright leaves no temporary folder while it reads the controllers; one that a run killed
// while writing left is cleared by the next run of the fleet.
TEST_F(FleetPty, AStopLeavesNoHalfWrittenBackup) {
  start({4, 3}, "9600");
  auto hidden = [this] {  // what is left beside the backups, the run's lock apart
    return std::count_if(fs::recursive_directory_iterator(path("out")), {}, [](const fs::directory_entry& e) {
      return e.path().filename().string().starts_with(".") && e.path().filename() != ".fleet.lock";
    });
  };
  const RunResult stopped = fleet({}, "fleet.toml", {}, {{SIGTERM, "", path("out/a3")}});
  EXPECT_EQ(stopped.exitCode, 128 + SIGTERM) << stopped.err;
  const std::string stop = "failed: stopped before the backup was complete\n";
  EXPECT_NE(stopped.err.find("\na4: " + stop + "a3: " + stop), std::string::npos) << stopped.err;
  EXPECT_EQ(hidden(), 0);
  // A kill -9 may leave a temporary folder, whenever it lands; the next run sweeps it with the planted one.
  (void)fleet({}, "fleet.toml", {}, {{SIGKILL, "", path("out/a3")}});
  fs::create_directories(path("out/a3/.2019-01-01T000000Z.zova-Ab12Cd"));
  write(path("fleet.toml"), read(path("fleet.toml")) + "[defaults]\nhandshake-timeout = 2\ntimeout = 2\n");
  (void)fleet({"--only", "sys"});
  EXPECT_EQ(hidden(), 0);
}

}  // namespace
}  // namespace zova::test
