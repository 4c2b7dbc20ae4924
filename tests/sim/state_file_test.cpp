// The simulator's state file: the memory survives a restart, a burst of changes is saved once, and a
// file the simulator did not write is refused.
#include <gtest/gtest.h>

#include "positions/table_transfer.h"
#include "sim/state_file.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::sim {
namespace {

using StateFile = test::ScratchDir;

TEST_F(StateFile, TheMemoryComesBackAfterARestart) {
  Controller before;
  before.machine.axes = 3;
  before.machine.parameters.system[99] = -1;
  before.machine.parameters.axis[5][139] = 16777216;
  before.positions.shifts[1000] = {1, -2, 3, 0, 0, 0};
  before.programs.programs[31] = {std::vector<std::uint8_t>(kProgramBlockBytes, 0x81),
                                  std::vector<std::uint8_t>(kCommentBlockBytes, 0)};
  before.programs.programs[31].comments[500] = 0xEA;
  std::string error;
  {
    StateKeeper keeper(before, path("state"));
    ASSERT_TRUE(keeper.start(error)) << error;  // a new file takes the controller as it is
  }
  Controller after;
  StateKeeper keeper(after, path("state"));
  ASSERT_TRUE(keeper.start(error)) << error;
  auto kept = [](const Controller& c) {
    return std::tie(c.machine.axes, c.machine.parameters.system, c.machine.parameters.axis, c.positions.shifts,
                    c.programs.programs[31].block, c.programs.programs[31].comments);
  };
  EXPECT_EQ(kept(after), kept(before));
}

TEST_F(StateFile, ABurstOfChangesIsSavedOnceAndTheRestWhenTheIntervalHasPassed) {
  test::SimRig rig(2);
  std::string error;
  StateKeeper keeper(rig.controller, path("state"), seconds(1));
  ASSERT_TRUE(keeper.start(error));
  rig.clock.advance(seconds(5));
  positions::PositionTable table(positions::kLocationLayout);
  table[2] = {200, 300, 0, 0, 0, 0};
  EXPECT_TRUE(positions::SendTableRows(table, rig.link, 2, positions::Scope::Block, 0, 2, 0).result.ok());
  EXPECT_EQ(keeper.saves(), 1) << "the first row at once, the other two wait";
  EXPECT_EQ(read(path("state")).find("loc 2 "), std::string::npos);
  rig.clock.advance(seconds(1));
  rig.controller.advance(rig.clock.now());
  EXPECT_TRUE(keeper.tick(error));
  EXPECT_EQ(keeper.saves(), 2);
  EXPECT_NE(read(path("state")).find("loc 2 200 300 0 0 0 0\n"), std::string::npos);
}

TEST_F(StateFile, AFileOfAnotherFormIsRefusedAndChangesNothing) {
  for (const char* text : {"axes 4\n", "ZOVASIM STATE 1\nloc 2501 1 2 3 4 5 6\n", "ZOVASIM STATE 1\nsystem 1 2\n",
                           "ZOVASIM STATE 1\nprogram 3 00 -\n"}) {
    write(path("state"), text);
    Controller c;
    c.positions.locations[0] = {9, 9, 9, 9, 9, 9};
    StateKeeper keeper(c, path("state"));
    std::string error;
    EXPECT_FALSE(keeper.start(error)) << text;
    EXPECT_EQ(c.positions.locations[0][0], 9) << text;
  }
}

}  // namespace
}  // namespace zova::sim
