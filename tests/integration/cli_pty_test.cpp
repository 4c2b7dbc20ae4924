// zovactl against zovasim over a real pseudo-terminal, through the QSerialPort adapter.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <regex>

#include "firmware/hex_builder.h"
#include "process.h"
#include "support/scratch_dir.h"

namespace zova::test {
namespace {

struct CliPty : ScratchDir {
  std::unique_ptr<SimProcess> sim;
  void start(const std::vector<std::string>& options = {}) {
    sim = std::make_unique<SimProcess>(options);
    if (!sim->ok()) GTEST_SKIP() << "no pseudo-terminal on this machine";
  }
  RunResult ctl(std::vector<std::string> args) {
    if (std::find(args.begin(), args.end(), "--timeout") == args.end()) {
      args.insert(args.begin(), {"--timeout", kRigReplyTimeout});
    }
    args.insert(args.begin(), {"--port", sim->device()});
    return RunProgram(ZOVACTL_PATH, args);
  }
};

TEST_F(CliPty, StatusCommandsPrintTheirFormsAndRefuseWrongInput) {
  start({"--axes", "3", "--input", "0", "--input", "63"});
  struct Case {
    std::vector<std::string> args;
    int exit;
    std::string out;
  } cases[] = {
      {{"positions"}, 2, ""},  // refused input: exit 2 before the line is touched
      {{"set-output", "7", "on"}, 2, ""},
      {{"set-output", "64", "on"}, 2, ""},
      {{"servo", "maybe"}, 2, ""},
      {{"alarm-reset"}, 0, ""},
      {{"servo", "on"}, 0, ""},
      {{"outputs"}, 0, "2 3\n"},
      {{"inputs"}, 0, "0 63\n"},
      {{"--axes", "3", "sensors"}, 0, "1 00000100\n2 00000100\n3 00000100\n"},
      {{"--axes", "3", "positions"}, 0, "command 0.00 0.00 0.00\nactual 0.00 0.00 0.00\n"},
      {{"set-output", "8", "on"}, 0, ""},
      {{"outputs"}, 0, "2 3 8\n"},
      {{"error"}, 0, "Error Code : 0, Error Value : 0\n"},
      {{"servo", "off"}, 0, ""},
      {{"outputs"}, 0, "3 8\n"},
      {{"close"}, 0, ""},
  };
  for (const Case& c : cases) {
    RunResult r = ctl(c.args);
    EXPECT_EQ(r.exitCode, c.exit) << c.args.back() << ": " << r.err;
    EXPECT_EQ(r.out, c.out) << c.args.back();
  }
}

// A silent controller ends the handshake with its own message, and a console command's second exchange (the
// outputs' refresh) does not wait for it again; a ping says what it waits for, and shows no second message.
TEST_F(CliPty, ControllerFaultsEndInExitOneWithTheMessage) {
  struct Case {
    std::vector<std::string> sim;
    std::string command, message;
  } cases[] = {
      {{"--wrong-echo"}, "outputs", "통신이상 발생\n"},
      {{"--silence-after", "0"}, "alarm-reset", "통신이 연결되지 않았습니다.\n통신이상 발생\n"},
      {{"--silence-after", "0"},
       "ping",
       "{device}에서 제어기의 응답을 기다리는 중입니다 (최대 5초) …\n통신이 연결되지 않았습니다.\n"},
  };
  for (const Case& c : cases) {
    start(c.sim);
    if (IsSkipped()) return;
    const RunResult r = ctl({"--timeout", "0.5", "--handshake-timeout", "0.3", c.command});
    EXPECT_EQ(r.exitCode, 1) << c.command;
    EXPECT_EQ(r.err, std::regex_replace(c.message, std::regex("\\{device\\}"), sim->device())) << c.command;
  }
}

using CliProcess = ScratchDir;

// Help goes to standard output with exit 0; whatever the parser refuses is wrong usage: exit 2, the reason
// and the usage line on standard error, nothing on standard output. A failure the operation itself shows no
// message for still leaves a line on standard error.
TEST_F(CliProcess, HelpRefusedArgumentsAndQuietFailuresSayWhy) {
  const std::string ctl = ZOVACTL_PATH, usage = "usage: zovactl [OPTIONS] COMMAND [ARGS...] (zovactl --help)\n",
                    ping = "usage: zovactl [OPTIONS] ping\n",
                    backup = "usage: zovactl [OPTIONS] backup DIR [--only LIST]\n";
  write(path("F.HEX"), ":0400000001020304F2\r\n:00000001FF\r\n");
  struct Case {
    std::string program;
    std::vector<std::string> args;
    int exit;
    std::string outStart;
    std::string err;
  } cases[] = {
      {ctl, {"--help"}, 0, "Usage: zovactl [OPTIONS] COMMAND [ARGS...]\n\noptions:\n", ""},
      {ctl, {"--port", "sim", "loc", "--help"}, 0, "usage: zovactl [OPTIONS] loc receive single N", ""},
      // A refusal names the option and, once one is named, the command, with the command's usage.
      {ctl, {"--bogus", "ping"}, 2, "", "zovactl ping: unknown option --bogus\n" + ping},
      {ctl,
       {"--port", "sim", "--axes", "4", "backup", "--dir", "b/"},
       2,
       "",
       "zovactl backup: unknown option --dir\n" + backup},
      {ctl, {"--axes", "0x3", "ping"}, 2, "", "zovactl ping: --axes: takes 2 to 6, not 0x3\n" + ping},
      // The program's options mean the same after the command (none counts twice: the language test below), and
      // no line settings are replaced by others the port can apply.
      {ctl, {"ping", "--quiet", "--port", "sim"}, 0, "ok\n", ""},
      {ctl,
       {"--settings", "9600,n,4,1", "ping"},
       2,
       "",
       "zovactl ping: --settings: Invalid property value: \"9600,n,4,1\" (serial ports here take 5 to 8 data bits and "
       "1 or "
       "2 stop bits)\n" +
           ping},
      {ctl, {"--port", "sim", "frob"}, 2, "", "zovactl: unknown command frob\n" + usage},
      {ctl, {"--quiet"}, 2, "", "zovactl: no command given\n" + usage},
      // A command that takes no arguments refuses them before any port opens (one flag of the command table).
      {ctl, {"ping", "1"}, 2, "", "zovactl ping: unexpected word 1\n" + ping},
      {ctl, {"--port", "sim", "run", "4.5"}, 2, "", "zovactl run: N takes a whole number, not 4.5\n"},
      {ctl,
       {"--port", "sim", "--quiet", "--sim-options", "--wrong-echo", "firmware", path("F.HEX")},
       1,
       "Downloading error!",
       "zovactl: the controller or the link failed (exit 1)\n"},
      // Where the bytes belong is said before the erase, the result once.
      {ctl,
       {"--port", "sim", "firmware", path("F.HEX")},
       0,
       "Downloading success!\n",
       "F.HEX: 4 bytes for addresses 0x00000000 to 0x00000003\nDeleting Flash ROM Data. Wait...\n"},
      {ctl, {"--port", "/dev/zova-no-such-port", "outputs"}, 1, "", "/dev/zova-no-such-port: no such serial port\n"},
      {ctl,
       {"--port", "sim", "--trace", "/dev/full", "ping"},
       3,
       "",
       "cannot write the trace /dev/full: No space left on device\n"},
      {ZOVASIM_PATH,
       {"--baud", "9600.5"},
       2,
       "",
       "zovasim: --baud: takes 0 to 4000000, not 9600.5\nusage: zovasim [OPTIONS] (zovasim --help)\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = c.args;
    args.insert(args.begin(), {"--lang", "en"});
    const RunResult r = RunProgram(c.program, args);
    EXPECT_EQ(r.exitCode, c.exit) << c.args.back();
    EXPECT_TRUE(c.outStart.empty() ? r.out.empty() : r.out.starts_with(c.outStart)) << r.out;
    EXPECT_EQ(r.err, c.err);
  }
}

// The child's locale as a shell passes it: LANG alone, LC_ALL and LC_MESSAGES (which outrank it) unset.
RunResult RunWithLang(const std::string& lang, const std::string& program, std::vector<std::string> args) {
  args.insert(args.begin(), {"-u", "LC_ALL", "-u", "LC_MESSAGES", "LANG=" + lang, program});
  return RunProgram("/usr/bin/env", args);
}

// A reason reads in English with --lang en (over a Korean LANG) exactly as with an English LANG; a Korean or
// C locale reads Korean, the original's texts as they were. The exit status is the same in all four.
TEST_F(CliProcess, ReasonsFollowTheLanguageAndTheExitStatusDoesNot) {
  write(path("far.dat"), "MVE P9999\r\nSTOP\r\n[EOF]\r\n");
  struct Case {
    std::string program;
    std::vector<std::string> args;
    int exit;
    std::string english, korean;  // a part of standard error in each language
  } cases[] = {
      {ZOVACTL_PATH, {"ping"}, 2, "this command needs --port DEVICE (or --port sim)", "이 명령에는 --port DEVICE"},
      {ZOVACTL_PATH,
       {"--axes", "3", "ping", "--axes", "4"},
       2,
       "zovactl ping: --axes: given more than once\nusage: zovactl [OPTIONS] ping\n",
       "--axes: 두 번 이상"},
      {ZOVASIM_PATH, {"--axes", "0"}, 2, "zovasim: --axes: takes 1 to 6, not 0\nusage: zovasim", "사용법: zovasim"},
      {ZOVACTL_PATH, {"compile", path("far.dat")}, 1, ":1: Location number out of range\n", ":1: LOC 번호 초과\n"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> chosen = c.args;
    chosen.insert(chosen.begin(), {"--lang", "en"});
    const RunResult runs[] = {RunWithLang("ko_KR.UTF-8", c.program, chosen),
                              RunWithLang("en_US.UTF-8", c.program, c.args),
                              RunWithLang("ko_KR.UTF-8", c.program, c.args), RunWithLang("C.UTF-8", c.program, c.args)};
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(runs[i].exitCode, c.exit) << c.args.back() << " " << i << ": " << runs[i].err;
      EXPECT_NE(runs[i].err.find(i < 2 ? c.english : c.korean), std::string::npos) << i << ": " << runs[i].err;
    }
    EXPECT_EQ(runs[0].err, runs[1].err) << c.args.back();
  }
}

// What scripts read does not change with the language: standard output, the files written, the exit status.
TEST_F(CliProcess, DataFormsAreTheSameInEveryLanguage) {
  write(path("far.dat"), "MVE P5 ;가\r\nSTOP\r\n[EOF]\r\n");
  write(path("records"), "01100005 00000000\n79200001 00020003\nFF000000 00000000\n");
  struct Case {
    std::vector<std::string> args;  // "{f}": a file of the language's own
    int exit;
  } cases[] = {
      {{"compile", path("far.dat")}, 0},
      {{"list", path("records")}, 0},
      {{"--port", "sim", "--axes", "3", "positions"}, 0},
      {{"--port", "sim", "--sim-options", "--input 5", "inputs"}, 0},
      {{"--port", "sim", "--sim-options", "--error 96 0", "error"}, 0},
      {{"--port", "sim", "--axes", "3", "loc", "receive", "single", "5"}, 0},
      {{"--port", "sim", "--axes", "3", "sft", "receive", "all", "--file", "{f}"}, 0},
      {{"--port", "sim", "--axes", "3", "syspara", "fetch", "--file", "{f}"}, 0},
      {{"--port", "sim", "program", "receive", "0", "{f}"}, 0},
  };
  for (const Case& c : cases) {
    RunResult runs[2];
    std::string files[2];
    for (int k = 0; k < 2; ++k) {
      std::vector<std::string> args = {"--lang", k == 0 ? "ko" : "en"};
      for (const std::string& word : c.args) args.push_back(word == "{f}" ? path(args[1] + ".out") : word);
      std::filesystem::remove(path(args[1] + ".out"));
      runs[k] = RunWithLang("C.UTF-8", ZOVACTL_PATH, args);
      files[k] = read(path(args[1] + ".out"));
      EXPECT_EQ(runs[k].exitCode, c.exit) << c.args.back() << ": " << runs[k].err;
    }
    EXPECT_EQ(runs[0].out, runs[1].out) << c.args.back();
    EXPECT_EQ(files[0], files[1]) << c.args.back();
    EXPECT_EQ(c.exit == 0, !(runs[0].out + files[0]).empty()) << c.args.back() << ": there is something to compare";
  }
}

// Each signal is sent once the program has shown (in its trace or on standard error) that it got to the wait
// the case is about. Ctrl-C or a hang-up ends a jog with the stop on the wire; SIGTERM ends a transfer between
// two exchanges and leaves its file as it was; Ctrl-C ends a silent controller's handshake, the wait that
// follows a failed one and the link check at once, and a backup stopped there names no communication error; a
// second Ctrl-C ends a backup at once and leaves neither a temporary folder nor half a trace line; a firmware
// download past its erase outlives two Ctrl-C; a closed standard output ends the operation like a signal. A
// stop that was not honoured runs into the time limit.
TEST_F(CliProcess, SignalsAndAClosedOutputEndTheOperationSafely) {
  std::string old;
  for (int n = 0; n < 2500; ++n)
    old += (n < 10 ? "P00" : n < 100 ? "P0" : "P") + std::to_string(n) + " = 1.00 0.00 0.00 0.00 0.00 0.00\r\n";
  write(path("loc"), old);
  write(path("f.hex"), test::HexText(28000));
  const std::string trace = path("trace"), by = "; stopped after the last complete exchange\n";
  const std::string stopping = "(once more to quit at once)\n", interrupted = "zovactl: interrupted by Ctrl-C" + by;
  using Words = std::vector<std::string>;
  const Words jog = {"--axes", "2", "jog", "1", "+", "--ms", "60000"};
  const Words locAll = {"--axes", "2", "--sim-options=--baud 9600", "loc", "receive", "all", "--file", path("loc")};
  const Words silentBackup = {"--sim-options=--silence-after 0", "--axes", "4", "backup", path("b")};
  const Words slowBackup = {"--sim-options=--baud 9600", "--axes", "4", "backup", path("b")};
  const Words firmware = {"--sim-options=--baud 38400", "firmware", path("f.hex")};
  const SignalWhen jogging{SIGINT, "> 27[\\s\\S]*< 16", trace}, waiting{SIGINT, "> 01", trace};
  const SignalWhen pastErase{SIGINT, "bytes complete", ""}, again{SIGINT, "by itself[\\s\\S]*bytes complete", ""};
  struct Case {
    Words args;
    std::vector<SignalWhen> signals;  // none: standard output is closed instead
    int exit;
    std::string errEnd;
  } cases[] = {
      {jog, {jogging}, 130, interrupted},
      {jog, {{SIGHUP, jogging.after, trace}}, 129, "by SIGHUP" + by},
      {locAll, {{SIGTERM, "> 03[\\s\\S]*< 03", trace}}, 143, "by SIGTERM" + by},
      {{"--sim-options=--silence-after 0", "servo", "on"}, {waiting}, 130, stopping + interrupted},
      {{"--sim-options=--silence-after 0", "ping"}, {{SIGINT, "> 05", trace}}, 130, stopping + interrupted},
      {silentBackup, {waiting}, 130, stopping + "backup: no backup was written\n" + interrupted},
      {slowBackup, {{SIGINT, "> 07[\\s\\S]*< 07", trace}, {SIGINT, "once more", ""}}, 130, stopping},
      {firmware, {pastErase, again}, 0, "28,000 bytes complete\n"},
      {{"--axes", "4", "loc", "receive", "single", "5"}, {}, 141, "closed by its reader" + by},
  };
  for (const Case& c : cases) {
    Words args = c.args;
    args.insert(args.begin(), {"--lang", "en", "--port", "sim", "--trace", trace});
    std::filesystem::remove(trace);
    const RunResult r = RunProgram(ZOVACTL_PATH, args, std::chrono::seconds(20), c.signals, c.signals.empty());
    EXPECT_EQ(r.exitCode, c.exit) << c.args.back() << ": " << r.err;
    EXPECT_TRUE(r.err.ends_with(c.errEnd)) << c.args.back() << ": " << r.err;
    EXPECT_TRUE(c.args != jog || read(trace).find("> 18") != std::string::npos) << "the stop sent";
    EXPECT_TRUE(read(trace).ends_with("\n")) << c.args.back() << ": the trace ends with a whole line";
    for (const auto& entry : std::filesystem::directory_iterator(dir))
      EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path() << " left by " << c.args.back();
  }
  EXPECT_EQ(read(path("loc")), old);
}

TEST_F(CliPty, AStoredSettingTheControlRejectsIsReportedAndTheDefaultUsed) {
  start();
  std::filesystem::create_directories(dir / "ZOVA");
  write(path("ZOVA/ZOVA.conf"), "[Properties]\nSettings=abc\n");
  ::setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
  const RunResult r = ctl({"ping"});
  ::unsetenv("XDG_CONFIG_HOME");
  EXPECT_EQ(r.exitCode, 0) << r.err;
  EXPECT_NE(r.err.find("abc"), std::string::npos) << r.err;
}

// zovasim --state keeps a controller across restarts: a backup taken from one simulator is restored into
// another, which still holds it after it was stopped and started again.
TEST_F(CliPty, ABackupMovesBetweenSimulatorsThatKeepTheirState) {
  write(path("p.dat"), "MVE P0001 ;첫 줄\r\nSTOP\r\n[EOF]\r\n");
  start({"--axes", "4", "--state", path("a.state")});
  EXPECT_EQ(ctl({"program", "send", "5", path("p.dat")}).exitCode, 0);
  const RunResult saved = ctl({"--axes", "4", "backup", path("b")});
  EXPECT_EQ(saved.exitCode, 0) << saved.err;
  sim.reset();  // the first simulator saves and goes before the second reads its own file
  start({"--axes", "4", "--state", path("c.state")});
  const RunResult restored = ctl({"--axes", "4", "restore", path("b")});
  EXPECT_EQ(restored.exitCode, 0) << restored.err;
  sim.reset();
  start({"--state", path("c.state")});
  const RunResult compared = ctl({"--axes", "4", "compare", path("b")});
  EXPECT_EQ(compared.exitCode, 0) << compared.out << compared.err;
}

// A digest the system cannot make fails the backup, with no folder left, rather than writing a SHA256SUMS
// that its restore would call damaged. OpenSSL with only its null provider makes no digest.
TEST_F(CliPty, ABackupWhoseDigestsCannotBeMadeFailsAndLeavesNoFolder) {
  write(path("null.cnf"), "openssl_conf = init\n[init]\nproviders = p\n[p]\nnull = n\n[n]\nactivate = 1\n");
  start({"--axes", "4"});
  ::setenv("OPENSSL_CONF", path("null.cnf").c_str(), 1);
  const RunResult r = ctl({"--lang", "en", "--axes", "4", "backup", path("b")});
  ::unsetenv("OPENSSL_CONF");
  EXPECT_EQ(r.exitCode, 3);
  EXPECT_EQ(r.err, "BACKUP.txt: its SHA-256 digest could not be made\nbackup: no backup was written\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1) << "null.cnf alone";
}

// The harness itself: a child that never ends is killed at the bound, and the test fails saying so.
TEST(Harness, ChildThatNeverEndsIsKilledAtTheBound) {
  static RunResult hung;
  EXPECT_NONFATAL_FAILURE(hung = RunProgram("/bin/sleep", {"600"}, std::chrono::milliseconds(100)),
                          "/bin/sleep did not end within its time limit");
  EXPECT_EQ(hung.exitCode, 128 + SIGKILL);
}

}  // namespace
}  // namespace zova::test
