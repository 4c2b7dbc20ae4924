// The flash download against the simulated controller: announcement, acknowledgements, state texts, outcome.
#include <gtest/gtest.h>

#include <utility>

#include "firmware/flash_download.h"
#include "hex_builder.h"
#include "support/scratch_dir.h"
#include "support/test_support.h"

namespace zova::firmware {
namespace {

using test::Hex;
using test::HexText;
using test::SimRig;

class LabelRecorder final : public DownloadDisplay {
 public:
  void setLabel(DownloadLabel label, const std::string& text) override {
    if (label == DownloadLabel::Addresses) return addresses.push_back(text);
    (label == DownloadLabel::State ? states : label == DownloadLabel::Refused ? refused : other).push_back(text);
  }
  void setDownEnabled(bool enabled) override { downEnabled.push_back(enabled); }
  void setStoppable(bool on) override { stoppable.push_back(on); }
  bool confirmErase(const std::string& summary) override {
    summaries.push_back(summary);
    return confirm;
  }
  bool confirm = true;
  std::vector<std::string> states, refused, addresses, other, summaries;
  std::vector<bool> downEnabled, stoppable;
};

// A simulated controller, what the window shows, and the download between them.
struct Station {
  SimRig sim;
  LabelRecorder labels;
  FirmwareDownload download{sim.link, labels};
};

// A scratch folder of its own for each test, so that tests running side by side never share a file.
struct FlashDownload : test::ScratchDir, Station {
  // Writes `text` to the file `name` and chooses it at `s`.
  FirmwareDownload::Choice choose(Station& s, const std::string& text, const std::string& name = "firmware.hex") {
    file = path(name);
    write(file, text);
    return s.download.FileChosen(file);
  }
  std::string file;
};

TEST_F(FlashDownload, FiveThousandSixHundredBytesAreAcknowledgedTwice) {
  std::vector<std::uint8_t> data;
  ASSERT_EQ(choose(*this, HexText(5600, &data)), FirmwareDownload::Choice::Chosen);
  EXPECT_EQ(labels.other, (std::vector<std::string>{"TOTAL: 5,600 bytes", "HEX FILE : firmware.hex"}));

  EXPECT_EQ(download.DownClick(), Outcome::Ok);
  EXPECT_EQ(labels.states, (std::vector<std::string>{"Deleting Flash ROM Data. Wait...", "2,800 bytes complete",
                                                     "5,600 bytes complete", "Downloading success!"}));
  // The controller keeps the data only when the checksum and ETX after it are right.
  EXPECT_EQ(sim.controller.machine.flash, data);

  // Handshake, the count 5600 (0x15E0) and four 0x00 bytes closed by STX, then the data.
  const std::string wire = sim.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 34 < 34 > E0 15 00 00 00 00 00 00 02 < 16 > ")) << wire.substr(0, 80);

  // The write bar: its maximum, the last byte, then cleared.
  const auto& p = sim.ui.progress;
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(std::tuple(p.front().job, p.front().maximum, p.front().value, p[p.size() - 2].value, p.back().value),
            std::tuple(Job::Firmware, true, 5600, 5600, 0));
}

TEST_F(FlashDownload, AcknowledgementsFollowEvery2800BytesAndRefusalsAreCountedInHex) {
  struct Case {
    std::size_t bytes;
    int refuse;
    std::size_t complete;  // "... bytes complete" lines
    const char* refused;
  } cases[] = {{2799, 0, 0, "0"}, {2800, 0, 1, "0"}, {2801, 0, 1, "0"}, {12 * 2800, 11, 12, "B"}};
  for (const auto& c : cases) {
    Station s;
    ASSERT_EQ(choose(s, HexText(c.bytes)), FirmwareDownload::Choice::Chosen);
    s.sim.controller.machine.refuseFlashAcks = c.refuse;
    EXPECT_EQ(s.download.DownClick(), Outcome::Ok) << c.bytes;
    ASSERT_EQ(s.labels.states.size(), c.complete + 2) << c.bytes;
    EXPECT_EQ(std::tuple(s.download.RefusedAcks, s.labels.refused, s.sim.controller.machine.flash.size()),
              std::tuple(c.refuse, std::vector<std::string>{c.refused}, c.bytes))
        << c.bytes;
  }
}

// A refused erase sends no data; silence at an acknowledgement ends at the bound with nothing after the
// unanswered stretch; a wrong final answer is an error. Each shows box 0 and gives the button back.
TEST_F(FlashDownload, FailuresStopWhereTheyHappen) {
  struct Case {
    const char* name;
    void (*fault)(sim::Faults&);
    Outcome::Code outcome;
    std::size_t sent;
  } cases[] = {
      {"erase refused", [](sim::Faults& f) { f.dleForSyn = true; }, Outcome::Rejected, 2 + 9},
      {"silent after the erase", [](sim::Faults& f) { f.silenceAfter = 3; }, Outcome::TimedOut, 2 + 9 + 2800},
      {"final answer wrong", [](sim::Faults& f) { f.refuseBlocks = true; }, Outcome::WrongEcho, 2 + 9 + 6000 + 2},
  };
  for (const auto& c : cases) {
    Station s;
    ASSERT_EQ(choose(s, HexText(6000)), FirmwareDownload::Choice::Chosen);
    c.fault(s.sim.controller.faults);
    const TimePoint start = s.sim.clock.now();
    EXPECT_EQ(s.download.DownClick(), c.outcome) << c.name;
    EXPECT_EQ(s.sim.wire.sent().size(), c.sent) << c.name;
    EXPECT_LT(s.sim.clock.now() - start, s.download.timeouts.acknowledgement + seconds(2)) << c.name;
    EXPECT_EQ(s.labels.states.back(), "Downloading error!") << c.name;
    EXPECT_EQ(s.labels.downEnabled, (std::vector<bool>{true, false, true})) << c.name;
    EXPECT_EQ(s.sim.ui.texts(),
              c.outcome == Outcome::Rejected ? std::vector<std::string>{} : std::vector<std::string>{"통신이상 발생"})
        << c.name;
  }
}

TEST_F(FlashDownload, ChoosingRefusesWrongNamesAndDamagedFiles) {
  EXPECT_EQ(choose(*this, HexText(10), "firmware.bin"), FirmwareDownload::Choice::NotHexName);
  EXPECT_EQ(download.DownClick(), Outcome::Refused);
  EXPECT_EQ(sim.ui.texts(), std::vector<std::string>{"OPEN HEX File "});
  sim.ui.clear();
  EXPECT_EQ(choose(*this, ":0400000001020304F3\n:00000001FF\n"), FirmwareDownload::Choice::Damaged);
  EXPECT_EQ(sim.ui.texts(), std::vector<std::string>{file + ":1: 레코드 체크섬이 틀립니다"});
  EXPECT_EQ(download.DownClick(), Outcome::Refused);
  EXPECT_EQ(sim.wire.text(), "") << "nothing reaches the flash";
}

// A stop asked for while the handshake waits on a silent controller leaves the flash untouched; once the
// erase is asked for, nothing may offer a stop and a request changes nothing.
TEST_F(FlashDownload, AStopIsTakenBeforeTheEraseOnly) {
  struct Case {
    long silenceAfter;
    Outcome::Code outcome;
    std::vector<bool> stoppable;
    std::size_t flashed;
  } cases[] = {{0, Outcome::Cancelled, {}, 0}, {-1, Outcome::Ok, {false, true}, 3000}};
  for (const auto& c : cases) {
    Station s;
    ASSERT_EQ(choose(s, HexText(3000)), FirmwareDownload::Choice::Chosen);
    s.sim.controller.faults.silenceAfter = c.silenceAfter;
    const TimePoint start = s.sim.clock.now();
    // Asked for while the handshake waits, or while the controller erases (500 ms).
    s.sim.ui.cancelWhen = [&] { return s.sim.clock.now() - start > milliseconds(100); };
    EXPECT_EQ(s.download.DownClick(), c.outcome);
    EXPECT_LT(s.sim.clock.now() - start, seconds(1)) << c.silenceAfter;
    EXPECT_EQ(s.labels.stoppable, c.stoppable) << c.silenceAfter;
    EXPECT_EQ(s.sim.controller.machine.flash.size(), c.flashed) << c.silenceAfter;
  }
}

// The bytes go to the flash's start whatever their addresses: where they belong is said and the erase asked
// for first, and a refusal sends nothing.
TEST_F(FlashDownload, WhereTheImageBelongsIsAskedBeforeTheErase) {
  const std::pair<std::uint32_t, std::string> cases[] = {{0x4000, "0x00004000 ~ 0x00004013"},
                                                         {0x08000000, "0x08000000 ~ 0x08000013"}};
  for (const auto& [start, range] : cases) {
    Station s;
    ASSERT_EQ(choose(s, WriteHex({start, std::vector<std::uint8_t>(20, 0x5A)})), FirmwareDownload::Choice::Chosen);
    s.labels.confirm = false;
    EXPECT_EQ(s.download.DownClick(), Outcome::Cancelled);
    EXPECT_EQ(std::tuple(s.labels.addresses.front(), s.labels.summaries),
              std::tuple("주소 " + range, std::vector<std::string>{"firmware.hex: 주소 " + range + ", 20 바이트"}));
    EXPECT_EQ(s.sim.wire.text(), "") << range;
  }
}

TEST_F(FlashDownload, TheAnnouncedCountIsTheCountSent) {
  // The file grows after it was chosen: the download announces what it then sends.
  ASSERT_EQ(choose(*this, HexText(32)), FirmwareDownload::Choice::Chosen);
  write(file, HexText(48));
  EXPECT_EQ(download.DownClick(), Outcome::Ok);
  const auto sent = sim.wire.sent();
  EXPECT_EQ(std::tuple(Hex({sent.begin() + 2, sent.begin() + 6}), sent.size(), labels.other.back()),
            std::tuple("30 00 00 00", 2u + 9u + 48u + 2u, "TOTAL: 48 bytes"));
}

TEST_F(FlashDownload, ThousandsSeparators) {
  const std::pair<std::uint32_t, const char*> cases[] = {
      {0, "0"}, {999, "999"}, {1000, "1,000"}, {262144, "262,144"}, {1234567, "1,234,567"}};
  for (const auto& [value, text] : cases) EXPECT_EQ(FormatThousands(value), text);
}

}  // namespace
}  // namespace zova::firmware
