// The flash download against the simulated controller: announcement, acknowledgements, state texts, outcome.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "firmware/flash_download.h"
#include "hex_builder.h"
#include "link/commands.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::Hex;
using test::HexText;
using test::SimRig;

class LabelRecorder final : public DownloadDisplay {
 public:
  void setLabel(DownloadLabel label, const std::string& text) override {
    (label == DownloadLabel::State ? states : label == DownloadLabel::Refused ? refused : other).push_back(text);
  }
  void setDownEnabled(bool enabled) override { downEnabled.push_back(enabled); }
  std::vector<std::string> states, refused, other;
  std::vector<bool> downEnabled;
};

struct DownloadRig {
  // A folder of its own for each test, so that tests running side by side never share a file.
  DownloadRig()
      : folder(std::filesystem::temp_directory_path() /
               ("zova_fw_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    std::filesystem::create_directories(folder);
  }
  ~DownloadRig() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
  }
  // Writes `text` to the file `name` and chooses it.
  FirmwareDownload::Choice choose(const std::string& text, const std::string& name = "firmware.hex") {
    path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return download.FileChosen(path);
  }
  std::filesystem::path folder;
  SimRig sim;
  LabelRecorder labels;
  FirmwareDownload download{sim.link, labels};
  std::filesystem::path path;
};

TEST(FlashDownload, FiveThousandSixHundredBytesAreAcknowledgedTwice) {
  DownloadRig r;
  std::vector<std::uint8_t> data;
  ASSERT_EQ(r.choose(HexText(5600, &data)), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(r.download.TotalBytes, 5600u);
  EXPECT_EQ(r.labels.other, (std::vector<std::string>{"TOTAL: 5,600 bytes", "HEX FILE : firmware.hex"}));

  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Success);
  EXPECT_EQ(r.labels.states, (std::vector<std::string>{"Deleting Flash ROM Data. Wait...", "2,800 bytes complete",
                                                       "5,600 bytes complete", "Downloading success!"}));
  EXPECT_EQ(r.labels.refused, std::vector<std::string>{"0"});
  EXPECT_EQ(r.labels.downEnabled.back(), true);
  EXPECT_EQ(r.sim.controller.machine.flash, data);
  EXPECT_TRUE(r.sim.ui.messages.empty());

  // Handshake, the count 5600 (0x15E0) and four 0x00 bytes closed by STX, then the data.
  const std::string wire = r.sim.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 34 < 34 > E0 15 00 00 00 00 00 00 02 < 16 > ")) << wire.substr(0, 80);
  // Answers from the controller after the erase SYN: one SYN per stretch, then EOT.
  std::vector<std::uint8_t> sent = r.sim.wire.sent();
  EXPECT_EQ(sent.size(), 2u + 9u + 5600u + 2u);
  EXPECT_EQ(sent.back(), ETX);
  unsigned sum = 0;
  for (std::uint8_t b : data) sum += b;
  EXPECT_EQ(sent[sent.size() - 2], static_cast<std::uint8_t>((0u - sum) & 0xFFu));
  EXPECT_EQ(wire.substr(wire.size() - 4), "< 04");
}

TEST(FlashDownload, AcknowledgementsFollowEvery2800Bytes) {
  struct Case {
    std::size_t bytes;
    std::vector<std::string> states;
  } cases[] = {
      {2799, {"Deleting Flash ROM Data. Wait...", "Downloading success!"}},
      {2800, {"Deleting Flash ROM Data. Wait...", "2,800 bytes complete", "Downloading success!"}},
      {2801, {"Deleting Flash ROM Data. Wait...", "2,800 bytes complete", "Downloading success!"}},
  };
  for (const auto& c : cases) {
    DownloadRig r;
    ASSERT_EQ(r.choose(HexText(c.bytes)), FirmwareDownload::Choice::Chosen);
    EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Success) << c.bytes;
    EXPECT_EQ(r.labels.states, c.states) << c.bytes;
    EXPECT_EQ(r.sim.controller.machine.flash.size(), c.bytes);
  }
}

TEST(FlashDownload, RefusedAcknowledgementsAreCountedAndShownInHex) {
  DownloadRig r;
  r.sim.controller.machine.refuseFlashAcks = 11;
  ASSERT_EQ(r.choose(HexText(12 * 2800)), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Success);
  EXPECT_EQ(r.download.RefusedAcks, 11);
  EXPECT_EQ(r.labels.refused, std::vector<std::string>{"B"});
  EXPECT_EQ(r.labels.states.back(), "Downloading success!");
}

TEST(FlashDownload, ProgressRunsOverTheWriteBar) {
  DownloadRig r;
  ASSERT_EQ(r.choose(HexText(100)), FirmwareDownload::Choice::Chosen);
  ASSERT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Success);
  const auto& p = r.sim.ui.progress;
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(p.front().bar, "PrgBarWRI");
  EXPECT_TRUE(p.front().maximum);
  EXPECT_EQ(p.front().value, 100);
  EXPECT_EQ(p[p.size() - 2].value, 100) << "the last byte";
  EXPECT_EQ(p.back().value, 0) << "cleared at the end";
}

TEST(FlashDownload, WrongFinalAnswerIsAnError) {
  DownloadRig r;
  r.sim.controller.faults.refuseBlocks = true;
  ASSERT_EQ(r.choose(HexText(64)), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Failed);
  EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"});
  EXPECT_EQ(r.labels.states.back(), "Downloading error!");
  EXPECT_TRUE(r.download.DownEnabled);
}

TEST(FlashDownload, SilenceAtAnAcknowledgementEndsTheDownloadAtTheBound) {
  DownloadRig r;
  // The controller falls silent after the handshake, the echo and the erase SYN.
  r.sim.controller.faults.silenceAfter = 3;
  ASSERT_EQ(r.choose(HexText(6000)), FirmwareDownload::Choice::Chosen);
  const TimePoint start = r.sim.clock.now();
  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Failed);
  EXPECT_EQ(r.sim.wire.sent().size(), 2u + 9u + 2800u) << "nothing after the unanswered stretch";
  EXPECT_LT(r.sim.clock.now() - start, r.download.timeouts.acknowledgement + seconds(2));
  EXPECT_EQ(r.labels.states.back(), "Downloading error!");
  EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"});
}

TEST(FlashDownload, RefusedEraseSendsNoData) {
  DownloadRig r;
  r.sim.controller.faults.dleForSyn = true;
  ASSERT_EQ(r.choose(HexText(64)), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::EraseRefused);
  EXPECT_EQ(r.sim.wire.sent().size(), 2u + 9u);
  EXPECT_EQ(r.labels.states.back(), "Downloading error!");
  EXPECT_EQ(r.labels.downEnabled, (std::vector<bool>{true, false, true}));
}

TEST(FlashDownload, ChoosingRefusesWrongNamesAndDamagedFiles) {
  {
    DownloadRig r;
    EXPECT_EQ(r.choose(HexText(10), "FIRMWARE.HEX"), FirmwareDownload::Choice::NotHexName);
    EXPECT_TRUE(r.download.FileName.empty());
    EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::NoFile);
    EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"OPEN HEX File "});
    EXPECT_EQ(r.sim.wire.text(), "");
  }
  {
    DownloadRig r;
    EXPECT_EQ(r.choose(":0400000001020304F3\n:00000001FF\n"), FirmwareDownload::Choice::Damaged);
    EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"HEX 파일 1번째 줄: 레코드 체크섬이 틀립니다."});
    EXPECT_TRUE(r.download.FileName.empty());
    EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::NoFile);
    EXPECT_EQ(r.sim.wire.text(), "") << "nothing reaches the flash";
  }
}

TEST(FlashDownload, TheAnnouncedCountIsTheCountSent) {
  DownloadRig r;
  // Data after the end record is neither counted nor sent.
  const std::string text = HexText(32) + test::HexRecord(0, 0x40, {1, 2, 3, 4}) + "\r\n";
  ASSERT_EQ(r.choose(text), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(r.download.TotalBytes, 32u);
  // The file grows after it was chosen: the download announces what it then sends.
  std::ofstream(r.path, std::ios::binary) << HexText(48);
  EXPECT_EQ(r.download.DownClick(), FirmwareDownload::Outcome::Success);
  const auto sent = r.sim.wire.sent();
  EXPECT_EQ(Hex({sent.begin() + 2, sent.begin() + 6}), "30 00 00 00");
  EXPECT_EQ(sent.size(), 2u + 9u + 48u + 2u);
  EXPECT_EQ(r.download.TotalBytes, 48u);
  EXPECT_EQ(r.labels.other.back(), "TOTAL: 48 bytes");
}

TEST(FlashDownload, ThousandsSeparators) {
  struct Case {
    std::uint32_t value;
    const char* text;
  } cases[] = {{0, "0"}, {999, "999"}, {1000, "1,000"}, {262144, "262,144"}, {1234567, "1,234,567"}};
  for (const auto& c : cases) EXPECT_EQ(FormatThousands(c.value), c.text);
}

}  // namespace
}  // namespace zova
