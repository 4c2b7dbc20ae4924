// Fetch and send of both parameter blocks against the simulated controller, checked on the wire.
#include <gtest/gtest.h>

#include "link/link_error.h"
#include "parameters/ax_para_transfer.h"
#include "parameters/sys_para_transfer.h"
#include "parameters_fixture.h"
#include "support/test_support.h"

namespace zova {
namespace {

using test::Numbered;
using test::SimRig;

const std::vector<std::string> kCommunicationError = {"통신이상 발생"};

parameters::SysPara Filled(std::int32_t base) {
  parameters::SysPara t;
  for (int i = 0; i < parameters::kSysParaSize; ++i) t[i] = base + i;
  return t;
}

TEST(SysParaTransfer, FetchDecodesAll100Entries) {
  SimRig rig(3);
  auto& block = rig.controller.machine.parameters.system;
  for (int i = 0; i < parameters::kSysParaSize; ++i) block[static_cast<std::size_t>(i)] = 1000 * i - 3000;
  parameters::SysPara t = Filled(7);
  ASSERT_EQ(parameters::FetchSysPara(rig.link, t), Outcome::Ok);
  const std::string wire = rig.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 07 < 07 90 01 00 00 02 > 16 < ")) << wire.substr(0, 60);
  EXPECT_TRUE(wire.ends_with(" 03 > 04"));
  EXPECT_EQ(std::pair(t[0], t[99]), std::pair(3, 96000)) << "the controller reports its axis count";
  // Progress starts at 0, runs to the announced length and goes back to 0.
  const auto& p = rig.ui.progress;
  ASSERT_GE(p.size(), 3u);
  EXPECT_EQ(
      std::tuple(p.front().job, p.front().maximum, p.front().value, p[1].value, p[p.size() - 2].value, p.back().value),
      std::tuple(Job::SysPara, true, 400, 0, 400, 0));
}

TEST(SysParaTransfer, SendAnnounces400BytesAndTheControllerStoresThem) {
  SimRig rig;
  parameters::SysPara t = Filled(-50);
  t[0] = 5;
  ASSERT_EQ(parameters::SendSysPara(rig.link, t), Outcome::Ok);
  const std::string wire = rig.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 08 < 08 > 90 01 00 00 00 00 00 00 02 < 16 > 05 00 00 00 CF FF FF FF"))
      << wire.substr(0, 90);
  EXPECT_TRUE(wire.ends_with(" 03 < 04"));
  EXPECT_EQ(rig.controller.machine.parameters.system, t.values);
  EXPECT_EQ(rig.ui.progress[0].value, 99) << "the maximum is the last index";
}

TEST(SysParaTransfer, RefusedBlockShowsTheErrorBox) {
  SimRig rig;
  rig.controller.faults.refuseBlocks = true;
  EXPECT_EQ(parameters::SendSysPara(rig.link, Filled(0)), Outcome::WrongEcho);
  EXPECT_EQ(rig.ui.texts(), kCommunicationError);
}

TEST(AxParaTransfer, SendWithFourAxesAnnouncesAndSends3200Bytes) {
  SimRig rig(4);
  parameters::AxPara t = Numbered();
  ASSERT_EQ(parameters::SendAxPara(rig.link, t, 4), Outcome::Ok);
  const std::string wire = rig.wire.text();
  EXPECT_TRUE(wire.starts_with("> 01 < 06 > 0C < 0C > 80 0C 00 00 00 00 00 00 02 < 16 > ")) << wire.substr(0, 60);
  EXPECT_TRUE(wire.ends_with(" 03 < 04"));
  // 4 axes of 800 bytes, then the checksum and ETX.
  EXPECT_EQ(rig.wire.sent().size(), 2u + 9u + 3200u + 2u);
  const auto& stored = rig.controller.machine.parameters.axis;
  for (int a = 0; a < 4; ++a) EXPECT_EQ(stored[static_cast<std::size_t>(a)], t[a]) << a;
  EXPECT_EQ(rig.ui.progress.front().value, 3200);
  EXPECT_EQ(rig.ui.progress[rig.ui.progress.size() - 2].value, 3200) << "one step per byte";
}

TEST(AxParaTransfer, FetchWithFourAxesDecodesFourAndKeepsAxesFourAndFive) {
  SimRig rig(4);
  auto& stored = rig.controller.machine.parameters.axis;
  for (int a = 0; a < 6; ++a) {
    for (int e = 0; e < parameters::kAxParaEntries; ++e)
      stored[static_cast<std::size_t>(a)][static_cast<std::size_t>(e)] = -e - a;
  }
  parameters::AxPara t = Numbered();
  ASSERT_EQ(parameters::FetchAxPara(rig.link, t, 4), Outcome::Ok);
  EXPECT_TRUE(rig.wire.text().starts_with("> 01 < 06 > 0B < 0B 80 0C 00 00 02 > 16 < "));
  for (int a = 0; a < 4; ++a) EXPECT_EQ(t[a], stored[static_cast<std::size_t>(a)]) << a;
  EXPECT_EQ(std::tuple(t[4], t[5], rig.ui.progress.front().job), std::tuple(Numbered()[4], Numbered()[5], Job::AxPara));
}

// A fetch that fails or is rejected changes no entry. The failures every exchange shares (no echo, silence
// at any byte, overlong announcements) are proven for both fetches by the fault matrix.
TEST(ParameterTransfer, FailedOrRejectedFetchesChangeNoEntry) {
  struct Case {
    const char* name;
    bool axes;
    int hostAxes;
    void (*fault)(sim::Faults&);
    Outcome::Code status;
    std::vector<std::string> messages;
  } cases[] = {
      {"wrong checksum", false, 4, [](sim::Faults& f) { f.badChecksum = true; }, Outcome::BadChecksum, {}},
      {"bad terminator", false, 4, [](sim::Faults& f) { f.badTerminator = true; }, Outcome::BadTerminator,
       kCommunicationError},
      {"announcement shorter than the block", false, 4, [](sim::Faults& f) { f.announce = 396; },
       Outcome::BadTerminator, kCommunicationError},
      {"axes: wrong checksum", true, 4, [](sim::Faults& f) { f.badChecksum = true; }, Outcome::BadChecksum, {}},
      // The controller drives 4 axes; a host configured for 6 would decode stale bytes.
      {"axes: block shorter than the axes", true, 6, [](sim::Faults&) {}, Outcome::BadTerminator, kCommunicationError},
  };
  for (const Case& c : cases) {
    SimRig rig(4);
    c.fault(rig.controller.faults);
    parameters::SysPara s = Filled(7);
    parameters::AxPara a = Numbered();
    EXPECT_EQ(c.axes ? parameters::FetchAxPara(rig.link, a, c.hostAxes) : parameters::FetchSysPara(rig.link, s),
              c.status)
        << c.name;
    EXPECT_EQ(std::tuple(s.values, a.values, rig.ui.texts(), rig.link.LinkBusy),
              std::tuple(Filled(7).values, Numbered().values, c.messages, false))
        << c.name;
  }
}

TEST(AxParaTransfer, AxisCountOutsideTwoToSixIsRefusedBeforeTheLink) {
  for (int axes : {1, 7}) {
    SimRig rig;
    parameters::AxPara t = Numbered();
    EXPECT_EQ(parameters::SendAxPara(rig.link, t, axes), Outcome::Refused) << axes;
    EXPECT_EQ(parameters::FetchAxPara(rig.link, t, axes), Outcome::Refused) << axes;
    EXPECT_EQ(rig.wire.text(), "") << axes;
    EXPECT_EQ(rig.ui.texts(), std::vector<std::string>(2, " 2 ~ 6 까지 입력하십시요.")) << axes;
    EXPECT_EQ(t.values, Numbered().values);
  }
}

TEST(AxisCount, TakenFromAxesOnlyWhenTwoToSix) {
  RecordingUi ui;
  int axes = 4;
  EXPECT_TRUE(parameters::TakeAxisCount(6, axes, ui));
  EXPECT_EQ(axes, 6);
  EXPECT_FALSE(parameters::TakeAxisCount(7, axes, ui));
  EXPECT_EQ(axes, 6);
}

}  // namespace
}  // namespace zova
