// The axis parameter file: six values a line, partial reads that keep what was read, round trips.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <random>

#include "link/recording_ui.h"
#include "parameters/ax_para_file.h"

namespace zova {
namespace {

AxPara Defaults() {
  AxPara t;
  t.SetDefaults();
  return t;
}

// Entry `entry` of axis `axis` gets a value that tells both apart.
AxPara Numbered() {
  AxPara t;
  for (int a = 0; a < kMaxAxes; ++a) {
    for (int e = 0; e < kAxParaEntries; ++e) t[a][static_cast<std::size_t>(e)] = 1000 * e + a;
  }
  return t;
}

std::int32_t At(const AxPara& t, int axis, int entry) { return t[axis][static_cast<std::size_t>(entry)]; }

std::string Line(const std::string& text, int index) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) start = text.find("\r\n", start) + 2;
  return text.substr(start, text.find("\r\n", start) - start);
}

TEST(AxParaFile, DefaultFileHas36LinesOfSixValues) {
  const std::string text = AxParaFileText(Defaults());
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 36);
  EXPECT_EQ(Line(text, 0), "MOTOR----- =  0   0   0   0   0   0 ");
  EXPECT_EQ(Line(text, 18), "LL-------- = -100000  -100000  -100000  -100000  -100000  -100000 ");
  EXPECT_EQ(Line(text, 22), "VEL------- =  300000   300000   300000   300000   300000   300000 ");
  EXPECT_EQ(Line(text, 35), "PAUSE----- =  0   0   0   0   0   0 ");
}

TEST(AxParaFile, RandomTablesRoundTripForAllSixAxes) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<std::int32_t> any(INT32_MIN, INT32_MAX);
  for (int round = 0; round < 20; ++round) {
    AxPara written;
    for (auto& axis : written.values) {
      for (std::int32_t& v : axis) v = any(rng);
    }
    AxPara read = Numbered();
    ASSERT_TRUE(ParseAxParaText(AxParaFileText(written), read));
    for (int a = 0; a < kMaxAxes; ++a) {
      for (int e = 0; e < kAxParaEntries; ++e) {
        const bool named = std::any_of(AxParaEntries().begin(), AxParaEntries().end(),
                                       [&](const AxParaEntry& n) { return n.entry == e; });
        EXPECT_EQ(At(read, a, e), named ? At(written, a, e) : 1000 * e + a) << "axis " << a << " entry " << e;
      }
    }
  }
}

TEST(AxParaFile, LineWithFiveValuesStopsTheReadAtItsSixthValue) {
  std::string text = AxParaFileText(Defaults());
  // Line 19 (UL) loses its last value.
  const std::string full = Line(text, 19);
  text.replace(text.find(full), full.size(), "UL-------- =  1   2   3   4   5 ");
  AxPara t = Numbered();
  std::string why;
  EXPECT_FALSE(ParseAxParaText(text, t, &why));
  EXPECT_NE(why.find("line 20"), std::string::npos) << why;
  EXPECT_EQ(At(t, 0, 101), -100000) << "earlier lines were read";
  for (int a = 0; a < 5; ++a) EXPECT_EQ(At(t, a, 102), a + 1);
  EXPECT_EQ(At(t, 5, 102), 1000 * 102 + 5) << "the missing value keeps the old one";
  EXPECT_EQ(At(t, 0, 103), 1000 * 103) << "later lines keep the old values";
  EXPECT_EQ(At(t, 3, 141), 1000 * 141 + 3);
}

TEST(AxParaFile, ValueRunningToTheEndOfTheRecordEndsTheLine) {
  // No blank after the fifth value: the splitting ends there and the sixth axis has no text.
  AxPara t = Numbered();
  EXPECT_FALSE(ParseAxParaText("MOTOR----- = 1 1 1 1 1\r\n", t));
  EXPECT_EQ(At(t, 4, 30), 1);
  EXPECT_EQ(At(t, 5, 30), 1000 * 30 + 5);
}

TEST(AxParaFile, ShortFileAndBadValuesKeepOnlyWhatWasRead) {
  const std::string good = AxParaFileText(Defaults());
  std::string thirtyFive = good.substr(0, good.rfind("PAUSE"));
  AxPara t = Numbered();
  EXPECT_FALSE(ParseAxParaText(thirtyFive, t));
  EXPECT_EQ(At(t, 5, 140), 0) << "line 35 was read";
  EXPECT_EQ(At(t, 5, 141), 1000 * 141 + 5);

  t = Numbered();
  EXPECT_FALSE(ParseAxParaText("MOTOR----- =  1   +2   1   1   1   1 \r\n", t));
  EXPECT_EQ(At(t, 0, 30), 1);
  EXPECT_EQ(At(t, 1, 30), 1000 * 30 + 1);
}

TEST(AxParaFile, MissingFileChangesNothing) {
  AxPara t = Numbered();
  std::string why;
  EXPECT_FALSE(ReadAxParaFile("/nonexistent/DIRIDOZO.dat", t, &why));
  EXPECT_EQ(At(t, 2, 101), 1000 * 101 + 2);
  EXPECT_EQ(why, std::strerror(ENOENT));
}

TEST(AxParaFile, SavedFileReadsBack) {
  const auto path = std::filesystem::temp_directory_path() / ("zova_axpara_" + std::to_string(::getpid()) + ".dat");
  AxPara t = Defaults();
  t[3][101] = -7;
  t[5][141] = 1;
  RecordingUi ui;
  ASSERT_TRUE(WriteAxParaFile(path.string(), t, ui));
  AxPara back;
  ASSERT_TRUE(ReadAxParaFile(path.string(), back));
  EXPECT_EQ(back.values, t.values);
  std::filesystem::remove(path);
}

}  // namespace
}  // namespace zova
