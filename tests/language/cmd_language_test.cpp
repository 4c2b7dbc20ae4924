// zovactl compile, check and list: argument forms, output forms, exit codes and messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cli/cmd_language.h"
#include "support/cli_rig.h"

namespace zova::cli {
namespace {

using Runner = int (*)(Context&, const Args&);

struct Case {
  Runner run;
  int exit;
  const char* args;  // split at '|'; "{f}" is the scratch file, written with `file` first when that is not empty
  std::string file;
  std::string output;
  const char* messages;  // split at '|'; "*" is any text that says something
  int axes = 0;
  int machineType = 0;
};

// Every "{f}" in text becomes the scratch file's path.
std::string WithFile(std::string text, const std::string& file) {
  for (std::size_t at = text.find("{f}"); at != std::string::npos; at = text.find("{f}", at + file.size())) {
    text.replace(at, 3, file);
  }
  return text;
}

std::vector<std::string> Fields(const std::string& text, const std::string& file) {
  std::vector<std::string> fields;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t to = std::min(text.find('|', from), text.size());
    fields.push_back(WithFile(text.substr(from, to - from), file));
    from = to + 1;
  }
  return fields;
}

class LanguageCommand : public test::CliRig {};

TEST_F(LanguageCommand, FormsOutputsAndExitCodes) {
  const std::string list = "01100005 00000000\r\n\r\n79200001 00020003\nFF000000 00000000\n";
  const std::string badRecords = "MVE P9999\r\n; c\r\nGOTO 5\r\nSTOP\r\n";
  const char* wrongWords = "line 2: expected two hexadecimal words";
  const Case cases[] = {
      {RunCompile, kExitOk, "{f}|--program|3", "MVE P5 ;a\r\n\r\nSET R1 32767\r\n[EOF]\r\n",
       "01100005 00000000\nB1200001 7FFF0000\nFF000000 00000000\n", ""},
      {RunCompile, kExitLink, "{f}", "MVE P9999\nSTOP\n", "36000000 00000000\n",
       "LOC 번호 초과|{f}: the source ends without an [EOF] line"},
      {RunCompile, kExitOk, "--line|CCLR 6", "", "B6000006 00000000\n", ""},  // six axes when not given
      {RunCompile, kExitLink, "--line|CCLR 6", "", "", "CCLR-MAX_AXIS_LMT_OVER", 3},
      {RunCompile, kExitUsage, "--line|STOP", "", "", "*", 7},
      {RunCompile, kExitUsage, "", "", "", "*"},
      {RunCompile, kExitUsage, "--line", "", "", "*"},
      {RunCompile, kExitUsage, "--line|STOP|extra", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|b.dat", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program|33", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program|x", "", "", "*"},
      {RunCompile, kExitUsage, "--program|1", "", "", "*"},
      {RunCheck, kExitOk, "{f}", "MVE P5 ;a\r\n[EOF]\r\n", "", ""},
      {RunCheck, kExitLink, "{f}", badRecords,
       "{f}:1: LOC 번호 초과\n{f}:3: GOT sysntex error\n{f}:4: the source ends without an [EOF] line\n",
       "{f}: 3 problems"},
      {RunCheck, kExitFile, "/nonexistent/zova.dat", "", "", "*"},
      {RunCheck, kExitUsage, "{f}|{f}", badRecords, "", "*"},
      {RunList, kExitOk, "{f}", list, "000 MVE P0005\n001 RER ZR  R001 R002 R003\n002 [EOF]\n", ""},
      {RunList, kExitOk, "{f}", list, "000 MVE P0005\n001 RER R*  R001 R002 R003\n002 [EOF]\n", "", 0, 1},
      // A malformed record prints nothing at all, not the records before it.
      {RunList, kExitUsage, "{f}", "36000000 00000000\n01100005\n", "", wrongWords},
      {RunList, kExitUsage, "{f}", "36000000 00000000\n0110000G 00000000\n", "", wrongWords},
      {RunList, kExitUsage, "{f}", "36000000 00000000\n01100005 00000000 1\n", "", wrongWords},
      {RunList, kExitUsage, "{f}", "36000000 00000000\n1FFFFFFFF 0\n", "", wrongWords},
      {RunList, kExitUsage, "a|b", "", "", "*"},
  };
  const std::string file = path("in.dat");
  for (const Case& c : cases) {
    clear();
    if (!c.file.empty()) write(file, c.file);
    ctx.options.axes = c.axes;
    ctx.options.machineType = c.machineType;
    const std::string what = std::string(c.args) + " " + c.file;
    EXPECT_EQ(c.run(ctx, Fields(c.args, file)), c.exit) << what;
    EXPECT_EQ(takeOutput(), WithFile(c.output, file)) << what;
    const std::vector<std::string> texts = sim.ui.texts();
    const std::vector<std::string> expected = Fields(c.messages, file);
    ASSERT_EQ(texts.size(), expected.size()) << what << ::testing::PrintToString(texts);
    for (std::size_t i = 0; i < texts.size(); ++i) {
      if (expected[i] == "*") {
        EXPECT_FALSE(texts[i].empty()) << what;  // a failure always says why
      } else {
        EXPECT_EQ(texts[i], expected[i]) << what;
      }
    }
  }
}

}  // namespace
}  // namespace zova::cli
