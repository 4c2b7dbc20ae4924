// The system parameter file: exact lines, the record rules of reading, defaults on failure, round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "link/atomic_file.h"
#include "link/recording_ui.h"
#include "parameters/sys_para_file.h"

namespace zova {
namespace {

namespace fs = std::filesystem;

SysPara Defaults() {
  SysPara t;
  t.SetDefaults();
  return t;
}

// A table whose 41 named entries all differ from their defaults.
SysPara AllChanged() {
  SysPara t;
  for (const SysParaEntry& e : SysParaEntries()) t[e.index] = e.defaultValue + 7;
  return t;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return lines;
}

// The file text with line `index` replaced.
std::string WithLine(std::string text, int index, const std::string& line) {
  std::vector<std::string> lines = Lines(text);
  lines[static_cast<std::size_t>(index)] = line;
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

TEST(SysParaFile, DefaultFileHas41LinesInTableOrder) {
  std::vector<std::string> lines = Lines(SysParaFileText(Defaults()));
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(lines[0], "AXES-------=  2 ");
  EXPECT_EQ(lines[1], "I/O--------=  1 ");
  EXPECT_EQ(lines[7], "ZRAX-------=  45476 ");
  EXPECT_EQ(lines[16], "BACK-------=  0 ");
  EXPECT_EQ(lines[17], "PSIG-------=  0 ");
  EXPECT_EQ(lines[37], "PSAR-------=  8000 ");
  EXPECT_EQ(lines[40], "STAT-------=  0 ");
}

TEST(SysParaFile, NegativeValueHasMinusInPlaceOfTheBlank) {
  SysPara t = Defaults();
  t[57] = -1234;
  EXPECT_EQ(Lines(SysParaFileText(t))[34], "AVAL-------= -1234 ");
}

TEST(SysParaFile, RandomTablesRoundTripThroughTheFile) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  for (int round = 0; round < 20; ++round) {
    SysPara written;
    for (std::int32_t& v : written.values) v = any(rng);
    SysPara read;
    for (std::int32_t& v : read.values) v = 99;
    ASSERT_TRUE(ParseSysParaText(SysParaFileText(written), read));
    for (int i = 0; i < kSysParaSize; ++i) {
      const bool named = i <= 16 || (i >= 40 && i <= 63);
      EXPECT_EQ(read[i], named ? written[i] : 99) << "index " << i;
    }
  }
}

TEST(SysParaFile, FailuresRestoreAll41DefaultsIncludingValuesAlreadyRead) {
  const std::string good = SysParaFileText(AllChanged());
  std::string forty = good.substr(0, good.rfind("STAT"));
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"only 40 lines", forty},
      {"value opening with +", WithLine(good, 20, "BON1-------= +5 ")},
      {"line without =", WithLine(good, 0, "AXES 3")},
      {"empty line", WithLine(good, 12, "")},
      {"value beyond 32 bits", WithLine(good, 40, "STAT-------=  2147483648 ")},
      {"two minus runs joined", WithLine(good, 5, "ARCH-------= 1 -2 ")},
  };
  for (const Case& c : cases) {
    SysPara t = AllChanged();
    t[20] = 555;  // unnamed: stays whatever happens
    std::string why;
    EXPECT_FALSE(ParseSysParaText(c.text, t, &why)) << c.name;
    EXPECT_FALSE(why.empty()) << c.name;
    for (const SysParaEntry& e : SysParaEntries()) EXPECT_EQ(t[e.index], e.defaultValue) << c.name << " " << e.index;
    EXPECT_EQ(t[20], 555) << c.name;
  }
}

TEST(SysParaFile, RunsSeparatedByBlanksAreJoined) {
  SysPara t;
  ASSERT_TRUE(ParseSysParaText(WithLine(SysParaFileText(Defaults()), 4, "SERR-------= 1 2 "), t));
  EXPECT_EQ(t[4], 12);
}

TEST(SysParaFile, ForeignCharacterEndsTheValueText) {
  SysPara t;
  ASSERT_TRUE(ParseSysParaText(WithLine(SysParaFileText(Defaults()), 4, "SERR-------= 3x4 "), t));
  EXPECT_EQ(t[4], 3);
  EXPECT_EQ(SysParaValueText("K= 1\t2 3;4 5"), "123");
  EXPECT_EQ(SysParaValueText("9 8"), "98") << "no = : scanned from the first character";
}

TEST(SysParaFile, CommaEndsTheRecordAndShiftsEveryLaterLine) {
  SysPara written;
  for (int i = 0; i < kSysParaNamed; ++i) written[SysParaEntries()[static_cast<std::size_t>(i)].index] = 100 + i;
  // Line 4 (SERR, value 104) gets a comma: its tail becomes the record read for ARCH.
  std::string text = WithLine(SysParaFileText(written), 4, "SERR-------=  104 , 77 ");
  SysPara t;
  ASSERT_TRUE(ParseSysParaText(text, t));
  EXPECT_EQ(t[3], 103);
  EXPECT_EQ(t[4], 104);
  EXPECT_EQ(t[5], 77);
  for (int i = 6; i < kSysParaNamed; ++i) {
    EXPECT_EQ(t[SysParaEntries()[static_cast<std::size_t>(i)].index], 100 + i - 1) << "line " << i;
  }
}

TEST(SysParaFile, ZraxCodeIsWrittenAsDecimalAndReadBackUnchanged) {
  SysPara t = Defaults();
  t[7] = 0;
  ASSERT_TRUE(ParseSysParaText(SysParaFileText(Defaults()), t));
  EXPECT_EQ(t[7], 0xB1A4);
}

struct SysParaFileOnDisk : ::testing::Test {
  fs::path dir = fs::temp_directory_path() / ("zova_syspara_" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  RecordingUi ui;
};

TEST_F(SysParaFileOnDisk, WrittenFileReadsBackAndReplacesTheOldOne) {
  const std::string path = (dir / "ZOVASYS.dat").string();
  std::ofstream(path) << "old";
  SysPara t = AllChanged();
  t[57] = -42;
  ASSERT_TRUE(WriteSysParaFile(path, t, ui));
  std::string content, error;
  ASSERT_TRUE(ReadWholeFile(path, content, error));
  EXPECT_EQ(content, SysParaFileText(t));
  SysPara back;
  ASSERT_TRUE(ReadSysParaFile(path, back));
  for (const SysParaEntry& e : SysParaEntries()) EXPECT_EQ(back[e.index], t[e.index]);
  EXPECT_TRUE(ui.messages.empty());
}

TEST_F(SysParaFileOnDisk, FailedSaveShowsTheSystemErrorFollowedByTheFileName) {
  const std::string path = (dir / "missing" / "ZOVASYS.dat").string();
  EXPECT_FALSE(WriteSysParaFile(path, Defaults(), ui));
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].text, std::string(std::strerror(ENOENT)) + path);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(SysParaFileOnDisk, MissingFileRestoresDefaultsSilently) {
  SysPara t = AllChanged();
  EXPECT_FALSE(ReadSysParaFile((dir / "none.dat").string(), t));
  EXPECT_EQ(t[0], 2);
  EXPECT_EQ(t[60], 8000);
}

}  // namespace
}  // namespace zova
