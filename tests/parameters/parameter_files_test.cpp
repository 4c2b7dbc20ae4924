// The two parameter files: exact lines, what a read leaves alone, a failed save.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "support/recording_ui.h"
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
parameters::SysPara AllChanged() {
  parameters::SysPara t;
  for (const parameters::SysParaEntry& e : parameters::SysParaEntries()) t[e.index] = e.defaultValue + 7;
  return t;
}

std::int32_t At(const parameters::AxPara& t, int axis, int entry) { return t[axis][static_cast<std::size_t>(entry)]; }

TEST(ParameterFiles, LinesOfTheWrittenFiles) {
  parameters::SysPara negative = Defaults<parameters::SysPara>();
  negative[57] = -1234;
  const Lines sys = CrLfLines(parameters::SysParaFileText(Defaults<parameters::SysPara>()));
  const Lines ax = CrLfLines(parameters::AxParaFileText(Defaults<parameters::AxPara>()));
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

// What "New" puts in every named entry, in file order: the values operators know from a fresh controller.
TEST(ParameterDefaults, EveryNamedEntryStartsAtItsKnownValue) {
  const std::vector<std::int32_t> system = {2, 1, 0, 0, 500, 1,  1,  45476, 0, 1, 0, 0, 0, 0, 0,  0,  0,    0,  0, 0, 0,
                                            0, 0, 0, 0, 0,   10, 10, 0,     4, 0, 0, 0, 0, 0, 10, 10, 8000, 50, 0, 0};
  const std::vector<std::int32_t> axis = {0,    0,   0,   0,   0,   0,  1,       0,      0, 0,     0,      0,
                                          0,    0,   1,   0,   0,   0,  -100000, 100000, 0, 10000, 300000, 2000,
                                          2048, 100, 100, 100, 100, 20, 50,      50,     1, 0,     0,      0};
  const parameters::SysPara systemTable = Defaults<parameters::SysPara>();
  const parameters::AxPara axisTable = Defaults<parameters::AxPara>();
  std::vector<std::int32_t> systemSet;
  for (const parameters::SysParaEntry& e : parameters::SysParaEntries()) systemSet.push_back(systemTable[e.index]);
  EXPECT_EQ(systemSet, system);
  for (int a = 0; a < parameters::kMaxAxes; ++a) {
    std::vector<std::int32_t> axisSet;
    for (const parameters::AxParaEntry& e : parameters::AxParaEntries()) axisSet.push_back(At(axisTable, a, e.entry));
    EXPECT_EQ(axisSet, axis) << "axis " << a;
  }
}

// A read fills the named entries only; the others keep their values.
TEST(ParameterFiles, ReadsLeaveTheUnnamedEntriesAlone) {
  parameters::SysPara sysRead;
  sysRead.values.fill(99);
  ASSERT_FALSE(parameters::ParseSysParaText(parameters::SysParaFileText(AllChanged()), sysRead).failed());
  for (int i = 0; i < parameters::kSysParaSize; ++i) {
    const bool named = i <= 16 || (i >= 40 && i <= 63);
    EXPECT_EQ(sysRead[i], named ? AllChanged()[i] : 99) << "index " << i;
  }
  parameters::AxPara axRead = Numbered();
  const parameters::AxPara ax = Defaults<parameters::AxPara>();
  ASSERT_FALSE(parameters::ParseAxParaText(parameters::AxParaFileText(ax), axRead).failed());
  for (int a = 0; a < parameters::kMaxAxes; ++a) {
    for (int e = 0; e < parameters::kAxParaEntries; ++e) {
      const bool named = std::any_of(parameters::AxParaEntries().begin(), parameters::AxParaEntries().end(),
                                     [&](const parameters::AxParaEntry& n) { return n.entry == e; });
      EXPECT_EQ(At(axRead, a, e), named ? At(ax, a, e) : 1000 * e + a) << "axis " << a << " entry " << e;
    }
  }
}

struct ParameterFilesOnDisk : test::ScratchDir {
  RecordingUi ui;
};

TEST_F(ParameterFilesOnDisk, FailedSaveShowsTheSystemErrorFollowedByTheFileName) {
  const std::string file = path("missing/ZOVASYS.dat");
  EXPECT_FALSE(parameters::WriteSysParaFile(file, Defaults<parameters::SysPara>(), ui));
  EXPECT_EQ(ui.texts(), std::vector<std::string>{file + ": " + std::strerror(ENOENT)});
}

}  // namespace
}  // namespace zova
