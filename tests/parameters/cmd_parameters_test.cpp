// zovactl syspara and axpara against the simulated controller: files, exit codes, what goes on the wire.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "parameters_fixture.h"
#include "parameters/sys_para_file.h"
#include "support/cli_rig.h"

namespace zova::cli {

namespace {

namespace fs = std::filesystem;

struct ParameterCommands : test::CliRig {
  ParameterCommands() : CliRig(3) {}
  std::string file = path("para.dat");
};

// A fetch saves what the controller holds and warns, line by line, of what a screen would not keep; sending
// that file back is refused as a whole, and nothing reaches the controller.
TEST_F(ParameterCommands, AFetchKeepsWhatTheControllerHoldsAndItsSendIsRefused) {
  auto& system = sim.controller.machine.parameters.system;
  system[3] = 7;  // SYNC, which the screen would read as 0 (each box's refusal is the editor tests' subject)
  const auto systemHeld = system;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitOk);
  parameters::SysPara held;
  held.values = systemHeld;
  held[parameters::sys::kAxes] = 3;  // the simulated controller answers with its own axis count
  EXPECT_EQ(read(file), parameters::SysParaFileText(held));
  const std::vector<std::string> named = {file + ":4: SYNC 7: 1 ~ 6 숫자중 서로다른 두자리수를 입력하십시요."};
  EXPECT_EQ(sim.ui.texts(), named);
  sim.wire.clear();
  sim.ui.clear();
  EXPECT_EQ(RunSysPara(ctx, {"send", "--file", file}), kExitUsage);
  EXPECT_EQ(std::tuple(sim.ui.texts(), sim.wire.text()), std::tuple(named, ""));

  ctx.options.axes = 2;
  auto& axis = sim.controller.machine.parameters.axis[1];
  axis[130] = 99999;  // ACC
  EXPECT_EQ(RunAxPara(ctx, {"fetch", "--file", file}), kExitOk);
  axis[130] = 0;
  sim.wire.clear();
  sim.ui.clear();
  EXPECT_EQ(RunAxPara(ctx, {"send", "--file", file}), kExitUsage);
  EXPECT_EQ(sim.ui.texts(),
            std::vector<std::string>{file + ":26: ACC 2축: 99999: 0 ~ 25000 사이의 값을 입력하십시요."});
  EXPECT_EQ(sim.wire.text(), "");
}

// A send changes what the file names; every other entry goes back as the controller holds it at the send,
// read first on this connection (its progress says so).
TEST_F(ParameterCommands, ASendKeepsWhatNoFileLineNames) {
  ctx.options.axes = 3;
  auto& p = sim.controller.machine.parameters;
  struct Case {
    int (*run)(Context&, const Args&);
    std::int32_t& unnamed;
    std::int32_t value;
    std::int32_t& named;  // changed on the controller after the fetch: the file's value goes back
    Job job;
  } cases[] = {
      {RunSysPara, p.system[20], 77, p.system[49], Job::SysParaReadFirst},
      {RunSysPara, p.system[70], 99, p.system[49], Job::SysParaReadFirst},
      {RunAxPara, p.axis[2][139], 555, p.axis[0][130], Job::AxParaReadFirst},  // the last axis and the first
  };
  for (const Case& c : cases) {
    ASSERT_EQ(c.run(ctx, {"fetch", "--file", file}), kExitOk);
    const std::int32_t fetched = c.named;
    c.unnamed = c.value;
    c.named = fetched + 1;
    clear();
    EXPECT_EQ(c.run(ctx, {"send", "--file", file}), kExitOk) << c.value;
    EXPECT_EQ(std::tuple(c.unnamed, c.named, sim.ui.progress.front().job), std::tuple(c.value, fetched, c.job));
  }
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
  EXPECT_EQ(sim.wire.text(), "") << "nothing reaches the link before the file and usage are right";
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", (dir / "no" / "x.dat").string()}), kExitFile);

  fs::remove(file);
  sim.controller.faults.badChecksum = true;
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", file}), kExitLink);
  EXPECT_FALSE(fs::exists(file));
}

}  // namespace
}  // namespace zova::cli
