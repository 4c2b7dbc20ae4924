// Round trips: a table sent to the simulated controller and fetched back is the same table, and a
// saved file loads back into the same table.
#include <gtest/gtest.h>

#include <random>

#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/wire_value.h"
#include "positions_fixture.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using test::ScratchDir;
using zova::test::SimRig;

void FillRandom(PositionTable& table, std::mt19937& random, std::int32_t low, std::int32_t high) {
  std::uniform_int_distribution<std::int32_t> value(low, high);
  for (int n = 0; n <= table.layout().lastNumber; ++n) {
    for (auto& v : table[n]) v = value(random);
  }
}

TEST(RoundTrip, AllLocationsSentAndFetchedBackAreTheSame) {
  std::mt19937 random(20240601);
  SimRig rig(6);
  PositionData sent;
  FillRandom(sent.LocTable, random, kLowestPositionValue, kHighestPositionValue);
  sent.LocTable[0] = {kLowestPositionValue, kHighestPositionValue, -1, 0, 1, -256};
  ASSERT_TRUE(sent.SendLocations(rig.link, 6, kLocModeAll).completed);
  sent.TxPointNo = 2500;
  ASSERT_TRUE(sent.SendLocations(rig.link, 6, kModeSingle).completed);

  PositionData fetched;
  const TransferOutcome outcome = fetched.ReceiveLocations(rig.link, 6, kLocModeAll);
  EXPECT_EQ(outcome.stored, 2500);
  fetched.RxPointNo = 2500;
  EXPECT_EQ(fetched.ReceiveLocations(rig.link, 6, kModeSingle).stored, 1);
  EXPECT_TRUE(fetched.LocTable.sameValues(sent.LocTable));
  EXPECT_TRUE(rig.ui.messages.empty());
}

TEST(RoundTrip, ShiftsSentAndFetchedBackAreTheSame) {
  std::mt19937 random(7);
  SimRig rig(5);
  PositionData sent;
  FillRandom(sent.SftTable, random, kLowestPositionValue, kHighestPositionValue);
  for (auto& v : sent.SftTable[1000]) v = 0;  // reachable by single transfers only; checked below
  sent.SftTable[999][5] = INT32_MAX;          // corrupted on the way, but the sixth axis does not travel
  ASSERT_TRUE(sent.SendShifts(rig.link, 5, kSftModeAll).completed);
  PositionData fetched;
  EXPECT_EQ(fetched.ReceiveShifts(rig.link, 5, kSftModeAll).stored, 1000);
  for (int n = 0; n < 1000; ++n) {
    PositionRow expected = sent.SftTable[n];
    expected[5] = 0;  // five axes configured: the sixth never travels
    ASSERT_EQ(fetched.SftTable[n], expected) << n;
  }
  sent.SftTable[1000] = {-1, 2, -3, 4, -5, 0};
  sent.TxPointNo = fetched.RxPointNo = 1000;
  ASSERT_TRUE(sent.SendShifts(rig.link, 5, kModeSingle).completed);
  EXPECT_EQ(fetched.ReceiveShifts(rig.link, 5, kModeSingle).stored, 1);
  EXPECT_EQ(fetched.SftTable[1000], sent.SftTable[1000]);
}

struct FileRoundTrip : ScratchDir {
  RecordingUi ui;
};

TEST_F(FileRoundTrip, SavedFilesLoadBackIntoTheSameTable) {
  std::mt19937 random(99);
  const struct {
    const TableLayout* layout;
    std::int32_t low;
    std::int32_t high;
  } cases[] = {
      {&kLocationLayout, kLowestPositionValue, kHighestPositionValue},
      {&kShiftLayout, kLowestPositionValue, kHighestPositionValue},
      {&kLocationLayout, -2147483647 - 1, 2147483647},  // files are not bound to the wire range
      {&kShiftLayout, -1000, 1000},
  };
  for (const auto& c : cases) {
    PositionTable saved(*c.layout);
    FillRandom(saved, random, c.low, c.high);
    const int last = c.layout->lastNumber;
    saved[last] = {};  // the last row never reaches a file
    ASSERT_TRUE(SaveTableFile(saved, ui, path("table.dat")));
    PositionTable loaded(*c.layout);
    ASSERT_TRUE(LoadTableFile(loaded, ui, path("table.dat")));
    EXPECT_TRUE(loaded.sameValues(saved)) << c.layout->prefix << " " << c.low;
  }
  EXPECT_TRUE(ui.messages.empty());
}

}  // namespace
}  // namespace zova::positions
