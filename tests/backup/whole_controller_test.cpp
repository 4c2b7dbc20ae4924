// Backup, restore and compare against simulated controllers: a whole round trip with everything the text
// files cannot carry, a line cut at several points, damaged or hostile backups, the difference lines, and stops.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

#include "backup/backup_files.h"
#include "backup/progress.h"
#include "backup/sha256.h"
#include "backup/whole_controller.h"
#include "cli/commands.h"
#include "cli/port_stack.h"
#include "language/compiler.h"
#include "programs/program_wire.h"
#include "sim/state_file.h"
#include "support/cli_rig.h"
#include "support/program_samples.h"
#include "support/language_guard.h"

namespace zova::backup {
namespace {

namespace fs = std::filesystem;
constexpr int kAxes = 4;
const std::string kProgram5 = "MVE P0001 ;첫 줄\r\n; 주석 한 줄\r\nMVE P0002\r\nSTOP\r\n[EOF]\r\n";

sim::StoredProgram Compiled(int n, const std::string& source) {
  language::ProgramStore store;
  RecordingUi ui;
  EXPECT_TRUE(language::Compiler(store, ui.diagnostics(), {kAxes, 0}).compileSource(n, source));
  const programs::ProgramBlock block = programs::PackProgramBlock(store, n);
  return {{block.begin(), block.end()}, programs::PackCommentBlock(store)};
}

// Every part holds something the text files cannot carry: unnamed entries, bits the decoders drop, a
// location beyond what a file may hold, Korean comments.
void Load(sim::Controller& c) {
  c.positions.locations[12] = {1000, -5, 16777215, -16777216, 0, 0};
  c.positions.locations[2499] = {7, 7, 7, 16777216, 0, 0};
  c.positions.shifts[999] = {1, 2, 3, 4, 0, 0};
  c.machine.parameters.system[20] = 12345;
  c.machine.parameters.system[4] = 0x01000005;
  c.machine.parameters.axis[1][139] = -7;
  c.programs.programs[5] = Compiled(5, kProgram5);
}

// `sim` is the loaded controller the backups are taken from.
class WholeController : public test::CliRig {
 protected:
  WholeController() : CliRig(kAxes) {
    Load(sim.controller);
    ctx.options.axes = kAxes;
  }
  void MakeBackup() { ASSERT_EQ(Backup(sim.link, setup, Parts::All(), dir()).result, Outcome::Ok); }
  test::LanguageGuard english{Language::English};  // the cases check the English texts
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
  EXPECT_EQ(Restore(empty.link, setup, nullptr, dir()).result, Outcome::Ok);
  // The whole memory, as the simulator writes it to its state file.
  EXPECT_EQ(sim::StateText(empty.controller), sim::StateText(sim.controller));
}

TEST_F(WholeController, ACutLineLeavesNoFolderAndARestoreSaysWhatWasSent) {
  // Controller bytes: the system block ends near 410, the locations near 56000, program 5 starts near 77200.
  for (long cut : {100L, 30000L, 77300L}) {
    test::SimRig rig{kAxes};
    Load(rig.controller);
    rig.controller.faults.disconnectAfter = cut;
    EXPECT_TRUE(Backup(rig.link, setup, Parts::All(), dir()).result.linkFailed()) << cut;
    EXPECT_EQ(filesInDir(), 0) << cut << ": neither the folder nor its temporary one";
  }
  MakeBackup();
  // A restore first reads the controller's system block (408 bytes), then gets four bytes from the
  // controller per exchange: answer, echo, SYN, EOT.
  constexpr long kRead = 408;
  struct Case {
    long cut;
    std::vector<std::string> summary;
  } cases[] = {
      {kRead + 2,
       {"system parameters: not sent", "axis parameters: not sent", "locations: not sent", "shifts: not sent",
        "programs: not sent"}},
      {kRead + 8 + 4 * 1234 + 2,
       {"system parameters: sent", "axis parameters: sent", "locations: 1234 of 2500 rows sent", "shifts: not sent",
        "programs: not sent"}},
      {kRead + 8 + 4 * 3500 + 4 * 3 + 2,
       {"system parameters: sent", "axis parameters: sent", "locations: sent", "shifts: sent",
        "programs: 3 of 32 programs sent"}},
  };
  for (Case& c : cases) {
    test::SimRig rig{kAxes};
    rig.controller.faults.disconnectAfter = c.cut;
    const Report r = Restore(rig.link, setup, nullptr, dir());
    EXPECT_TRUE(r.result.linkFailed()) << c.cut;
    c.summary.push_back("ended by a failure; the rest was not sent");
    EXPECT_EQ(r.summary, c.summary) << c.cut;
  }
}

// Each refused before anything is sent, with the message that names the file and line (or the part).
TEST_F(WholeController, AHostileOrDamagedBackupOrAWrongRequestIsRefusedWithNothingSent) {
  MakeBackup();
  const std::string c = path("copy");
  const std::string damaged = c + ": damaged or incomplete backup: ";
  const std::string sums = c + "/SHA256SUMS:";
  const std::string zeros(64, '0');
  struct Case {
    char how;  // 'e' `find` in `file` replaced by `by`, 's' the same listed with its new digest, 'r' file
               // removed, 'l' file moved elsewhere and linked to, 'f' a FIFO made, 'b' the backup moved one
               // folder down, '-' nothing
    std::string file, find, by;
    cli::Args args;
    int axes, exit;
    std::string message;
  };
  // clang-format off
  std::vector<Case> cases = {
      {'e', "raw/ZOVALOC.bin", "\xe8\x03", "\xe9\x03", {}, kAxes, 3,
       damaged + "raw/ZOVALOC.bin: its content does not match SHA256SUMS"},
      {'r', "raw/ZOVASYS.bin", "", "", {}, kAxes, 3, damaged + "raw/ZOVASYS.bin: No such file or directory"},
      {'e', "SHA256SUMS", "\n", "\r\n", {}, kAxes, 3, sums + "1: a CR in the line: the lines end in LF alone"},
      {'e', "SHA256SUMS", "  BACKUP", " BACKUP", {}, kAxes, 3,
       sums + "1: not a line of the form \"DIGEST  NAME\" (64 hex digits)"},
      {'e', "SHA256SUMS", ".txt\n", ".txt\n" + zeros + "  BACKUP.txt\n", {}, kAxes, 3,
       sums + "2: \"BACKUP.txt\" is listed twice"},
      {'e', "SHA256SUMS", ".txt\n", ".txt\n" + zeros + " *raw/big.bin\n", {}, kAxes, 3,
       sums + "2: \"raw/big.bin\" is not a file a backup writes"},
      {'e', "SHA256SUMS", ".txt\n", ".txt\n" + zeros + "  ..\\x\n", {}, kAxes, 3,
       sums + "2: \"..\\x\" leaves the backup folder"},
      {'s', "raw/ZOVASYS.bin", std::string("\x04\0\0\0", 4), std::string("\x06\0\0\0", 4), {}, kAxes, 2,
       c + ": raw/ZOVASYS.bin holds AXES 6, BACKUP.txt says 4"},
      // Text and raw forms that disagree, each listed with its right digest.
      {'s', "raw/ZOVALOC.bin", "\xe8\x03", "\xe9\x03", {}, kAxes, 3,
       damaged + "the text files do not say what their raw blocks hold: ZOVALOC.dat"},
      {'s', "ZOVAPRG05.dat", "P0002", "P0003", {}, kAxes, 3,
       damaged + "the text files do not say what their raw blocks hold: ZOVAPRG05.dat"},
      // The same values in an editor's form are no disagreement: accepted, restored.
      {'s', "ZOVALOC.dat", "\r\n", "\n", {}, kAxes, 0, ""},
      {'s', "ZOVAPRG05.dat", "\r\n", "\n", {}, kAxes, 0, ""},
      {'b', "", "", "", {}, kAxes, 3, c + ": not a backup folder; the backups in it: inner"},
      {'-', "", "", "", {}, 3, 2, c + ": the backup is of 4 axes, the configured axis count is 3"},
      {'-', "", "", "", {"--only", ""}, kAxes, 2, "no parts named (choose from programs,loc,sft,sys,axis)"},
      {'-', "", "", "", {"--only", "loc,"}, kAxes, 2, "an empty part name in \"loc,\""},
      {'-', "", "", "", {"--only", "sft,loc,sft"}, kAxes, 2, "part \"sft\" named twice"},
  };
  // clang-format on
#ifndef _WIN32  // links and FIFOs are POSIX's
  for (const char* name : {"raw/ZOVALOC.bin", "raw", "SHA256SUMS"}) {
    cases.push_back({'l', name, "", "", {}, kAxes, 3, damaged + name + ": not a plain file or folder"});
  }
  cases.push_back({'f', "raw/fifo", "", "", {}, kAxes, 3, damaged + "raw/fifo: not a plain file or folder"});
#endif
  for (const Case& k : cases) {
    fs::remove_all(c);
    fs::remove_all(path("elsewhere"));
    fs::copy(dir(), c, fs::copy_options::recursive);
    const std::string file = c + "/" + k.file;
    std::string text = read(file);
    std::string list = read(c + "/SHA256SUMS");
    if (k.how == 'e' || k.how == 's') write(file, text.replace(text.find(k.find), k.find.size(), k.by));
    if (k.how == 's')
      write(c + "/SHA256SUMS", list.replace(list.find(Sha256Hex(read(dir() + "/" + k.file))), 64, Sha256Hex(text)));
    if (k.how == 'r') fs::remove(file);
    if (k.how == 'b') fs::rename(c, path("inner")), fs::create_directory(c), fs::rename(path("inner"), c + "/inner");
    if (k.how == 'l') fs::rename(file, path("elsewhere")), fs::create_symlink(path("elsewhere"), file);
#ifndef _WIN32
    if (k.how == 'f') ::mkfifo(file.c_str(), 0600);
#endif
    clear();
    cli::Args args = {c};
    args.insert(args.end(), k.args.begin(), k.args.end());
    ctx.options.axes = k.axes;
    EXPECT_EQ(cli::RunRestore(ctx, args), k.exit) << k.message << k.file;
    if (k.exit == 0) continue;
    ASSERT_FALSE(sim.ui.messages.empty()) << k.message;
    EXPECT_EQ(std::tuple(sim.wire.text(), sim.ui.messages.front().text), std::tuple("", k.message));
  }
}

TEST_F(WholeController, ARestoreSaysWhenItChangesTheAxisCountAndNeedsItsSystemBlockToChangeIt) {
  MakeBackup();
  Parts loc;
  loc.add(Part::Loc);
  for (const Parts& parts : {Parts::All(), loc}) {
    test::SimRig rig{3};
    const Report r = Restore(rig.link, setup, &parts, dir());
    EXPECT_EQ(r.result, parts == loc ? Outcome::Refused : Outcome::Ok) << parts.text();
    if (parts == loc) {
      EXPECT_EQ(rig.controller.commandLog.size(), 1u) << "the system block read, nothing sent";
    } else {
      EXPECT_EQ(r.notices, std::vector<std::string>{"AXES: controller 3, now 4"});
    }
  }
}

// Decided before the first exchange; what a backup killed outright left is removed; a name at the
// system's limit still has room for its temporary folder.
TEST_F(WholeController, ABackupTargetIsDecidedBeforeAnythingIsFetched) {
  fs::create_directory(path("empty"));
  const std::string longest(250, 'n');
  struct Case {
    std::string target;
    std::function<void()> before;
    int exit;
  };
  std::vector<Case> cases = {
      {"b", [&] { fs::create_directories(path(".b.zova-AbC123/raw")), fs::create_directory(path(".b.zova-AbC12")); },
       0},
      {longest, [] {}, 0},
  };
#ifndef _WIN32  // links need privileges on Windows
  cases.push_back({"to-empty", [&] { fs::create_directory_symlink(path("empty"), path("to-empty")); }, 2});
  cases.push_back({"dangling", [&] { fs::create_directory_symlink(path("none"), path("dangling")); }, 2});
#endif
  for (const Case& c : cases) {
    c.before();
    clear();
    EXPECT_EQ(cli::RunBackup(ctx, {path(c.target), "--only", "sys"}), c.exit) << c.target;
    EXPECT_EQ(sim.wire.text().empty(), c.exit != 0) << c.target;
  }
  EXPECT_FALSE(fs::exists(path(".b.zova-AbC123")));
  EXPECT_TRUE(fs::exists(path(".b.zova-AbC12"))) << "not of the temporary folders' form";
  EXPECT_EQ(filesInDir(), 2 + static_cast<long>(cases.size())) << "empty, .b.zova-AbC12 and the targets alone";
}

// BACKUP.txt records the settings the line was opened with.
TEST(PortStack, TellsTheSettingsInUse) {
  for (const auto& [typed, used] : {std::pair("", "9600,n,8,1"), std::pair("19200,e,7,2", "19200,e,7,2")}) {
    RecordingUi ui;
    std::string error;
    int status = 0;
    cli::Options options;
    options.port = "sim";
    options.settings = typed;
    const auto stack = cli::MakePortStack(options, "", {}, ui, error, status);
    ASSERT_NE(stack, nullptr) << error;
    EXPECT_EQ(stack->settings(), used);
  }
}

TEST_F(WholeController, CompareListsExactlyWhatChangedOnTheController) {
  MakeBackup();
  sim.controller.positions.locations[12][2] = 1000;
  sim.controller.machine.parameters.axis[1][105] = 120;
  sim.controller.programs.programs[5] =
      Compiled(5, "MVE P0001 ;첫 줄\r\n; 주석 한 줄\r\nMVE P0003\r\nSTOP\r\n[EOF]\r\n");
  EXPECT_EQ(cli::RunCompare(ctx, {dir()}), cli::kExitDifferent);
  EXPECT_EQ(takeOutput(),
            "VEL axis 2: controller 120, backup 300000\n"
            "P012 axis 3: controller 10.00, backup 167772.15\n"
            "program 05 line 1: controller \"MVE P0003\", backup \"MVE P0002\"\n");
  EXPECT_EQ(sim.ui.texts(), std::vector<std::string>{"compare: 3 differences"});
}

// A stop between two exchanges, and one while a controller that fell silent (before a handshake's answer, or
// within a block) is waited for: the backup ends as stopped, with no message of a failure and nothing written.
TEST_F(WholeController, AStopLeavesNoBackupAndNoHalfSentTable) {
  for (long silenceAfter : {-1L, 0L, 300L}) {
    test::SimRig rig{kAxes};
    rig.controller.faults.silenceAfter = silenceAfter;
    const TimePoint start = rig.clock.now();
    rig.ui.cancelWhen = [&] { return rig.controller.commandLog.size() > 100 || rig.clock.now() - start > seconds(3); };
    EXPECT_EQ(Backup(rig.link, setup, Parts::All(), dir()).result, Outcome::Cancelled) << silenceAfter;
    EXPECT_EQ(rig.ui.texts(), std::vector<std::string>{}) << silenceAfter;
    EXPECT_EQ(filesInDir(), 0) << silenceAfter;
  }
  MakeBackup();

  test::SimRig rig{kAxes};
  rig.ui.cancelWhen = [&] { return rig.controller.commandLog.size() > 100; };
  const Report r = Restore(rig.link, setup, nullptr, dir());
  EXPECT_EQ(r.result, Outcome::Cancelled);
  EXPECT_EQ(r.summary, (std::vector<std::string>{"system parameters: sent", "axis parameters: sent", "locations: sent",
                                                 "shifts: not sent", "programs: not sent",
                                                 "stopped at the operator's request; the rest was not sent"}));
  EXPECT_EQ(rig.controller.positions.locations, sim.controller.positions.locations);
}

TEST_F(WholeController, OnlyNamesThePartsABackupHoldsAndARestoreMayTake) {
  Parts parts;
  std::string error;
  ASSERT_TRUE(Parts::Parse("sys,loc", parts, error));
  ASSERT_EQ(Backup(sim.link, setup, parts, dir()).result, Outcome::Ok);
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
  EXPECT_EQ(Restore(rig.link, setup, &programs, dir()).result, Outcome::Refused);
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
  const std::string comment = "program 07 line 0 comment 1: controller \"; nld\", backup \"; old\"";
  struct Case {
    std::function<void(Snapshot&)> change;
    std::vector<std::string> lines;
  } cases[] = {
      {[](Snapshot& s) { s.sys[4 * 17] = 5; }, {"system entry 17: controller 5, backup 0"}},
      {[](Snapshot& s) {
         s.axis[800 + 4 * 139] = 0xF9, s.axis[801 + 4 * 139] = 0xFF, s.axis[802 + 4 * 139] = 0xFF,
                          s.axis[803 + 4 * 139] = 0xFF;
       },
       {"entry 139 axis 2: controller -7, backup 0"}},
      {[](Snapshot& s) { s.sft[5 * 8] = 125; }, {"S005 axis 1: controller 1.25, backup 0.00"}},
      {[](Snapshot& s) { s.programs[7][2050 + 4] = 'n'; }, {comment}},
      // Bytes the text does not show: a record after the end, a comment cell after the row's text, the step
      // count, an operand STOP ignores; each named also when the text shows another change, each run once.
      {[](Snapshot& s) { s.programs[7][100] = 1; }, {"program 07 byte 100: controller 01, backup 00"}},
      {[](Snapshot& s) { s.programs[7][2050 + 4] = 'n', s.programs[7][100] = 1, s.programs[7][101] = 2; },
       {comment, "program 07 byte 100: controller 01, backup 00"}},
      {[](Snapshot& s) { s.programs[7][2050 + 4] = 'n', s.programs[7][2050 + 60] = 'x'; },
       {comment, "program 07 byte 2110: controller 78, backup 00"}},
      {[](Snapshot& s) { s.programs[7][1] = 9, s.programs[7][3] = 0xFE; },
       {"program 07 byte 1: controller 09, backup 01", "program 07 byte 3: controller FE, backup 00"}},
  };
  for (const Case& c : cases) {
    Snapshot changed = base;
    c.change(changed);
    std::vector<std::string> lines;
    for (const Difference& d : FindDifferences(changed, base, Parts::All(), 0)) lines.push_back(DifferenceLine(d));
    EXPECT_EQ(lines, c.lines);
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

// Plain string code, so the names Windows would read as a parent, a drive or a share are refused everywhere.
TEST(BackupFiles, ANameInsideTheFolderHasNoParentDriveShareOrRoot) {
  const std::pair<std::string_view, bool> cases[] = {
      {"raw/ZOVALOC.bin", true},
      {"raw\\ZOVALOC.bin", true},
      {"..\\x", false},
      {"raw\\..\\x", false},
      {"C:\\x", false},
      {"C:x", false},
      {"\\\\server\\x", false},
      {"/etc/x", false},
      {"raw//x", false},
      {"./x", false},
      {"", false},
  };
  for (const auto& [name, inside] : cases) EXPECT_EQ(InsideFolder(name), inside) << name;
}

// sha256sum -c reads a digest in either case: an upper-case list is the same list.
TEST(BackupFiles, ADigestInUpperCaseIsTheSameDigest) {
  std::map<std::string, std::string> digests;
  const std::string digest = Sha256Hex("abc");
  std::string upper = digest;
  for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_FALSE(ParseSums(upper + "  BACKUP.txt\n", digests).failed());
  EXPECT_EQ(digests.at("BACKUP.txt"), digest);
}

// The steps' own jobs land on the one bar of the operation, moving forward only; once the operation ends, a
// job shows on its own bar again. (The stop it holds back is proven by the stops of a restore.)
TEST(OverallProgress, FoldsTheStepsIntoOneBarWhileItRuns) {
  RecordingUi ui;
  {
    OverallProgress progress(ui, Job::Restore, 4);
    progress.beginStep(2, 0.5);
    ui.setProgressMaximum(Job::ProgramSend, 0, 10);
    ui.setProgressValue(Job::ProgramSend, 0, 10);  // the whole first bar: a quarter of a 2-unit step of 4
    ui.setProgressValue(Job::ProgramSend, 0, 0);   // a bar set back does not move the whole back
    progress.endStep();
  }
  ui.setProgressValue(Job::SysPara, 0, 7);
  EXPECT_EQ(programs::test::ProgressSeen(ui, Job::Restore),
            (std::vector<std::string>{"max 0 1000", "0 0", "0 250", "0 500", "job 8 0 7"}));
}

}  // namespace
}  // namespace zova::backup
