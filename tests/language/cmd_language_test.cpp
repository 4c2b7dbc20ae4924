// zovactl compile, check and list: output form, exit codes and messages.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "cli/cmd_language.h"
#include "link/recording_ui.h"

namespace zova::cli {
namespace {

class CommandRig {
 public:
  CommandRig() {
    ctx.ui = &ui;
    ctx.out = std::tmpfile();
  }
  ~CommandRig() { std::fclose(ctx.out); }
  CommandRig(const CommandRig&) = delete;
  CommandRig& operator=(const CommandRig&) = delete;

  std::string output() {
    std::fflush(ctx.out);
    std::rewind(ctx.out);
    std::string text;
    for (int c = std::fgetc(ctx.out); c != EOF; c = std::fgetc(ctx.out)) text += static_cast<char>(c);
    return text;
  }

  Context ctx;
  RecordingUi ui;
};

std::filesystem::path WriteTemp(const std::string& name, const std::string& text) {
  const auto path = std::filesystem::temp_directory_path() / name;
  std::ofstream(path, std::ios::binary) << text;
  return path;
}

TEST(CompileCommand, PrintsEveryRecordThroughTheEnd) {
  const auto path = WriteTemp("zova-cmd-ok.dat", "MVE P5 ;a\r\n\r\nSET R1 32767\r\n[EOF]\r\n");
  CommandRig rig;
  EXPECT_EQ(RunCompile(rig.ctx, {path.string(), "--program", "3"}), kExitOk);
  EXPECT_EQ(rig.output(), "01100005 00000000\nB1200001 7FFF0000\nFF000000 00000000\n");
  EXPECT_TRUE(rig.ui.messages.empty());
  std::filesystem::remove(path);
}

TEST(CompileCommand, CompilerMessagesAndExitOneWithoutTheEnd) {
  const auto path = WriteTemp("zova-cmd-bad.dat", "MVE P9999\nSTOP\n");
  CommandRig rig;
  EXPECT_EQ(RunCompile(rig.ctx, {path.string()}), kExitLink);
  EXPECT_EQ(rig.output(), "36000000 00000000\n");
  EXPECT_EQ(rig.ui.texts(),
            (std::vector<std::string>{"LOC 번호 초과", path.string() + ": the source ends without an [EOF] line"}));
  std::filesystem::remove(path);
}

TEST(CompileCommand, AxisCountComesFromTheOptionsWithSixWhenMissing) {
  CommandRig six;
  EXPECT_EQ(RunCompile(six.ctx, {"--line", "CCLR 6"}), kExitOk);
  CommandRig three;
  three.ctx.options.axes = 3;
  EXPECT_EQ(RunCompile(three.ctx, {"--line", "CCLR 6"}), kExitLink);
  EXPECT_EQ(three.ui.texts(), std::vector<std::string>{"CCLR-MAX_AXIS_LMT_OVER"});
}

TEST(CompileCommand, UsageAndUnreadableFile) {
  const std::vector<Args> wrong = {{},
                                   {"--line"},
                                   {"--line", "STOP", "extra"},
                                   {"a.dat", "b.dat"},
                                   {"a.dat", "--program"},
                                   {"a.dat", "--program", "33"},
                                   {"a.dat", "--program", "x"},
                                   {"--program", "1"}};
  for (const Args& args : wrong) {
    CommandRig rig;
    EXPECT_EQ(RunCompile(rig.ctx, args), kExitUsage) << (args.empty() ? "" : args[0]);
    EXPECT_EQ(rig.ui.messages.size(), 1u);
  }
  CommandRig badAxes;
  badAxes.ctx.options.axes = 7;
  EXPECT_EQ(RunCompile(badAxes.ctx, {"--line", "STOP"}), kExitUsage);
}

TEST(CheckCommand, PrintsEachProblemAsFileLineMessage) {
  const auto clean = WriteTemp("zova-check-ok.dat", "MVE P5 ;a\r\n[EOF]\r\n");
  CommandRig ok;
  EXPECT_EQ(RunCheck(ok.ctx, {clean.string()}), kExitOk);
  EXPECT_EQ(ok.output(), "");
  EXPECT_TRUE(ok.ui.messages.empty());

  const auto faulty = WriteTemp("zova-check-bad.dat", "MVE P9999\r\n; c\r\nGOTO 5\r\nSTOP\r\n");
  const std::string f = faulty.string();
  CommandRig bad;
  EXPECT_EQ(RunCheck(bad.ctx, {f}), kExitLink);
  EXPECT_EQ(bad.output(), f + ":1: LOC 번호 초과\n" + f + ":3: GOT sysntex error\n" + f +
                              ":4: the source ends without an [EOF] line\n");
  EXPECT_EQ(bad.ui.texts(), std::vector<std::string>{f + ": 3 problems"});

  CommandRig missing;
  EXPECT_EQ(RunCheck(missing.ctx, {"/nonexistent/zova.dat"}), kExitFile);
  CommandRig usage;
  EXPECT_EQ(RunCheck(usage.ctx, {f, f}), kExitUsage);
  std::filesystem::remove(clean);
  std::filesystem::remove(faulty);
}

TEST(ListCommand, ListsRecordsInTheFormCompilePrints) {
  const auto path = WriteTemp("zova-cmd-list.txt", "01100005 00000000\r\n\r\n79200001 00020003\nFF000000 00000000\n");
  CommandRig type0;
  EXPECT_EQ(RunList(type0.ctx, {path.string()}), kExitOk);
  EXPECT_EQ(type0.output(), "000 MVE P0005\n001 RER ZR  R001 R002 R003\n002 [EOF]\n");
  CommandRig type1;
  type1.ctx.options.machineType = 1;
  EXPECT_EQ(RunList(type1.ctx, {path.string()}), kExitOk);
  EXPECT_EQ(type1.output(), "000 MVE P0005\n001 RER R*  R001 R002 R003\n002 [EOF]\n");
  std::filesystem::remove(path);
}

TEST(ListCommand, RefusesMalformedInputAndMissingFiles) {
  for (const std::string text : {"01100005\n", "0110000G 00000000\n", "01100005 00000000 1\n", "1FFFFFFFF 0\n"}) {
    const auto path = WriteTemp("zova-cmd-list-bad.txt", "36000000 00000000\n" + text);
    CommandRig rig;
    EXPECT_EQ(RunList(rig.ctx, {path.string()}), kExitUsage) << text;
    EXPECT_EQ(rig.output(), "");  // nothing half printed
    EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"line 2: expected two hexadecimal words"});
    std::filesystem::remove(path);
  }
  CommandRig tooMany;
  EXPECT_EQ(RunList(tooMany.ctx, {"a", "b"}), kExitUsage);
}

}  // namespace
}  // namespace zova::cli
