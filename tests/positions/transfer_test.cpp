// Location and shift transfers against the simulated controller, checked on the wire; transfers joined to
// files; and the simulated controller's table requests driven by the frame primitives directly.
#include <gtest/gtest.h>

#include <algorithm>

#include "link/commands.h"
#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/table_jobs.h"
#include "positions/wire_value.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using test::SimRig;

// The calls on one progress bar: a maximum as its negative, then the values.
std::vector<int> Progress(const RecordingUi& ui, Job job) {
  std::vector<int> values;
  for (const auto& p : ui.progress) {
    if (p.job == job) values.push_back(p.maximum ? -p.value : p.value);
  }
  return values;
}

TEST(ShiftTransfer, SingleTransmitSendsTheShiftNotTheLocation) {
  SimRig rig(2);
  PositionData data;
  data.SftTable[5] = {-300, 0, 0, 0, 0, 0};
  data.LocTable[5] = {777, 777, 0, 0, 0, 0};
  data.TxPointNo = 5;
  EXPECT_TRUE(SendTableRows(data.SftTable, rig.link, 2, Scope::Single, 0, 0, data.TxPointNo).result.ok());
  EXPECT_EQ(std::tuple(rig.wire.text(), rig.ui.texts(), Progress(rig.ui, Job::ShiftSend)),
            std::tuple("> 01 < 06 > 06 < 06 > 05 00 00 00 05 00 00 00 02 < 16 > D4 FE FF FF 00 00 00 00 30 03 < 04",
                       std::vector<std::string>{}, std::vector<int>{-8, 0, 1, 2, 3, 4, 5, 6, 7}));
}

TEST(LocationTransfer, ReceiveWithThreeAxesLeavesAxesFourToSixAlone) {
  SimRig rig(3);
  rig.controller.positions.locations[9] = {1, -2, 3, 4, 5, 6};
  PositionData data;
  data.LocTable[9] = {0, 0, 0, 40, 50, 60};
  data.RxPointNo = 9;
  EXPECT_EQ(ReceiveTableRows(data.LocTable, rig.link, 3, Scope::Single, 0, 0, data.RxPointNo).stored, 1);
  EXPECT_EQ(data.LocTable[9], (PositionRow{1, -2, 3, 40, 50, 60}));
  EXPECT_EQ(rig.wire.text(),
            "> 01 < 06 > 03 < 03 > 09 00 00 00 09 00 00 00 02 < 16 01 00 00 00 FE FF FF FF 03 00 00 00 01 03 > 04");
  EXPECT_EQ(Progress(rig.ui, Job::LocationReceive), (std::vector<int>{-12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}))
      << "maximum 4 x N, bytes so far, back to 0 at the end";
}

TEST(LocationTransfer, BlockWithStartEqualToEndIsOneLocation) {
  SimRig rig(2);
  rig.controller.positions.locations[5] = {55, -55, 0, 0, 0, 0};
  PositionData data;
  EXPECT_EQ(ReceiveTableRows(data.LocTable, rig.link, 2, Scope::Block, 5, 5, data.RxPointNo).stored, 1);
  EXPECT_EQ(std::tuple(data.RxPointNo, data.LocTable[5][1], rig.controller.commandLog,
                       Progress(rig.ui, Job::LocationReceive)),
            std::tuple(5, -55, std::vector<std::uint8_t>{cmd::kReceiveLocations}, std::vector<int>{-1, 0, 0}));

  rig.wire.clear();
  EXPECT_TRUE(SendTableRows(data.LocTable, rig.link, 2, Scope::Block, 5, 5, data.TxPointNo).result.ok());
  EXPECT_NE(rig.wire.text().find("> 05 00 00 00 05 00 00 00 02 < 16"), std::string::npos) << rig.wire.text();
}

TEST(LocationTransfer, BlockOperandsAndProgressFollowEachLocation) {
  SimRig rig(2);
  PositionData data;
  for (int n = 6; n <= 8; ++n) data.LocTable[n] = {n * 100, -n, 0, 0, 0, 0};
  EXPECT_TRUE(SendTableRows(data.LocTable, rig.link, 2, Scope::Block, 6, 8, data.TxPointNo).result.ok());
  const std::string wire = rig.wire.text();
  for (const char* operands :
       {"> 06 00 00 00 08 00 00 00 02", "> 07 00 00 00 08 00 00 00 02", "> 08 00 00 00 08 00 00 00 02"}) {
    EXPECT_NE(wire.find(operands), std::string::npos) << operands;
  }
  for (int n = 6; n <= 8; ++n) EXPECT_EQ(rig.controller.positions.locations[n][0], n * 100);
  EXPECT_EQ(Progress(rig.ui, Job::LocationSend), (std::vector<int>{-3, 0, 1, 2}))
      << "the window, not the transfer, zeroes the transmit bar";
}

// Turns the wrong checksum on for exactly one row of an "all" transfer, chosen by the progress value
// that the transfer sets before each row.
class FaultOnRowUi : public RecordingUi {
 public:
  FaultOnRowUi(sim::Faults& faults, int row) : faults_(faults), row_(row) {}
  void showProgressValue(Job job, int index, int value) override {
    faults_.badChecksum = value == row_;
    RecordingUi::showProgressValue(job, index, value);
  }

 private:
  sim::Faults& faults_;
  int row_;
};

TEST(ShiftTransfer, WrongChecksumOnShift17LeavesItAndFetchesTheRest) {
  SimRig rig(2);
  for (int n = 0; n <= 1000; ++n) rig.controller.positions.shifts[static_cast<std::size_t>(n)] = {n + 1, -n - 1};
  FaultOnRowUi ui(rig.controller.faults, 17);
  Link link(rig.wire, ui, rig.clock);
  PositionData data;
  data.SftTable[17] = {-5, -5, 0, 0, 0, 0};
  const TransferOutcome outcome = ReceiveTableRows(data.SftTable, link, 2, Scope::All, 0, 0, data.RxPointNo);
  EXPECT_EQ(std::tuple(outcome.result.ok(), outcome.stored, outcome.rejected, rig.controller.commandLog.size(),
                       data.SftTable[17], data.SftTable[18]),
            std::tuple(true, 999, 1, 1000u, PositionRow{-5, -5, 0, 0, 0, 0}, PositionRow{19, -19, 0, 0, 0, 0}))
      << "row 17 kept, the rows after it still arrive";
  // ETX from the controller answered by DLE from the host: exactly one rejected block.
  const std::string wire = rig.wire.text();
  std::size_t rejections = 0;
  for (std::size_t at = wire.find("03 > 10"); at != std::string::npos; at = wire.find("03 > 10", at + 1)) ++rejections;
  EXPECT_EQ(rejections, 1u);
  EXPECT_NE(wire.find("> 00 00 00 00 E7 03 00 00 02"), std::string::npos) << "operands (0, 999)";
  EXPECT_NE(wire.find("> E7 03 00 00 E7 03 00 00 02"), std::string::npos) << "operands (999, 999)";
  const auto progress = Progress(ui, Job::ShiftReceive);
  EXPECT_EQ(std::tuple(data.RxPointNo, progress.front(), progress.back()), std::tuple(999, -1000, 0));
}

TEST(Transfers, RowsAndValuesOutsideTheTablesAreRefusedBeforeAnythingIsSent) {
  constexpr const char* kValueRange =
      ":"
      " -167772.16 ~ 167772.15 까지 입력하십시요.";
  const struct {
    const char* name;
    bool shifts;
    Scope mode;
    int point;
    int start;
    int end;
    std::string message;
    int row = -1;  // a value outside what travels intact, at this row and axis: only sending is refused
    int axis = 0;
    std::int32_t value = 0;
  } cases[] = {
      {"location 2501", false, Scope::Single, 2501, 0, 0, " 0 ~ 2500 까지 입력하십시요."},
      {"location -1", false, Scope::Single, -1, 0, 0, " 0 ~ 2500 까지 입력하십시요."},
      {"block past the end", false, Scope::Block, 0, 2400, 2501, " 0 ~ 2500 까지 입력하십시요."},
      {"block below 0", false, Scope::Block, 0, -3, 4, " 0 ~ 2500 까지 입력하십시요."},
      {"reversed block", false, Scope::Block, 0, 6, 5, " End Loc 는 Start Loc 보다 커야 합니다."},
      {"shift 1001", true, Scope::Single, 1001, 0, 0, " 0 ~ 1000 까지 입력하십시요."},
      {"value 167772.16", false, Scope::Single, 7, 0, 0, std::string("P007 2축") + kValueRange, 7, 1, 16777216},
      {"value -167772.17", true, Scope::Single, 3, 0, 0, std::string("S03 1축") + kValueRange, 3, 0, -16777217},
      {"value in a block", false, Scope::Block, 0, 10, 20, std::string("P015 2축") + kValueRange, 15, 1, 20000000},
      {"value in the last row", true, Scope::All, 0, 0, 0, std::string("S999 1축") + kValueRange, 999, 0, INT32_MIN},
  };
  for (const auto& c : cases) {
    for (bool receive : {false, true}) {
      if (receive && c.row >= 0) continue;
      SimRig rig(2);
      PositionData data;
      data.TxPointNo = data.RxPointNo = c.point;
      if (c.row >= 0) (c.shifts ? data.SftTable : data.LocTable)[c.row][static_cast<std::size_t>(c.axis)] = c.value;
      PositionTable& table = c.shifts ? data.SftTable : data.LocTable;
      const TransferOutcome outcome = receive
                                          ? ReceiveTableRows(table, rig.link, 2, c.mode, c.start, c.end, data.RxPointNo)
                                          : SendTableRows(table, rig.link, 2, c.mode, c.start, c.end, data.TxPointNo);
      EXPECT_EQ(
          std::tuple(outcome.result == Outcome::Refused, rig.wire.text(), rig.ui.texts(), rig.ui.progress.empty()),
          std::tuple(true, "", std::vector<std::string>{c.message}, true))
          << c.name;
    }
  }
}

TEST(Transfers, ShiftTableHasNoBlockMode) {
  SimRig rig(2);
  PositionData data;
  EXPECT_TRUE(SendTableRows(data.SftTable, rig.link, 2, Scope::Block, 0, 0, data.TxPointNo).result == Outcome::Refused);
  EXPECT_TRUE(ReceiveTableRows(data.SftTable, rig.link, 2, Scope::Block, 0, 0, data.RxPointNo).result ==
              Outcome::Refused);
  EXPECT_EQ(rig.wire.text(), "");
}

// The fault matrix proves every fault on every transfer; here, that the loop stops where it failed.
TEST(Transfers, LinkFailuresShowTheErrorBoxAndStopTheLoop) {
  const struct {
    const char* name;
    void (*fault)(sim::Faults&);
    bool receive;
  } cases[] = {
      {"wrong echo", [](sim::Faults& f) { f.wrongEcho = true; }, true},
      {"block refused", [](sim::Faults& f) { f.refuseBlocks = true; }, false},
  };
  for (const auto& c : cases) {
    SimRig rig(2);
    c.fault(rig.controller.faults);
    rig.controller.faults.fromCommand = 3;  // two rows go through first
    PositionData data;
    const TransferOutcome outcome = c.receive
                                        ? ReceiveTableRows(data.LocTable, rig.link, 2, Scope::All, 0, 0, data.RxPointNo)
                                        : SendTableRows(data.LocTable, rig.link, 2, Scope::All, 0, 0, data.TxPointNo);
    EXPECT_FALSE(outcome.result.ok()) << c.name;
    EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{"통신이상 발생"}) << c.name;
    EXPECT_EQ(rig.controller.commandLog.size(), 3u) << c.name << ": no command after the failed one";
    if (c.receive) {
      EXPECT_EQ(outcome.stored, 2) << c.name;
      EXPECT_EQ(rig.ui.progress.back().value, 0) << c.name << ": the bar goes back to 0 on the error path too";
    }
  }
}

struct TableJobs : zova::test::ScratchDir {};

TEST_F(TableJobs, ReceiveToAFileThatCannotBeWrittenIsAFileFailure) {
  SimRig rig(2);
  PositionData data;
  const std::string file = path("missing/ZOVALOC.dat");
  data.RxPointNo = 4;
  EXPECT_EQ(ReceiveRowsToFile(data.LocTable, rig.link, 2, Scope::Single, 0, 0, data.RxPointNo, &file),
            Outcome::FileFailed);
}

std::vector<std::uint8_t> Block(std::initializer_list<std::int32_t> values) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t v : values) {
    const auto b = EncodePositionValue(v);
    bytes.insert(bytes.end(), b.begin(), b.end());
  }
  return bytes;
}

bool SendBlock(Link& link, const std::vector<std::uint8_t>& block) {
  std::uint32_t sum = 0;
  link.SendBytes(block, sum);
  return link.SendChecksum(Link::ChecksumFor(sum)).ok();
}

// Second operands whose low byte is STX must not pass for the one-operand form.
TEST(SimTableCommands, TwoOperandFormWithStxAsLowByteOfTheEnd) {
  for (int end : {2, 258, 2306}) {
    SimRig rig(2);
    ASSERT_TRUE(rig.link.StartCommand(cmd::kSendLocations)) << end;
    ASSERT_TRUE(rig.link.SendTwoOperands(1, end)) << end;
    ASSERT_TRUE(SendBlock(rig.link, Block({-1, 42}))) << end;
    EXPECT_EQ(rig.controller.positions.locations[1], (sim::StoredPosition{-1, 42, 0, 0, 0, 0})) << end;
  }
}

TEST(SimTableCommands, BlockWithWrongChecksumIsRefusedAndNotStored) {
  SimRig rig(2);
  rig.controller.positions.shifts[3] = {5, 5, 0, 0, 0, 0};
  ASSERT_TRUE(rig.link.StartCommand(cmd::kSendShifts));
  ASSERT_TRUE(rig.link.SendTwoOperands(3, 999));
  std::uint32_t sum = 0;
  rig.link.SendBytes(Block({9, 9}), sum);
  EXPECT_FALSE(rig.link.SendChecksum(static_cast<std::uint8_t>(Link::ChecksumFor(sum) + 1)));
  EXPECT_EQ(rig.wire.text().substr(rig.wire.text().size() - 4), "< 10");
  EXPECT_EQ(rig.controller.positions.shifts[3], (sim::StoredPosition{5, 5, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace zova::positions
