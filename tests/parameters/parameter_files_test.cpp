// The two parameter files: exact lines, the record rules of reading, what a failed read leaves, round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "link/recording_ui.h"
#include "parameters/ax_para_file.h"
#include "parameters/sys_para_file.h"
#include "parameters_fixture.h"
#include "positions/crlf_lines.h"
#include "support/scratch_dir.h"

namespace zova {
namespace {

using Lines = std::vector<std::string>;
using test::CrLfLines;
using test::Defaults;
using test::Numbered;

// A system table whose 41 named entries all differ from their defaults.
SysPara AllChanged() {
  SysPara t;
  for (const SysParaEntry& e : SysParaEntries()) t[e.index] = e.defaultValue + 7;
  return t;
}

std::int32_t At(const AxPara& t, int axis, int entry) { return t[axis][static_cast<std::size_t>(entry)]; }

// The file text with line `index` replaced.
std::string WithLine(const std::string& text, int index, const std::string& line) {
  Lines lines = CrLfLines(text);
  lines[static_cast<std::size_t>(index)] = line;
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

TEST(ParameterFiles, LinesOfTheWrittenFiles) {
  SysPara negative = Defaults<SysPara>();
  negative[57] = -1234;
  const Lines sys = CrLfLines(SysParaFileText(Defaults<SysPara>()));
  const Lines ax = CrLfLines(AxParaFileText(Defaults<AxPara>()));
  ASSERT_EQ(sys.size(), 41u);
  ASSERT_EQ(ax.size(), 36u);
  const std::pair<std::string, std::string> cases[] = {
      {sys[0], "AXES-------=  2 "},
      {sys[7], "ZRAX-------=  45476 "},
      {sys[16], "BACK-------=  0 "},
      {sys[17], "PSIG-------=  0 "},  // the table order jumps from entry 16 to 40 here
      {sys[37], "PSAR-------=  8000 "},
      {sys[40], "STAT-------=  0 "},
      {CrLfLines(SysParaFileText(negative))[34], "AVAL-------= -1234 "},  // minus in place of the blank
      {ax[0], "MOTOR----- =  0   0   0   0   0   0 "},
      {ax[8], "ENDIR----- =  0   0   0   0   0   0 "},
      {ax[18], "LL-------- = -100000  -100000  -100000  -100000  -100000  -100000 "},
      {ax[35], "PAUSE----- =  0   0   0   0   0   0 "},
  };
  for (const auto& [line, expected] : cases) EXPECT_EQ(line, expected);
}

TEST(ParameterFiles, RandomTablesRoundTripAndUnnamedEntriesAreLeftAlone) {
  std::mt19937 rng(20240611);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  for (int round = 0; round < 10; ++round) {
    SysPara sys;
    for (std::int32_t& v : sys.values) v = any(rng);
    SysPara sysRead;
    for (std::int32_t& v : sysRead.values) v = 99;
    ASSERT_TRUE(ParseSysParaText(SysParaFileText(sys), sysRead));
    for (int i = 0; i < kSysParaSize; ++i) {
      const bool named = i <= 16 || (i >= 40 && i <= 63);
      EXPECT_EQ(sysRead[i], named ? sys[i] : 99) << "index " << i;
    }

    AxPara ax;
    for (auto& axis : ax.values) {
      for (std::int32_t& v : axis) v = any(rng);
    }
    AxPara axRead = Numbered();
    ASSERT_TRUE(ParseAxParaText(AxParaFileText(ax), axRead));
    for (int a = 0; a < kMaxAxes; ++a) {
      for (int e = 0; e < kAxParaEntries; ++e) {
        const bool named = std::any_of(AxParaEntries().begin(), AxParaEntries().end(),
                                       [&](const AxParaEntry& n) { return n.entry == e; });
        EXPECT_EQ(At(axRead, a, e), named ? At(ax, a, e) : 1000 * e + a) << "axis " << a << " entry " << e;
      }
    }
  }
}

TEST(SysParaFile, FailuresRestoreAll41DefaultsIncludingValuesAlreadyRead) {
  const std::string good = SysParaFileText(AllChanged());
  struct Case {
    const char* name;
    std::string text;
  } cases[] = {
      {"only 40 lines", good.substr(0, good.rfind("STAT"))},
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

TEST(SysParaFile, ValueTextJoinsRunsAndEndsAtAForeignCharacter) {
  SysPara t;
  ASSERT_TRUE(ParseSysParaText(WithLine(SysParaFileText(Defaults<SysPara>()), 4, "SERR-------= 1 2x4 "), t));
  EXPECT_EQ(t[4], 12);
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

TEST(AxParaFile, LineWithFiveValuesStopsTheReadAtItsSixthValue) {
  std::string text = AxParaFileText(Defaults<AxPara>());
  // Line 19 (UL) loses its last value.
  const std::string full = CrLfLines(text)[19];
  text.replace(text.find(full), full.size(), "UL-------- =  1   2   3   4   5 ");
  AxPara t = Numbered();
  std::string why;
  EXPECT_FALSE(ParseAxParaText(text, t, &why));
  EXPECT_NE(why.find("line 20"), std::string::npos) << why;
  for (int a = 0; a < 5; ++a) EXPECT_EQ(At(t, a, 102), a + 1);
  EXPECT_EQ(At(t, 5, 102), 1000 * 102 + 5) << "the missing value keeps the old one";
}

TEST(AxParaFile, ShortFilesAndBadValuesKeepOnlyWhatWasRead) {
  const std::string good = AxParaFileText(Defaults<AxPara>());
  AxPara t = Numbered();
  EXPECT_FALSE(ParseAxParaText(good.substr(0, good.rfind("PAUSE")), t));
  EXPECT_EQ(At(t, 5, 140), 0) << "line 35 was read";
  EXPECT_EQ(At(t, 5, 141), 1000 * 141 + 5);

  t = Numbered();
  EXPECT_FALSE(ParseAxParaText("MOTOR----- =  1   +2   1   1   1   1 \r\n", t));
  EXPECT_EQ(At(t, 0, 30), 1);
  EXPECT_EQ(At(t, 1, 30), 1000 * 30 + 1);

  // No blank after the fifth value: the splitting ends there and the sixth axis has no text.
  t = Numbered();
  EXPECT_FALSE(ParseAxParaText("MOTOR----- = 1 1 1 1 1\r\n", t));
  EXPECT_EQ(At(t, 4, 30), 1);
  EXPECT_EQ(At(t, 5, 30), 1000 * 30 + 5);
}

struct ParameterFilesOnDisk : test::ScratchDir {
  RecordingUi ui;
};

// A missing file then restores the system defaults but leaves the axis values as they were.
TEST_F(ParameterFilesOnDisk, WrittenFilesReadBackAndAMissingOneFails) {
  const std::string sysText = SysParaFileText(AllChanged()), axText = AxParaFileText(Numbered());
  ASSERT_TRUE(WriteSysParaFile(path("ZOVASYS.dat"), AllChanged(), ui));
  ASSERT_TRUE(WriteAxParaFile(path("DIRIDOZO.dat"), Numbered(), ui));
  SysPara sys;
  AxPara ax;
  ASSERT_TRUE(ReadSysParaFile(path("ZOVASYS.dat"), sys));
  ASSERT_TRUE(ReadAxParaFile(path("DIRIDOZO.dat"), ax));
  EXPECT_EQ(SysParaFileText(sys), sysText);
  EXPECT_EQ(AxParaFileText(ax), axText);

  std::string why;
  EXPECT_FALSE(ReadSysParaFile(path("none.dat"), sys));
  EXPECT_FALSE(ReadAxParaFile(path("none.dat"), ax, &why));
  EXPECT_EQ(SysParaFileText(sys), SysParaFileText(Defaults<SysPara>()));
  EXPECT_EQ(AxParaFileText(ax), axText);
  EXPECT_EQ(why, std::strerror(ENOENT));
}

TEST_F(ParameterFilesOnDisk, FailedSaveShowsTheSystemErrorFollowedByTheFileName) {
  const std::string file = path("missing/ZOVASYS.dat");
  EXPECT_FALSE(WriteSysParaFile(file, Defaults<SysPara>(), ui));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{std::string(std::strerror(ENOENT)) + file});
}

}  // namespace
}  // namespace zova
