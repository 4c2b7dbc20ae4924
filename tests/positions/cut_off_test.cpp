// Transfers cut off at any point: the controller falls silent or the line drops. Every run ends
// with the error message within the time-out, and a file named for the fetched table stays as it was.
#include <gtest/gtest.h>

#include "positions/position_data.h"
#include "positions/table_file.h"
#include "positions/table_jobs.h"
#include "positions_fixture.h"
#include "support/test_support.h"

namespace zova::positions {
namespace {

using test::ScratchDir;
namespace fs = std::filesystem;
using zova::test::SimRig;

constexpr int kAxes = 2;
// Bytes the controller sends per row exchange with two axes: 06, echo, SYN, 8 data, checksum, ETX.
constexpr long kBytesPerRow = 13;

// Cut points: every byte of the first three exchanges, and some deep inside the table.
std::vector<long> CutPoints() {
  std::vector<long> points;
  for (long k = 0; k < 3 * kBytesPerRow; ++k) points.push_back(k);
  for (long k : {kBytesPerRow * 500 + 4, kBytesPerRow * 999 + 12, kBytesPerRow * 2499 + 7}) points.push_back(k);
  return points;
}

struct CutOff : ScratchDir {
  // A whole LOC file, since a fetch reads the file it merges into first.
  static std::string OldText() {
    PositionTable old(kLocationLayout);
    old[0] = {100, 200, 300, 400, 500, 600};
    return FormatTableFile(old);
  }
};

// The messages of a failed exchange: the handshake's own text where the first wait ran out, then the error box.
bool EndsWithErrorBox(const RecordingUi& ui) {
  const auto texts = ui.texts();
  if (texts.empty() || texts.back() != "통신이상 발생" || ui.messages.back().title != "ERROR") return false;
  return texts.size() == 1 || (texts.size() == 2 && texts[0] == "통신이 연결되지 않았습니다.");
}

TEST_F(CutOff, ReceiveAllEndsWithTheErrorAndKeepsTheFile) {
  for (bool disconnect : {false, true}) {
    for (long k : CutPoints()) {
      const std::string file = path("ZOVALOC.dat");
      write(file, OldText());
      SimRig rig(kAxes);
      (disconnect ? rig.controller.faults.disconnectAfter : rig.controller.faults.silenceAfter) = k;
      PositionData data;
      const TimePoint started = rig.clock.now();
      const JobResult result =
          ReceiveRowsToFile(data.LocTable, rig.link, kAxes, kLocModeAll, 0, 0, data.RxPointNo, &file);
      const Duration took = rig.clock.now() - started;
      EXPECT_EQ(result, JobResult::LinkFailed) << k << (disconnect ? " disconnect" : " silence");
      EXPECT_TRUE(EndsWithErrorBox(rig.ui)) << k << ": " << ::testing::PrintToString(rig.ui.texts());
      EXPECT_LE(took, rig.link.timeouts.handshake + rig.link.timeouts.reply) << k;
      EXPECT_EQ(read(file), OldText()) << k;
      EXPECT_EQ(std::distance(fs::directory_iterator(dir), {}), 1) << k;
      const auto& bar = rig.ui.progress.back();
      EXPECT_EQ(bar.value, 0) << "the receive bar goes back to 0 on the error path too";
    }
  }
}

TEST_F(CutOff, SendAllEndsWithTheErrorWithinTheTimeOut) {
  const std::string file = path("ZOVASFT.dat");
  std::string text;
  for (int n = 0; n < 1000; ++n) text += "S = " + std::to_string(n + 1) + " -1\r\n";
  write(file, text);
  // A transmit exchange costs the controller 4 bytes: 06, echo, SYN, EOT.
  std::vector<long> points;
  for (long k = 0; k < 12; ++k) points.push_back(k);
  points.push_back(4 * 600 + 2);
  for (bool disconnect : {false, true}) {
    for (long k : points) {
      SimRig rig(kAxes);
      (disconnect ? rig.controller.faults.disconnectAfter : rig.controller.faults.silenceAfter) = k;
      PositionData data;
      const TimePoint started = rig.clock.now();
      const JobResult result = SendRowsFromFile(data.SftTable, rig.link, kAxes, kSftModeAll, 0, 0, 0, file);
      EXPECT_EQ(result, JobResult::LinkFailed) << k;
      EXPECT_TRUE(EndsWithErrorBox(rig.ui)) << k << ": " << ::testing::PrintToString(rig.ui.texts());
      EXPECT_LE(rig.clock.now() - started, rig.link.timeouts.handshake + rig.link.timeouts.reply) << k;
      const auto& shifts = rig.controller.positions.shifts;
      const long acknowledged = k / 4;
      for (long r = 0; r < acknowledged; ++r) {
        EXPECT_EQ(shifts[static_cast<std::size_t>(r)][0], 100 * (r + 1)) << "row acknowledged before the cut";
      }
      EXPECT_EQ(shifts[static_cast<std::size_t>(acknowledged) + 1][0], 0) << "nothing sent after the cut";
      EXPECT_EQ(read(file), text);
    }
  }
}

TEST_F(CutOff, ReceiveToAFileThatCannotBeWrittenIsAFileFailure) {
  SimRig rig(kAxes);
  PositionData data;
  const std::string file = path("missing/ZOVALOC.dat");
  data.RxPointNo = 4;
  EXPECT_EQ(ReceiveRowsToFile(data.LocTable, rig.link, kAxes, kModeSingle, 0, 0, data.RxPointNo, &file),
            JobResult::FileFailed);
  ASSERT_EQ(rig.ui.texts().size(), 1u);
  EXPECT_NE(rig.ui.texts()[0].find(file), std::string::npos);
}

TEST_F(CutOff, SendOfAFileThatCannotBeLoadedOrSentIntactSendsNothing) {
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
  EXPECT_EQ(SendRowsFromFile(data.LocTable, rig.link, kAxes, kLocModeAll, 0, 0, 0, path("absent.dat")),
            JobResult::FileFailed);
  EXPECT_EQ(rig.wire.text(), "");
}

}  // namespace
}  // namespace zova::positions
