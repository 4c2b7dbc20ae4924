// zovactl program: argument forms, exit codes, and the axis count the compile uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cmd_program.h"
#include "language/transfer/program_files.h"
#include "programs_fixture.h"
#include "support/cli_rig.h"

namespace zova::cli {
namespace {

namespace fs = std::filesystem;
using programs::test::Source;

class ProgramCommand : public test::CliRig {
 protected:
  int run(const Args& args) { return RunProgram(ctx, args); }
  sim::StoredProgram& stored(int n) { return sim.controller.programs.programs[static_cast<std::size_t>(n)]; }
};

TEST_F(ProgramCommand, SendThenReceive) {
  write(path("in.dat"), Source({"MVE P12 ;go", "[EOF]"}));
  EXPECT_EQ(run({"send", "4", path("in.dat")}), kExitOk);
  EXPECT_TRUE(stored(4).present());
  EXPECT_EQ(run({"receive", "4", path("out.dat")}), kExitOk);
  EXPECT_EQ(read(path("out.dat")), "000 MVE P0012 ;go\r\n001 [EOF] \r\n");
}

TEST_F(ProgramCommand, ExitCodes) {
  const std::vector<Args> wrong{{},
                                {"send"},
                                {"send", "3"},
                                {"send", "x", "f.dat"},
                                {"send", "32", path("f.dat")},
                                {"send", "-1", path("f.dat")},
                                {"receive", "40", path("f.dat")},
                                {"send-all"},
                                {"send-all", "a", "b"},
                                {"fetch", "1", "f.dat"}};
  for (const Args& args : wrong) EXPECT_EQ(run(args), kExitUsage) << ::testing::PrintToString(args);

  // The axis check of the compile uses --axes when given, else six.
  write(path("acc.dat"), Source({"ACC 5 100", "[EOF]"}));
  ctx.options.axes = 4;
  EXPECT_EQ(run({"send", "2", path("acc.dat")}), kExitFile);
  for (int n = 0; n <= 30; ++n) write(programs::AllModeFileName(dir.string(), n), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(run({"send-all", dir.string()}), kExitFile) << "ZOVAPRG31.dat is missing";
  EXPECT_EQ(sim.wire.text(), "") << "nothing is sent after a usage or file error";
  ctx.options.axes = 0;
  EXPECT_EQ(run({"send", "1", path("acc.dat")}), kExitOk);
  write(path("ZOVAPRG31.dat"), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(run({"send-all", dir.string() + "/"}), kExitOk);
  EXPECT_TRUE(stored(31).present());

  sim.controller.faults.badChecksum = true;
  EXPECT_EQ(run({"receive", "0", path("out.dat")}), kExitLink);
  EXPECT_FALSE(fs::exists(path("out.dat")));
}

}  // namespace
}  // namespace zova::cli
