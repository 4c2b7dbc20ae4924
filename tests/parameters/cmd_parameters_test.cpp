// zovactl syspara and axpara against the simulated controller: files, exit codes, what goes on the wire.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli/cmd_parameters.h"
#include "parameters_fixture.h"
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

TEST_F(ParameterCommands, FilesAndFetchesPassTheScreensChecks) {
  // Values the screen's boxes report and reset when they show them: AXES 9, SERR 0, ARCH -5, JSPD 0.
  SysPara bad = test::Defaults<SysPara>();
  SysPara good = bad;
  for (auto [entry, wrong, shown] : {std::array{0, 9, 2}, {4, 0, 500}, {5, -5, 1}, {49, 0, 10}}) {
    bad[entry] = wrong;
    good[entry] = shown;
  }
  std::ofstream(file, std::ios::binary) << SysParaFileText(bad);
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitOk);
  EXPECT_EQ(rig.ui.texts(), (std::vector<std::string>{" 2 ~ 6 까지 입력하십시요.", " 1 ~ 999999 까지 입력하십시요.",
                                                      " 1 ~ 6 까지 입력하십시요.", " 1 ~ 100 까지 입력하십시요."}));
  auto& system = rig.controller.machine.parameters.system;
  EXPECT_EQ(system, good.values);
  system = bad.values;  // a fetch is saved as the screen shows it
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitOk);
  EXPECT_EQ(read(file), SysParaFileText(good));

  // An axis value its box refuses is reported and, as on the screen, kept (the controller drives two axes now).
  ctx.options.axes = 2;
  auto& axis = rig.controller.machine.parameters.axis[1];
  axis[105] = 6000000;  // VEL 60000.00
  rig.ui.clear();
  EXPECT_EQ(RunAxPara(ctx, {"fetch", "--file", file}), kExitOk);
  axis[105] = 0;
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", file}), kExitOk);
  EXPECT_EQ(rig.ui.texts(), std::vector<std::string>(2, " 1 ~ 50000 사이의 값을 입력하십시요."));
  EXPECT_EQ(axis[105], 6000000);
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
  EXPECT_EQ(rig.wire.text(), "") << "nothing reaches the link before the file and usage are right";
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", (dir / "no" / "x.dat").string()}), kExitFile);

  fs::remove(file);
  rig.controller.faults.badChecksum = true;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitLink);
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace zova::cli
