// zovactl record and alarms against the built-in simulator running a script: the file holds the scripted
// change once and sigrok reads the same changes from its VCD; the error reaches the alarm log; Ctrl-C ends
// the recording with a complete file; a trigger on a signal not recorded is refused.
#include <gtest/gtest.h>
#include <signal.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "process.h"
#include "support/scratch_dir.h"

namespace zova::test {
namespace {

struct Record : ScratchDir {
  RunResult ctl(std::vector<std::string> args, const std::vector<SignalWhen>& signals = {}) {
    args.insert(args.begin(), {"--lang", "en", "--port", "sim", "--axes", "2", "--trace", path("trace"),
                               "--sim-options=--script " + path("script")});
    ::setenv("XDG_DATA_HOME", dir.c_str(), 1);
    RunResult r = RunProgram(ZOVACTL_PATH, args, kChildLimit, signals);
    ::unsetenv("XDG_DATA_HOME");
    return r;
  }
};

// "time value" of each change of the last column of a CSV (ours: ISO times; sigrok's: one row a microsecond
// from the first sample).
std::vector<std::string> Changes(const std::string& csv, bool sigrok) {
  std::vector<std::string> changes;
  std::istringstream lines(csv);
  std::string line, last;
  for (long row = 0; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == ';' || line.starts_with("time") || line.starts_with("logic") ||
        line.starts_with("META")) {
      continue;
    }
    const std::string value = line.substr(line.rfind(',') + 1);
    if (value != last) changes.push_back((sigrok ? std::to_string(row) : line.substr(17, 6)) + " " + value);
    last = value;
    ++row;
  }
  return changes;
}

TEST_F(Record, TheScriptedChangesReachTheFilesAndTheErrorTheAlarmLog) {
  write(path("script"), "0.3 in 3 on\n0.6 error 4 1\n");
  const RunResult csv =
      ctl({"record", "--signals", "in3,error", "--interval", "50", "--for", "1s", "--out", path("r.csv")});
  ASSERT_EQ(csv.exitCode, 0) << csv.err;
  const std::string text = read(path("r.csv"));
  EXPECT_TRUE(text.starts_with("time,in03 RUN/STOP,error code,error value\r\n")) << text;
  std::vector<std::string> states;  // the values of each row that differs from the one before
  std::istringstream rows(text.substr(text.find('\n') + 1));
  for (std::string row; std::getline(rows, row);) {
    if (states.empty() || row.substr(25) != states.back()) states.push_back(row.substr(25));
  }
  // Each change once, in order (a machine that stalls a second may show both in one row).
  ASSERT_GE(states.size(), 2u) << text;
  EXPECT_EQ(std::tuple(states.front(), states.back(), states.size() <= 3), std::tuple("0,0,0\r", "1,4,1\r", true))
      << text;
  // The error command logs what it reads, once while the same report stands.
  write(path("script"), "0 error 5 2\n");
  for (int i = 0; i < 2; ++i) EXPECT_EQ(ctl({"error"}).exitCode, 0);
  const RunResult alarms = ctl({"alarms", "--csv"});
  EXPECT_EQ(std::count(alarms.out.begin(), alarms.out.end(), '\n'), 3) << alarms.out;
  EXPECT_NE(alarms.out.find(",5,2,\"Error code 5, error value 2\",sim,\r\n20"), std::string::npos) << alarms.out;
  EXPECT_TRUE(alarms.out.ends_with(",4,1,\"Error code 4, error value 1\",sim,\r\n")) << alarms.out;

  // sigrok reads the bits of the VCD (its 0.5 passes over vectors) with the same changes at the same times.
  if (std::system("command -v sigrok-cli >/dev/null") != 0) GTEST_SKIP() << "no sigrok-cli";
  write(path("script"), "0.3 in 3 on\n1.3 in 3 off\n");
  ASSERT_EQ(ctl({"record", "--signals", "in3", "--interval", "50", "--for", "2s", "--out", path("r.vcd")}).exitCode, 0);
  ASSERT_EQ(std::system(("sigrok-cli -I vcd -i '" + path("r.vcd") + "' -O csv > '" + path("s.csv") + "'").c_str()), 0);
  std::vector<std::string> ours;
  long first = -1;
  std::istringstream vcd(read(path("r.vcd")));
  for (std::string line, time; std::getline(vcd, line);) {
    if (line.starts_with("#")) time = line.substr(1);
    if (first < 0 && !time.empty()) first = std::stol(time);
    if (line == "0\"" || line == "1\"")
      ours.push_back(std::to_string(std::stol(time) - first) + " " + line.substr(0, 1));
  }
  EXPECT_EQ(Changes(read(path("s.csv")), true), ours);
  EXPECT_GE(ours.size(), 2u) << "the first value and at least one change";
}

TEST_F(Record, CtrlCEndsWithACompleteFileAndAWrongTriggerIsRefused) {
  write(path("script"), "");
  const RunResult stopped =
      ctl({"record", "--signals", "in", "--out", path("r.csv")}, {{SIGINT, "> 1B", path("trace")}});
  EXPECT_EQ(stopped.exitCode, 130) << stopped.err;
  const std::string text = read(path("r.csv"));
  EXPECT_TRUE(text.ends_with("\r\n") && std::count(text.begin(), text.end(), '\n') >= 2) << text;
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 3) << "script, trace and r.csv alone";
  const RunResult refused = ctl({"record", "--signals", "in3", "--trigger", "in4:rise", "--out", path("t.csv")});
  EXPECT_EQ(std::tuple(refused.exitCode, refused.err),
            std::tuple(2, "zovactl record: in4:rise: the recording does not read in04 PAUSE\n"));
}

}  // namespace
}  // namespace zova::test
