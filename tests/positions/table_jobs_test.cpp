// Transfers joined to files: a fetch that cannot save says so, and a send whose file cannot be loaded or
// sent intact sends nothing.
#include <gtest/gtest.h>

#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/table_jobs.h"
#include "positions_fixture.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using zova::test::SimRig;
constexpr int kAxes = 2;

struct TableJobs : test::ScratchDir {};

TEST_F(TableJobs, ReceiveToAFileThatCannotBeWrittenIsAFileFailure) {
  SimRig rig(kAxes);
  PositionData data;
  const std::string file = path("missing/ZOVALOC.dat");
  data.RxPointNo = 4;
  EXPECT_EQ(ReceiveRowsToFile(data.LocTable, rig.link, kAxes, kModeSingle, 0, 0, data.RxPointNo, &file),
            JobResult::FileFailed);
  ASSERT_EQ(rig.ui.texts().size(), 1u);
  EXPECT_NE(rig.ui.texts()[0].find(file), std::string::npos);
}

TEST_F(TableJobs, SendOfAFileThatCannotBeLoadedOrSentIntactSendsNothing) {
  SimRig rig(kAxes);
  PositionData data;
  PositionTable big(kLocationLayout);
  big[2499][1] = 20000000;  // 200000.00 loads, but would come back as 32227.84
  write(path("big.dat"), FormatTableFile(big));
  EXPECT_EQ(SendRowsFromFile(data.LocTable, rig.link, kAxes, kLocModeAll, 0, 0, 0, path("big.dat")),
            JobResult::Refused);
  write(path("short.dat"), "P000 = 1\r\n");
  EXPECT_EQ(SendRowsFromFile(data.LocTable, rig.link, kAxes, kLocModeAll, 0, 0, 0, path("short.dat")),
            JobResult::FileFailed);
  EXPECT_EQ(rig.wire.text(), "");
}

}  // namespace
}  // namespace zova::positions
