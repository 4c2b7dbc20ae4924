// zovactl in-process: the argument forms, output forms and exit codes of compile, check, list and program; and
// its duties across commands: a fetch into an existing file changes only the fetched rows, rows a file cannot
// hold are refused, and every failure says why. (How an operator's stop ends a jog or a transfer is proven on
// the real process, by signal.)
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/interrupt.h"
#include "programs/program_files.h"
#include "cli/terminal_ui.h"
#include "support/language_guard.h"
#include "positions/position_table.h"
#include "positions/table_file.h"
#include "support/cli_rig.h"

namespace zova::cli {
namespace {

using test::Source;

using Runner = int (*)(Context&, const Args&);

struct CommandCase {
  Runner run;
  int exit;
  const char* args;  // split at '|'; "{f}" is the scratch file, written with `file` first when that is not empty
  std::string file;
  std::string output;
  const char* messages;  // split at '|'; "*" is any text that says something
  int axes = 0;
  int machineType = 0;
};

// Every "{f}" in text becomes the scratch file's path.
std::string WithFile(std::string text, const std::string& file) {
  for (std::size_t at = text.find("{f}"); at != std::string::npos; at = text.find("{f}", at + file.size())) {
    text.replace(at, 3, file);
  }
  return text;
}

std::vector<std::string> Fields(const std::string& text, const std::string& file) {
  std::vector<std::string> fields;
  for (std::size_t from = 0; from < text.size();) {
    const std::size_t to = std::min(text.find('|', from), text.size());
    fields.push_back(WithFile(text.substr(from, to - from), file));
    from = to + 1;
  }
  return fields;
}

// The messages these cases expect are the English ones; the Korean are proven on the real process.
struct InEnglish {
  test::LanguageGuard english{Language::English};
};

class Commands : public test::CliRig, InEnglish {};

TEST_F(Commands, FormsOutputsAndExitCodes) {
  const std::string list = "01100005 00000000\r\n\r\n79200001 00020003\nFF000000 00000000\n";
  const std::string badRecords = "MVE P9999\r\n; c\r\nGOTO 5\r\nSTOP\r\n";
  const char* wrongWords = "{f}:2: expected two hexadecimal words";
  const CommandCase cases[] = {
      {RunCompile, kExitOk, "{f}|--program|3", "MVE P5 ;a\r\n\r\nSET R1 32767\r\n[EOF]\r\n",
       "01100005 00000000\nB1200001 7FFF0000\nFF000000 00000000\n", ""},
      // A named problem prints no image, not one with the line left out.
      {RunCompile, 1, "{f}", "MVE P9999\nSTOP\n", "",
       "{f}:1: Location number out of range|{f}:2: the source ends without an [EOF] line"},
      {RunCompile, kExitOk, "--line|CCLR 6", "", "B6000006 00000000\n", ""},  // six axes when not given
      {RunCompile, 1, "--line|CCLR 6", "", "", "CCLR: axis number out of range", 3},
      {RunCompile, kExitUsage, "--line|STOP", "", "", "*", 7},
      {RunCompile, kExitUsage, "", "", "", "*"},
      {RunCompile, kExitUsage, "--line", "", "", "*"},
      {RunCompile, kExitUsage, "--line|STOP|extra", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program|33", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program|x", "", "", "*"},
      {RunCompile, kExitUsage, "a.dat|--program|1|--program|2", "", "", "*"},
      {RunCompile, kExitUsage, "--program|1", "", "", "*"},
      {RunCheck, kExitOk, "{f}", "MVE P5 ;a\r\n[EOF]\r\n", "", ""},
      {RunCheck, 1, "{f}", badRecords,
       "{f}:1: Location number out of range\n{f}:3: Syntax error in the GOTO instruction\n{f}:4: the source ends "
       "without an [EOF] line\n",
       "{f}: 3 problems"},
      {RunCheck, kExitFile, "/nonexistent/zova.dat", "", "", "*"},
      {RunCheck, kExitUsage, "{f}|{f}", badRecords, "", "*"},
      // The machine type given picks the device names (each type's names: the listing's own tests).
      {RunList, kExitOk, "{f}", list, "000 MVE P0005\n001 RER R*  R001 R002 R003\n002 [EOF]\n", "", 0, 1},
      // A malformed record prints nothing at all, not the records before it.
      {RunList, kExitFile, "{f}", "36000000 00000000\n01100005\n", "", wrongWords},
      {RunList, kExitFile, "{f}", "36000000 00000000\n01100005 00000000 1\n", "", wrongWords},
      {RunList, kExitFile, "{f}", "36000000 00000000\n1FFFFFFFF 0\n", "", wrongWords},
      {RunList, kExitUsage, "a|b", "", "", "*"},
      {RunProgram, kExitUsage, "", "", "", "*"},
      {RunProgram, kExitUsage, "send|3", "", "", "*"},
      {RunProgram, kExitUsage, "send|x|{f}", "", "", "*"},
      {RunProgram, kExitUsage, "send|32|{f}", "", "", "*"},
      {RunProgram, kExitUsage, "send-all", "", "", "*"},
      {RunProgram, kExitUsage, "fetch|1|{f}", "", "", "*"},
      {RunJog, kExitUsage, "2|+|--ms|60001", "", "", "*"},  // a minute at most
      // The console's boxes would round these; a script's numbers are whole or refused, and no option twice.
      // A refused number names the program (and, from main, the command); a program number is refused before
      // the port opens.
      {CheckStartProgram, kExitUsage, "4.5", "", "", "zovactl: N takes a whole number, not 4.5", 4},
      {CheckStartProgram, kExitUsage, "1e1", "", "", "zovactl: N takes a whole number, not 1e1", 4},
      {CheckStartProgram, kExitUsage, "32", "", "", "zovactl: Enter a value from 0 to 31.", 4},
      {RunLocSet, kExitUsage, "3.0", "", "", "zovactl: N takes a whole number, not 3.0", 4},
      {RunJog, kExitUsage, "1.0|+", "", "", "zovactl: AXIS takes a whole number, not 1.0", 4},
      {RunJog, kExitUsage, "1|+|--speed|10.5", "", "", "zovactl: --speed takes a whole number, not 10.5", 4},
      {RunJog, kExitUsage, "1|+|--speed|5|--speed|6", "", "", "*", 4},
      {RunMove, kExitUsage, "MVE P1|--speed|5.5", "", "", "zovactl: --speed takes a whole number, not 5.5", 4},
      {RunMove, kExitUsage, "MVE P1|--accel|+50", "", "", "zovactl: --accel takes a whole number, not +50", 4},
  };
  const std::string file = path("in.dat");
  for (const CommandCase& c : cases) {
    clear();
    if (!c.file.empty()) write(file, c.file);
    ctx.options.axes = c.axes;
    ctx.options.machineType = c.machineType;
    const std::string what = std::string(c.args) + " " + c.file;
    EXPECT_EQ(c.run(ctx, Fields(c.args, file)), c.exit) << what;
    EXPECT_EQ(takeOutput(), WithFile(c.output, file)) << what;
    EXPECT_EQ(sim.wire.text(), "") << what << ": these forms send nothing";
    const std::vector<std::string> texts = sim.ui.texts();
    if (std::string(c.messages) == "*") {
      EXPECT_TRUE(texts.size() == 1 && !texts[0].empty()) << what;  // a failure always says why
    } else {
      EXPECT_EQ(texts, Fields(c.messages, file)) << what;
    }
  }
}

using ProgramCommand = Commands;

TEST_F(ProgramCommand, AxesFilesAndLinkFailures) {
  // The axis check of the compile uses --axes when given, else six.
  write(path("acc.dat"), Source({"ACC 5 100 ;go", "[EOF]"}));
  ctx.options.axes = 4;
  EXPECT_EQ(RunProgram(ctx, {"send", "2", path("acc.dat")}), kExitFile);
  EXPECT_EQ(sim.ui.texts().back(), path("acc.dat") + ":1: ACC: axis number out of range");
  for (int n = 0; n <= 30; ++n) write(programs::AllModeFileName(dir.string(), n), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(RunProgram(ctx, {"send-all", dir.string()}), kExitFile) << "ZOVAPRG31.dat is missing";
  EXPECT_EQ(sim.wire.text(), "") << "nothing is sent after a file error";
  ctx.options.axes = 0;
  EXPECT_EQ(RunProgram(ctx, {"send", "1", path("acc.dat")}), kExitOk);
  EXPECT_EQ(RunProgram(ctx, {"receive", "1", path("out.dat")}), kExitOk);
  EXPECT_EQ(read(path("out.dat")), "000 ACC 5 00100 ;go\r\n001 [EOF] \r\n");
  write(path("ZOVAPRG31.dat"), Source({"STOP", "[EOF]"}));
  EXPECT_EQ(RunProgram(ctx, {"send-all", dir.string() + "/"}), kExitOk);

  // A record no source line gives (MVE P2601): the file is written, the difference named.
  auto& held = sim.controller.programs.programs[6];
  held.block.assign(2050, 0);
  held.comments.assign(31800, 0);
  for (const auto& [at, byte] : {std::pair{0, 1}, {2, 0x29}, {3, 0x0A}, {4, 0x10}, {5, 0x01}, {13, 0xFF}})
    held.block[at] = byte;
  EXPECT_EQ(RunProgram(ctx, {"receive", "6", path("six.dat")}), kExitDifferent);
  EXPECT_EQ(sim.ui.texts().back(),
            "the written source does not compile back to what the controller holds; "
            "zovactl backup keeps the exact image");
  EXPECT_EQ(read(path("six.dat")), "000 MVE P2601 \r\n001 [EOF] \r\n");

  sim.controller.faults.badChecksum = true;
  EXPECT_EQ(RunProgram(ctx, {"receive", "0", path("bad.dat")}), kExitLink);
}

using positions::PositionTable;
constexpr int kAxes = 3;

class CommandSafety : public test::CliRig, InEnglish {
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

// Without --file the fetched rows go to standard output, as the file would hold them.
TEST_F(CommandSafety, WithoutAFileTheFetchedRowsPrintInTheFileForm) {
  for (auto& row : sim.controller.positions.locations) row = {-1, -2, -300, -4, -5, -6};
  EXPECT_EQ(RunLoc(ctx, {"receive", "block", "5", "6"}), kExitOk);
  EXPECT_EQ(takeOutput(), "P005 = -0.01 -0.02 -3.00 0.00 0.00 0.00\nP006 = -0.01 -0.02 -3.00 0.00 0.00 0.00\n");
  for (auto& row : sim.controller.positions.shifts) row = {7, 0, 0, 0, 0, 0};
  PositionTable shifts(positions::kShiftLayout);
  for (int r = 0; r < positions::kShiftLayout.fileRows; ++r) shifts[r] = {7, 0, 0, 0, 0, 0};
  std::string all = positions::FormatTableFile(shifts);
  all.erase(std::remove(all.begin(), all.end(), '\r'), all.end());
  EXPECT_EQ(RunSft(ctx, {"receive", "all"}), kExitOk);
  EXPECT_EQ(takeOutput(), all);
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

TEST_F(CommandSafety, ACopyWithRejectedBlocksSaysWhy) {
  sim.controller.faults.badChecksum = true;
  EXPECT_EQ(RunLoc(ctx, {"receive", "block", "1", "2"}), kExitLink);
  EXPECT_EQ(RunSysPara(ctx, {"fetch", "--file", path("sys.dat")}), kExitLink);
  EXPECT_EQ(sim.ui.texts(), (std::vector<std::string>{"2 rows arrived with a wrong checksum and kept no value",
                                                      "the parameter block arrived with a wrong checksum"}));
}

// A message box breaks its text at a lone CR (the listing-write error has one); a terminal must not
// overwrite the first half with the second.
class TerminalMessages : public test::CliRig {};

TEST_F(TerminalMessages, ACarriageReturnBreaksTheLine) {
  TerminalUi terminal(ctx.out, false);
  static_cast<Ui&>(terminal).messageBox("first\rsecond\r\nthird");
  EXPECT_EQ(takeOutput(), "first\nsecond\nthird\n");
}

// Standard output that takes no more writes asks the operation to stop, as a signal does.
TEST_F(TerminalMessages, AFailedWriteToStandardOutputAsksForAStop) {
  write(path("out"), "");
  std::FILE* readOnly = std::fopen(path("out").c_str(), "r");
  CliUi ui(ctx.out, false, readOnly);
  EXPECT_FALSE(ui.cancelRequested());
  std::fputs("P005\n", readOnly);
  EXPECT_TRUE(ui.cancelRequested());
  std::fclose(readOnly);
}

}  // namespace
}  // namespace zova::cli
