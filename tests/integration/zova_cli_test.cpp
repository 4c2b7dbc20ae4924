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
      {{"--version"}, 0, "zova 1.03\n", ""},
      {{"--bogus"}, 2, "", "zova: unknown option --bogus\nusage: zova"},
      {{"--port"}, 2, "", "zova: --port needs a value\nusage: zova"},
      {{"--axes", "7"}, 2, "", "zova: --axes takes 2 to 6, not 7\n"},
      {{"--machine-type", "x"}, 2, "", "zova: --machine-type takes 0, 1 or 2, not x\n"},
      {{"-platform", "offscreen", "stray"}, 2, "", "zova: unexpected argument stray\n"},
  };
  for (const Case& c : cases) {
    const RunResult r = RunProgram(ZOVA_PATH, c.args);
    const std::string what = testing::PrintToString(c.args);
    EXPECT_EQ(r.exitCode, c.exit) << what;
    EXPECT_EQ(r.out.substr(0, c.out.size()), c.out) << what;
    EXPECT_EQ(r.err.substr(0, c.err.size()), c.err) << what;
    if (c.out.empty()) {
      EXPECT_TRUE(r.out.empty()) << what << ": " << r.out;
    }
  }
}

}  // namespace
}  // namespace zova::test
