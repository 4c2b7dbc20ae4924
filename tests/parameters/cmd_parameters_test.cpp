// zovactl syspara and axpara against the simulated controller: files, exit codes, what goes on the wire.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "cli/cmd_parameters.h"
#include "link/atomic_file.h"
#include "parameters/ax_para_file.h"
#include "parameters/sys_para_file.h"
#include "support/test_support.h"

namespace zova::cli {

namespace {

namespace fs = std::filesystem;

struct ParameterCommands : ::testing::Test {
  void SetUp() override {
    fs::create_directories(dir);
    ctx.ui = &rig.ui;
    ctx.link = &rig.link;
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Read(const std::string& path) {
    std::string text, error;
    EXPECT_TRUE(ReadWholeFile(path, text, error)) << error;
    return text;
  }
  fs::path dir = fs::temp_directory_path() / ("zova_cmdpara_" + std::to_string(::getpid()));
  std::string file = (dir / "para.dat").string();
  test::SimRig rig{3};
  Context ctx;
};

TEST_F(ParameterCommands, SysParaFetchSavesTheControllersValues) {
  rig.controller.machine.parameters.system[57] = -99;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitOk);
  SysPara expected;
  expected.values = rig.controller.machine.parameters.system;
  EXPECT_EQ(Read(file), SysParaFileText(expected));
  EXPECT_NE(Read(file).find("AXES-------=  3 \r\n"), std::string::npos);
}

TEST_F(ParameterCommands, SysParaSendLoadsTheFileAndSendsIt) {
  SysPara t;
  t.SetDefaults();
  t[49] = 77;
  ASSERT_TRUE(WriteSysParaFile(file, t, rig.ui));
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitOk);
  EXPECT_EQ(rig.controller.machine.parameters.system[49], 77);
  EXPECT_EQ(rig.controller.machine.axes, 2);
}

TEST_F(ParameterCommands, FileAxesOutsideTwoToSixIsReportedAndNotTaken) {
  SysPara t;
  t.SetDefaults();
  t[0] = 9;
  ASSERT_TRUE(WriteSysParaFile(file, t, rig.ui));
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitOk);
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{" 2 ~ 6 까지 입력하십시요."});
  EXPECT_EQ(rig.controller.machine.axes, 3) << "the controller keeps the count it drives";
}

TEST_F(ParameterCommands, UnreadableFileExits3WithoutTouchingTheLink) {
  std::ofstream(file) << "AXES-------= +2 \r\n";
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitFile);
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", (dir / "none.dat").string()}), kExitUsage) << "no --axes yet";
  ctx.options.axes = 3;
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", (dir / "none.dat").string()}), kExitFile);
  EXPECT_EQ(rig.ui.texts().back(), "cannot read " + (dir / "none.dat").string() + ": " + std::strerror(ENOENT));
  EXPECT_EQ(rig.wire.text(), "");
}

TEST_F(ParameterCommands, UnwritableFileExits3) {
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", (dir / "no" / "x.dat").string()}), kExitFile);
}

TEST_F(ParameterCommands, LinkFailureExits1AndWritesNothing) {
  rig.controller.faults.badChecksum = true;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitLink);
  EXPECT_FALSE(fs::exists(file));
}

TEST_F(ParameterCommands, WrongUsageExits2) {
  for (const Args& args : {Args{}, Args{"fetch"}, Args{"get", "--file", "x"}, Args{"fetch", "-f", "x"},
                           Args{"send", "--file", ""}, Args{"send", "--file", "x", "y"}}) {
    EXPECT_EQ(RunSysPara(ctx, args), kExitUsage);
    EXPECT_EQ(RunAxPara(ctx, args), kExitUsage);
  }
  EXPECT_EQ(rig.wire.text(), "");
}

TEST_F(ParameterCommands, AxParaRoundTripThroughTheControllerForTheConfiguredAxes) {
  ctx.options.axes = 3;
  AxPara t;
  t.SetDefaults();
  for (int a = 0; a < 6; ++a) t[a][101] = -1000 * (a + 1);
  ASSERT_TRUE(WriteAxParaFile(file, t, rig.ui));
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", file}), kExitOk);
  EXPECT_EQ(rig.controller.machine.parameters.axis[2][101], -3000);
  EXPECT_EQ(rig.controller.machine.parameters.axis[3][101], -100000) << "beyond the configured axes";
  const std::string back = (dir / "back.dat").string();
  EXPECT_EQ(RunAxPara(ctx, {"fetch", "--file", back}), kExitOk);
  AxPara fetched;
  ASSERT_TRUE(ReadAxParaFile(back, fetched));
  for (int a = 0; a < 3; ++a) EXPECT_EQ(fetched[a][101], -1000 * (a + 1));
  EXPECT_EQ(fetched[3][101], -100000) << "axes not fetched keep their defaults";
}

}  // namespace
}  // namespace zova::cli
