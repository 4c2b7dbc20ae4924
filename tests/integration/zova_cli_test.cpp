// zova's own command line: the answers it gives before any window, also where there is no display.
#include <gtest/gtest.h>

#include "process.h"

namespace zova::test {
namespace {

TEST(ZovaCommandLine, AnswersHelpVersionAndWrongOptionsWithoutAWindow) {
  struct Case {
    std::vector<std::string> args;
    int exit;
    std::string out;  // the start of standard output
    std::string err;  // the start of standard error
  } cases[] = {
      {{"--help"}, 0, "usage: zova [--port DEVICE|sim]", ""},
      {{"--version"}, 0, "zova " ZOVA_VERSION "\n", ""},
      {{"--bogus"}, 2, "", "zova: The following argument was not expected: --bogus\nusage: zova"},
      {{"--axes", "7"}, 2, "", "zova: --axes: takes 2 to 6, not 7\n"},
      {{"--axes", "3", "--axes", "4"}, 2, "", "zova: --axes: given more than once\n"},
      {{"--port", "tcp://[::1]"}, 2, "", "zova: --port: tcp://[::1]: no port number; write HOST:PORT\n"},
      {{"-platform", "offscreen", "stray"}, 2, "", "zova: The following argument was not expected: stray\n"},
  };
  // In English, as --lang en chooses; without it the language is the stored choice or the system's.
  for (const Case& c : cases) {
    std::vector<std::string> args = {"--lang", "en"};
    args.insert(args.end(), c.args.begin(), c.args.end());
    const RunResult r = RunProgram(ZOVA_PATH, args);
    const std::string what = testing::PrintToString(c.args);
    EXPECT_EQ(r.exitCode, c.exit) << what;
    EXPECT_EQ(c.out.empty() ? r.out : r.out.substr(0, c.out.size()), c.out) << what;  // errors print nothing
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << what;
  }
  const std::string help = RunProgram(ZOVA_PATH, {"--lang", "en", "--help"}).out;
  EXPECT_NE(help.find("(tcp://HOST:PORT raw TCP, rfc2217://HOST:PORT Telnet"), std::string::npos) << help;
  const std::string korean = RunProgram(ZOVA_PATH, {"--help", "--lang=ko"}).out;
  EXPECT_EQ(korean.substr(0, korean.find('\n')),
            "사용법: zova [--port DEVICE|sim] [--axes N] [--machine-type T] [--lang ko|en]");
}

}  // namespace
}  // namespace zova::test
