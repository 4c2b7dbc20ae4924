// File names of the program window and the listing file: dialog results, all-mode names, the check before
// "ALL Trans", and what WriteProgramListing writes (and says when it cannot).
#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include "programs/listing_check.h"
#include "programs/program_files.h"
#include "support/recording_ui.h"
#include "support/program_samples.h"

namespace zova::programs {
namespace {

namespace fs = std::filesystem;
using test::ScratchDir;

// The name is joined to its folder with the system's separator ('\\' on Windows).
std::string Joined(std::string expected) {
  if (const std::size_t last = expected.rfind('/'); last != std::string::npos) expected[last] = kPathSeparator;
  return expected;
}

TEST(DialogResult, FolderAndPcFileName) {
  const struct {
    const char *chosen, *folder, *pcFileName;
  } cases[] = {{"/home/Op/Work/Prog.Src.txt", "/home/Op/Work", "/home/Op/Work/Prog.dat"},
               {"/data/noext", "/data", "/data/noext.dat"},
               {"/a.b/c", "/a.b", "/a.b/c.dat"},  // a dot in the folder does not cut the name
               {"/x.dat", "", "/x.dat"},
               {"name.txt", "", "name.dat"},
               {"/w/.hidden", "/w", "/w/.dat"}};
  for (const auto& c : cases) {
    language::ProgramStore store;
    ProgramTransfer transfer(store, {});
    transfer.ChooseTransFile(c.chosen);
    transfer.ChooseRecvFile(c.chosen);
    EXPECT_EQ(std::tuple(transfer.TransFolder, transfer.RecvFolder, transfer.TransFileName, transfer.RecvFileName),
              std::tuple(c.folder, c.folder, Joined(c.pcFileName), Joined(c.pcFileName)))
        << c.chosen;
  }
  EXPECT_EQ(AllModeFileName("/Work/Progs", 7), Joined("/Work/Progs/ZOVAPRG07.dat"));
  EXPECT_EQ(AllModeFileName("/Work/Progs/", 12), "/Work/Progs/ZOVAPRG12.dat");
}

// That all 32 files pass is proven by the all-mode round trip.
class AllTransCheck : public ScratchDir {};

TEST_F(AllTransCheck, NeedsAFolderAndAll32FilesAndNamesTheFirstMissing) {
  RecordingUi ui;
  EXPECT_FALSE(CheckAllTransFiles("", ui));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{std::string(kMsgNoTransFolder)});
  for (int n = 0; n <= 31; ++n) {
    if (n != 17 && n != 23) write(AllModeFileName(dir.string(), n), "[EOF]\r\n");
  }
  ui.clear();
  EXPECT_FALSE(CheckAllTransFiles(dir.string(), ui));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{path("ZOVAPRG17.dat") + ": No such file or directory"});
}

class ListingFile : public ScratchDir {
 protected:
  ListingFile() {
    store.image[0] = 0x01100005;  // MVE P0005
    store.image[2] = 0x36000000;  // STOP
    store.image[4] = 0xFF000000;  // end record
    transfer.RecvFileName = path("out.dat");
    transfer.RecvFolder = dir.string();
  }
  void row(int r, std::uint16_t cell0, std::uint16_t cell1, const std::string& text = {}) {
    auto& cells = store.comments[static_cast<std::size_t>(r)];
    cells[0] = cell0;
    cells[1] = cell1;
    for (std::size_t i = 0; i < text.size(); ++i) cells[2 + i] = static_cast<unsigned char>(text[i]);
  }
  language::ProgramStore store;
  RecordingUi ui;
  ProgramTransfer transfer{store, {}};
};

TEST_F(ListingFile, CommentRowsInstructionRowsAndTheEndRecord) {
  const std::string longest = ";" + std::string(103, 'y');  // cells 2 to 105, all a row holds
  row(0, 255, 4, ";ab");
  row(1, 255, 255);         // cell 1 of 255 makes an instruction row
  row(2, 255, 0);           // a comment-only row without text: an empty line
  row(3, 1, 1, ";zz");      // a count of 1 holds no text: the listing line and one trailing blank
  row(4, 2, 254, longest);  // a count beyond the row reads to the row's end only
  row(5, 255, 3, ";x");     // after the end record: never written
  ASSERT_TRUE(transfer.WriteProgramListing(ui, 0, kModeSingle));
  EXPECT_EQ(read(path("out.dat")), ";ab\r\n000 MVE P0005 \r\n\r\n001 STOP \r\n002 [EOF] " + longest + "\r\n");
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(ListingFile, FolderMissingShowsTheErrorMessage) {
  transfer.RecvFileName = path("missing/out.dat");
  EXPECT_FALSE(transfer.WriteProgramListing(ui, 0, kModeSingle));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(std::tuple(ui.messages[0].text, ui.messages[0].title, ui.messages[0].buttons),
            std::tuple("오류 #  2이(가) zova에 의해 생성되었습니다.\rNo such file or directory", "Error",
                       MessageButtons::Ok));
}

// The written listing compiled again, line by line against the image and comments it was written from.
TEST(ListingMismatch, NamesEachLineThatDoesNotComeBack) {
  const std::vector<std::uint32_t> mve5 = {0x01100005, 0, 0xFF000000, 0};
  const std::string record = "제어기의 레코드 ";
  const struct {
    std::vector<std::uint32_t> words;               // pairs, from step 0
    std::vector<std::pair<int, std::string>> rows;  // step (-1: a comment line) and text of rows 0, 1, ...
    std::vector<std::string> faults;
  } cases[] = {
      {mve5, {{0, ";a"}, {-1, "; note"}, {-1, ""}}, {}},
      {{0x01FF0000, 0, 0x01100A29, 0, 0x01100005, 0, 0xFF000000, 0},
       {},
       {"1 " + record + "01FF0000 00000000은(는) 소스로 쓸 수 있는 형태가 없습니다",
        "2 " + record + "01100A29 00000000이(가) 다시 컴파일되지 않습니다: LOC 번호 초과"}},
      {mve5, {{-1, "MVE P5"}}, {"1 제어기의 코멘트 줄이 코멘트로 다시 컴파일되지 않습니다"}},
      {mve5,
       {{0, "abc"}},
       {"1 " + record + "01100005 00000000이(가) 다시 컴파일되지 않습니다: MVE 명령어 Syntex Error"}},
      {mve5, {{0, " ;a"}}, {"1 제어기의 코멘트가 그대로 다시 컴파일되지 않습니다"}},
  };
  for (const auto& c : cases) {
    language::ProgramStore store;
    std::copy(c.words.begin(), c.words.end(), store.image.begin());
    for (std::size_t r = 0; r < c.rows.size(); ++r) {
      const auto& [step, text] = c.rows[r];
      store.setCommentRow(static_cast<int>(r), step < 0 ? language::kCommentOnlyStep : 0, text);
    }
    std::vector<std::string> faults;
    for (const TextFault& f : ListingMismatches(store, {})) faults.push_back(std::to_string(f.line) + " " + f.message);
    EXPECT_EQ(faults, c.faults) << c.words[0];
  }
}

}  // namespace
}  // namespace zova::programs
