// zovactl's safety across commands: a fetch into an existing file changes only the fetched rows, rows a
// file cannot hold are refused, an operator's stop ends a jog with the axis stopped and a transfer
// between exchanges, and every failure says why.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "cli/cmd_console.h"
#include "cli/cmd_parameters.h"
#include "cli/cmd_positions.h"
#include "link/terminal_ui.h"
#include "positions/position_table.h"
#include "positions/table_file.h"
#include "support/cli_rig.h"

namespace zova::cli {
namespace {

using positions::PositionTable;
constexpr int kAxes = 3;

class CommandSafety : public test::CliRig {
 protected:
  CommandSafety() : CliRig(kAxes) { ctx.options.axes = kAxes; }
  // Every row of the file distinct from the controller's, on all six axes.
  static PositionTable FileTable(const positions::TableLayout& layout) {
    PositionTable t(layout);
    for (int r = 0; r < layout.fileRows; ++r) t[r] = {r, -r, 2 * r, 3, 4, 5};
    return t;
  }
};

TEST_F(CommandSafety, AFetchIntoAnExistingFileChangesOnlyTheFetchedRows) {
  struct Case {
    Args args;
    bool shifts;
    std::vector<int> rows;
  } cases[] = {
      {{"receive", "single", "7"}, false, {7}},
      {{"receive", "block", "5", "6"}, false, {5, 6}},
      {{"receive", "single", "999"}, true, {999}},
  };
  for (const Case& c : cases) {
    const auto& layout = c.shifts ? positions::kShiftLayout : positions::kLocationLayout;
    auto& stored = c.shifts ? sim.controller.positions.shifts : sim.controller.positions.locations;
    for (auto& row : stored) row = {-1, -2, -3, -4, -5, -6};
    PositionTable expected = FileTable(layout);
    write(path("table.dat"), positions::FormatTableFile(expected));
    for (int r : c.rows) expected[r] = {-1, -2, -3, 3, 4, 5};  // axes beyond the third keep the file's values

    Args args = c.args;
    args.insert(args.end(), {"--file", path("table.dat")});
    EXPECT_EQ(c.shifts ? RunSft(ctx, args) : RunLoc(ctx, args), kExitOk) << args[1];
    EXPECT_EQ(read(path("table.dat")), positions::FormatTableFile(expected)) << args[1];
  }
  // A file that is there but cannot be read is not replaced: nothing is fetched.
  write(path("table.dat"), "P000 = 1\r\n");
  sim.wire.clear();
  EXPECT_EQ(RunLoc(ctx, {"receive", "single", "3", "--file", path("table.dat")}), kExitFile);
  EXPECT_EQ(sim.wire.text(), "");
  EXPECT_EQ(read(path("table.dat")), "P000 = 1\r\n");
}

TEST_F(CommandSafety, RowsAFileCannotHoldAreNotSent) {
  write(path("loc.dat"), positions::FormatTableFile(FileTable(positions::kLocationLayout)));
  write(path("sft.dat"), positions::FormatTableFile(FileTable(positions::kShiftLayout)));
  EXPECT_EQ(RunLoc(ctx, {"send", "single", "2500", "--file", path("loc.dat")}), kExitUsage);
  EXPECT_EQ(RunLoc(ctx, {"send", "block", "2499", "2500", "--file", path("loc.dat")}), kExitUsage);
  EXPECT_EQ(RunSft(ctx, {"send", "single", "1000", "--file", path("sft.dat")}), kExitUsage);
  EXPECT_EQ(sim.ui.texts().back(), "S1000: a file holds rows 0 to 999 only, so it has no values for this row");
  EXPECT_EQ(sim.wire.text(), "");
  EXPECT_EQ(RunLoc(ctx, {"send", "single", "2499", "--file", path("loc.dat")}), kExitOk);
}

TEST_F(CommandSafety, AStopRequestEndsAJogWithTheAxisStoppedAndATransferWithTheFileAsItWas) {
  int checks = 0;
  sim.ui.cancelWhen = [&] { return ++checks > 3; };
  EXPECT_EQ(RunJog(ctx, {"2", "+", "--ms", "60000"}), kExitInterrupted);
  EXPECT_NE(sim.wire.text().find("< 16 > 18"), std::string::npos) << "the stop right after the jog started";
  EXPECT_LT(sim.clock.now().time_since_epoch(), seconds(2)) << "the jog did not run its minute";
  EXPECT_EQ(takeOutput().substr(0, 8), "command ");
  EXPECT_EQ(RunJog(ctx, {"2", "+", "--ms", "60001"}), kExitUsage) << "a minute at most";

  const std::string old = positions::FormatTableFile(FileTable(positions::kLocationLayout));
  write(path("loc.dat"), old);
  checks = 0;
  EXPECT_EQ(RunLoc(ctx, {"receive", "all", "--file", path("loc.dat")}), kExitInterrupted);
  EXPECT_EQ(read(path("loc.dat")), old);
}

TEST_F(CommandSafety, ACopyWithRejectedBlocksSaysWhy) {
  sim.controller.faults.badChecksum = true;
  EXPECT_EQ(RunLoc(ctx, {"receive", "block", "1", "2"}), kExitLink);
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", path("sys.dat")}), kExitLink);
  EXPECT_EQ(sim.ui.texts(), (std::vector<std::string>{"2 rows arrived with a wrong checksum and kept no value",
                                                      "the parameter block arrived with a wrong checksum"}));
}

// A message box breaks its text at a lone CR (the listing-write error has one); a terminal must not
// overwrite the first half with the second.
TEST(TerminalMessages, ACarriageReturnBreaksTheLine) {
  std::FILE* err = std::tmpfile();
  TerminalUi ui(err, false);
  Ui& box = ui;
  box.messageBox("first\rsecond\r\nthird");
  std::rewind(err);
  char text[64] = {};
  const std::size_t n = std::fread(text, 1, sizeof text - 1, err);
  EXPECT_EQ(std::string(text, n), "first\nsecond\nthird\n");
  std::fclose(err);
}

}  // namespace
}  // namespace zova::cli
