// zovactl syspara and axpara against the simulated controller: files, exit codes, what goes on the wire.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/cmd_parameters.h"
#include "parameters/sys_para_file.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::cli {

namespace {

namespace fs = std::filesystem;

struct ParameterCommands : test::ScratchDir {
  ParameterCommands() {
    ctx.ui = &rig.ui;
    ctx.link = &rig.link;
  }
  std::string file = path("para.dat");
  test::SimRig rig{3};
  Context ctx;
};

TEST_F(ParameterCommands, SysParaFetchSavesTheControllersValues) {
  rig.controller.machine.parameters.system[57] = -99;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitOk);
  SysPara expected;
  expected.values = rig.controller.machine.parameters.system;
  EXPECT_EQ(read(file), SysParaFileText(expected));
  EXPECT_NE(read(file).find("AXES-------=  3 \r\n"), std::string::npos);
}

TEST_F(ParameterCommands, ExitCodes) {
  for (const Args& args : {Args{}, Args{"fetch"}, Args{"get", "--file", "x"}, Args{"fetch", "-f", "x"},
                           Args{"send", "--file", ""}, Args{"send", "--file", "x", "y"}}) {
    EXPECT_EQ(RunSysPara(ctx, args), kExitUsage);
    EXPECT_EQ(RunAxPara(ctx, args), kExitUsage);
  }
  const std::string none = (dir / "none.dat").string();
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", none}), kExitUsage) << "no --axes yet";
  ctx.options.axes = 3;
  write(file, "AXES-------= +2 \r\n");
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitFile);
  EXPECT_EQ(rig.wire.text(), "") << "nothing reaches the link before the file and usage are right";
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", (dir / "no" / "x.dat").string()}), kExitFile);

  fs::remove(file);
  rig.controller.faults.badChecksum = true;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitLink);
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace zova::cli
