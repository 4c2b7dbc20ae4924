// zovactl program: argument forms, exit codes, and the axis count the compile uses.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/cmd_program.h"
#include "language/transfer/program_files.h"
#include "programs_fixture.h"

namespace zova::cli {
namespace {

namespace fs = std::filesystem;
using programs::test::ScratchDir;
using programs::test::Source;
using programs::test::TransferRig;

class ProgramCommand : public ScratchDir {
 protected:
  ProgramCommand() {
    ctx.ui = &rig.sim.ui;
    ctx.link = &rig.sim.link;
  }
  int run(const Args& args) { return RunProgram(ctx, args); }
  TransferRig rig;  // its store and transfer go unused: the command makes its own
  Context ctx;
};

TEST_F(ProgramCommand, WrongFormsAreUsageErrorsWithNothingSent) {
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
  for (const Args& args : wrong) {
    EXPECT_EQ(run(args), kExitUsage) << ::testing::PrintToString(args);
  }
  EXPECT_EQ(rig.sim.wire.text(), "");
}

TEST_F(ProgramCommand, SendThenReceive) {
  write(path("in.dat"), Source({"MVE P12 ;go", "[EOF]"}));
  EXPECT_EQ(run({"send", "4", path("in.dat")}), kExitOk);
  EXPECT_TRUE(rig.stored(4).present());
  EXPECT_EQ(run({"receive", "4", path("out.dat")}), kExitOk);
  EXPECT_EQ(read(path("out.dat")), "000 MVE P0012 ;go\r\n001 [EOF] \r\n");
}

TEST_F(ProgramCommand, SourceProblemsAreFileErrors) {
  EXPECT_EQ(run({"send", "4", path("absent.dat")}), kExitFile);
  write(path("bad.dat"), Source({"MVE P9999", "[EOF]"}));
  EXPECT_EQ(run({"send", "4", path("bad.dat")}), kExitFile);
  EXPECT_EQ(rig.sim.wire.text(), "");
}

TEST_F(ProgramCommand, AxisChecksUseAxesWhenGivenElseSix) {
  write(path("acc.dat"), Source({"ACC 5 100", "[EOF]"}));
  EXPECT_EQ(run({"send", "1", path("acc.dat")}), kExitOk);
  ctx.options.axes = 4;
  EXPECT_EQ(run({"send", "2", path("acc.dat")}), kExitFile);
  EXPECT_TRUE(rig.stored(1).present());
  EXPECT_FALSE(rig.stored(2).present());
}

TEST_F(ProgramCommand, SendAllExitsThreeOnAMissingFileAndZeroWhenAllAreThere) {
  for (int n = 0; n <= 30; ++n) write(programs::AllModeFileName(dir.string(), n), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(run({"send-all", dir.string()}), kExitFile);
  EXPECT_EQ(rig.sim.wire.text(), "") << "nothing is sent when one file is missing";
  write(path("ZOVAPRG31.dat"), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(run({"send-all", dir.string() + "/"}), kExitOk);
  EXPECT_TRUE(rig.stored(31).present());
}

TEST_F(ProgramCommand, LinkFailuresAndRejectedBlocksExitOne) {
  rig.sim.controller.faults.badChecksum = true;
  rig.stored(0).block.assign(2050, 0);
  rig.stored(0).block[0] = 1;
  rig.stored(0).comments.assign(31800, 0);
  EXPECT_EQ(run({"receive", "0", path("out.dat")}), kExitLink);
  EXPECT_FALSE(fs::exists(path("out.dat")));

  rig.sim.controller.faults.silenceAfter = static_cast<long>(rig.sim.controller.bytesSent());
  write(path("in.dat"), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(run({"send", "0", path("in.dat")}), kExitLink);
}

}  // namespace
}  // namespace zova::cli
