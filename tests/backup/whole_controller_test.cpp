// Backup, restore and compare against simulated controllers: a whole round trip with everything the text
// files cannot carry, a line cut at several points, damaged backups, the difference lines, and stops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "backup/backup_files.h"
#include "backup/sha256.h"
#include "backup/whole_controller.h"
#include "cli/cmd_backup.h"
#include "language/compiler.h"
#include "language/transfer/program_wire.h"
#include "sim/state_file.h"
#include "support/cli_rig.h"

namespace zova::backup {
namespace {

namespace fs = std::filesystem;
constexpr int kAxes = 4;
const std::string kProgram5 = "MVE P0001 ;첫 줄\r\n; 주석 한 줄\r\nMVE P0002\r\nSTOP\r\n[EOF]\r\n";

sim::StoredProgram Compiled(int n, const std::string& source) {
  language::ProgramStore store;
  RecordingUi ui;
  EXPECT_TRUE(language::Compiler(store, ui, {kAxes, 0}).compileSource(n, source));
  const programs::ProgramBlock block = programs::PackProgramBlock(store, n);
  return {{block.begin(), block.end()}, programs::PackCommentBlock(store)};
}

void StoreProgram(sim::Controller& c, int n, const std::string& source) {
  c.programs.programs[static_cast<std::size_t>(n)] = Compiled(n, source);
}

// Every part holds something the text files cannot carry: unnamed entries, bits the decoders drop,
// Korean comments.
void Load(sim::Controller& c) {
  c.positions.locations[12] = {1000, -5, 16777215, -16777216, 0, 0};
  c.positions.locations[2499] = {7, 7, 7, 7, 0, 0};
  c.positions.shifts[999] = {1, 2, 3, 4, 0, 0};
  c.machine.parameters.system[20] = 12345;
  c.machine.parameters.system[4] = 0x01000005;
  c.machine.parameters.axis[1][139] = -7;
  StoreProgram(c, 5, kProgram5);
}

// `sim` is the loaded controller the backups are taken from.
class WholeController : public test::CliRig {
 protected:
  WholeController() : CliRig(kAxes) {
    Load(sim.controller);
    ctx.options.axes = kAxes;
  }
  void MakeBackup() { ASSERT_EQ(Backup(sim.link, setup, Parts::All(), dir()).result, Result::Ok); }
  [[nodiscard]] std::string dir() const { return path("backup"); }

  backup::Setup setup{kAxes, 0, "sim", "9600,n,8,1", "1.0.3"};
};

TEST_F(WholeController, ABackupRestoredIntoAnEmptyControllerHoldsEverything) {
  MakeBackup();
  EXPECT_EQ(std::distance(fs::recursive_directory_iterator(dir()), {}), 75)
      << "32 + 4 text files, BACKUP.txt, SHA256SUMS, raw/ and its 32 + 4 files";
#ifndef _WIN32  // coreutils' own check; the digest itself is checked on every system by KnownDigests
  EXPECT_EQ(std::system(("cd '" + dir() + "' && sha256sum --quiet -c SHA256SUMS").c_str()), 0);
#endif
  EXPECT_NE(read(dir() + "/ZOVAPRG05.dat").find("000 MVE P0001 ;첫 줄\r\n; 주석 한 줄\r\n"), std::string::npos);

  test::SimRig empty{kAxes};
  EXPECT_EQ(Restore(empty.link, setup, nullptr, dir()).result, Result::Ok);
  // The whole memory, as the simulator writes it to its state file.
  EXPECT_EQ(sim::StateText(empty.controller), sim::StateText(sim.controller));
}

TEST_F(WholeController, ACutLineLeavesNoFolderAndARestoreSaysWhatWasSent) {
  // Controller bytes: the system block ends near 410, the locations near 56000, program 5 starts near 77200.
  for (long cut : {100L, 30000L, 77300L}) {
    test::SimRig rig{kAxes};
    Load(rig.controller);
    rig.controller.faults.disconnectAfter = cut;
    EXPECT_EQ(Backup(rig.link, setup, Parts::All(), dir()).result, Result::LinkFailed) << cut;
    EXPECT_EQ(filesInDir(), 0) << cut << ": neither the folder nor its temporary one";
  }
  MakeBackup();
  // A restore gets four bytes from the controller per exchange: answer, echo, SYN, EOT.
  struct Case {
    long cut;
    std::vector<std::string> summary;
  } cases[] = {
      {2,
       {"system parameters: not sent", "axis parameters: not sent", "locations: not sent", "shifts: not sent",
        "programs: not sent"}},
      {8 + 4 * 1234 + 2,
       {"system parameters: sent", "axis parameters: sent", "locations: 1234 of 2500 rows sent", "shifts: not sent",
        "programs: not sent"}},
      {8 + 4 * 3500 + 4 * 3 + 2,
       {"system parameters: sent", "axis parameters: sent", "locations: sent", "shifts: sent",
        "programs: 3 of 32 programs sent"}},
  };
  for (Case& c : cases) {
    test::SimRig rig{kAxes};
    rig.controller.faults.disconnectAfter = c.cut;
    const Report r = Restore(rig.link, setup, nullptr, dir());
    EXPECT_EQ(r.result, Result::LinkFailed) << c.cut;
    c.summary.push_back("ended by a failure; the rest was not sent");
    EXPECT_EQ(r.summary, c.summary) << c.cut;
  }
}

TEST_F(WholeController, ADamagedBackupOrAnotherAxisCountIsRefusedWithNothingSent) {
  MakeBackup();
  auto flip = [](const std::string& file) {
    std::string text = read(file);
    text[text.size() / 2] ^= 1;
    write(file, text);
  };
  struct Case {
    const char* what;
    std::function<void(const std::string&)> harm;
    int axes;
    Result result;
  } cases[] = {
      {"a raw byte", [&](const std::string& d) { flip(d + "/raw/ZOVALOC.bin"); }, kAxes, Result::Damaged},
      {"a text byte", [&](const std::string& d) { flip(d + "/ZOVAPRG05.dat"); }, kAxes, Result::Damaged},
      {"a missing file", [](const std::string& d) { fs::remove(d + "/raw/ZOVASYS.bin"); }, kAxes, Result::Damaged},
      {"another axis count", [](const std::string&) {}, 3, Result::Refused},
  };
  for (const Case& c : cases) {
    const std::string copy = path("copy");
    fs::remove_all(copy);
    fs::copy(dir(), copy, fs::copy_options::recursive);
    c.harm(copy);
    test::SimRig rig{kAxes};
    backup::Setup s = setup;
    s.axes = c.axes;
    EXPECT_EQ(Restore(rig.link, s, nullptr, copy).result, c.result) << c.what;
    EXPECT_EQ(rig.wire.text(), "") << c.what;
    EXPECT_EQ(rig.ui.messages.size(), 1u) << c.what;
  }
}

TEST_F(WholeController, CompareListsExactlyWhatChangedOnTheController) {
  MakeBackup();
  sim.controller.positions.locations[12][2] = 1000;
  sim.controller.machine.parameters.axis[1][105] = 120;
  StoreProgram(sim.controller, 5, "MVE P0001 ;첫 줄\r\n; 주석 한 줄\r\nMVE P0003\r\nSTOP\r\n[EOF]\r\n");
  EXPECT_EQ(cli::RunCompare(ctx, {dir()}), cli::kExitDifferent);
  EXPECT_EQ(takeOutput(),
            "VEL axis 2: controller 120, backup 300000\n"
            "P012 axis 3: controller 10.00, backup 167772.15\n"
            "program 05 line 1: controller \"MVE P0003\", backup \"MVE P0002\"\n");
  EXPECT_EQ(sim.ui.texts(), std::vector<std::string>{"compare: 3 differences"});
}

TEST_F(WholeController, AStopLeavesNoBackupAndNoHalfSentTable) {
  sim.ui.cancelWhen = [&] { return sim.controller.commandLog.size() > 100; };
  EXPECT_EQ(Backup(sim.link, setup, Parts::All(), dir()).result, Result::Cancelled);
  EXPECT_EQ(filesInDir(), 0);
  sim.ui.cancelWhen = nullptr;
  MakeBackup();

  test::SimRig rig{kAxes};
  rig.ui.cancelWhen = [&] { return rig.controller.commandLog.size() > 100; };
  const Report r = Restore(rig.link, setup, nullptr, dir());
  EXPECT_EQ(r.result, Result::Cancelled);
  EXPECT_EQ(r.summary, (std::vector<std::string>{"system parameters: sent", "axis parameters: sent", "locations: sent",
                                                 "shifts: not sent", "programs: not sent",
                                                 "stopped at the operator's request; the rest was not sent"}));
  EXPECT_EQ(rig.controller.positions.locations, sim.controller.positions.locations);
}

TEST_F(WholeController, OnlyNamesThePartsABackupHoldsAndARestoreMayTake) {
  Parts parts;
  std::string error;
  EXPECT_FALSE(Parts::Parse("", parts, error));
  EXPECT_FALSE(Parts::Parse("loc,prog", parts, error));
  EXPECT_EQ(error, "unknown part \"prog\" (choose from programs,loc,sft,sys,axis)");
  ASSERT_TRUE(Parts::Parse("sys,loc", parts, error));
  ASSERT_EQ(Backup(sim.link, setup, parts, dir()).result, Result::Ok);
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir())) {
    names.push_back(fs::relative(entry.path(), dir()).generic_string());
  }
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"BACKUP.txt", "SHA256SUMS", "ZOVALOC.dat", "ZOVASYS.dat", "raw",
                                             "raw/ZOVALOC.bin", "raw/ZOVASYS.bin"}));
  EXPECT_NE(read(dir() + "/BACKUP.txt").find("\r\naxes: 4\r\nmachine type: 0\r\n"), std::string::npos);
  EXPECT_NE(read(dir() + "/BACKUP.txt").find("\r\nincluded: loc,sys\r\n"), std::string::npos);
  Parts programs;
  programs.add(Part::Programs);
  test::SimRig rig{kAxes};
  EXPECT_EQ(Restore(rig.link, setup, &programs, dir()).result, Result::Refused);
  EXPECT_EQ(rig.wire.text(), "");
}

TEST(Differences, EachKindHasItsLine) {
  Snapshot base;
  base.axes = 2;
  base.parts = Parts::All();
  base.sys.assign(400, 0);
  base.axis.assign(2 * 800, 0);
  base.loc.assign(kLocRows * 8, 0);
  base.sft.assign(kSftRows * 8, 0);
  for (Bytes& p : base.programs) p = {0};
  const sim::StoredProgram old = Compiled(7, "; old\r\nSTOP\r\n[EOF]\r\n");
  base.programs[7] = old.block;
  base.programs[7].insert(base.programs[7].end(), old.comments.begin(), old.comments.end());
  struct Case {
    std::function<void(Snapshot&)> change;
    std::string line;
  } cases[] = {
      {[](Snapshot& s) { s.sys[4 * 17] = 5; }, "system entry 17: controller 5, backup 0"},
      {[](Snapshot& s) {
         s.axis[800 + 4 * 139] = 0xF9, s.axis[801 + 4 * 139] = 0xFF, s.axis[802 + 4 * 139] = 0xFF,
                          s.axis[803 + 4 * 139] = 0xFF;
       },
       "entry 139 axis 2: controller -7, backup 0"},
      {[](Snapshot& s) { s.sft[5 * 8] = 125; }, "S005 axis 1: controller 1.25, backup 0.00"},
      {[](Snapshot& s) { s.programs[7][2050 + 4] = 'n'; },
       "program 07 line 0 comment 1: controller \"; nld\", backup \"; old\""},
      {[](Snapshot& s) { s.programs[7][100] = 1; }, "program 07 byte 100: controller 01, backup 00"},
  };
  for (const Case& c : cases) {
    Snapshot changed = base;
    c.change(changed);
    const std::vector<Difference> found = FindDifferences(changed, base, Parts::All(), 0);
    ASSERT_EQ(found.size(), 1u) << c.line;
    EXPECT_EQ(DifferenceLine(found[0]), c.line);
  }
}

// The published test vectors: the empty input, one block, a message that spills into a second block, and a
// million bytes.
TEST(Sha256, KnownDigests) {
  const std::pair<std::string, const char*> cases[] = {
      {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
      {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
      {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
       "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
      {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
  };
  for (const auto& [data, digest] : cases) EXPECT_EQ(Sha256Hex(data), digest) << data.size() << " bytes";
}

TEST(BackupFiles, SumsOfAnotherFormOrNamesOutsideTheFolderAreRefused) {
  const std::string digest(64, 'a');
  std::map<std::string, std::string> digests;
  std::string error;
  for (const std::string& text : {std::string("abc  x\n"), digest + "  ../x\n", digest + "  /etc/passwd\n",
                                  digest + "  raw//x\n", digest + "x\n", std::string(64, 'G') + "  x\n"}) {
    EXPECT_FALSE(ParseSums(text, digests, error)) << text;
  }
  ASSERT_TRUE(ParseSums(digest + " *raw/ZOVALOC.bin\n" + digest + "  BACKUP.txt\n", digests, error));
  EXPECT_EQ(digests.size(), 2u);
  EXPECT_EQ(digests.count("raw/ZOVALOC.bin"), 1u);
}

}  // namespace
}  // namespace zova::backup
