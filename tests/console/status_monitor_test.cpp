// Status polling: images on the display, sensor colours, the poll rotation and its guards; the controller's
// error codes as the operator reads them.
#include <gtest/gtest.h>

#include "console/error_text.h"
#include "console_fixture.h"
#include "link/commands.h"
#include "support/language_guard.h"

namespace zova {
namespace {

using test::ConsoleRig;

TEST(StatusMonitor, ImagesAreDrawnPointByPoint) {
  struct Case {
    const char* name;
    int which;
    std::array<std::uint8_t, 8> bytes;
    std::vector<int> on;
    bool show = true;  // read without showing: the display and the output states stay as they were
  } cases[] = {
      {"outputs, only ZR", console::kReadOutputs, {0x80, 0, 0, 0, 0, 0, 0, 0}, {7}},
      {"inputs, E-STOP and UIN 48", console::kReadInputs, {0x01, 0, 0, 0, 0, 0, 0, 0x80}, {0, 63}},
      {"outputs, high byte of a word", console::kReadOutputs, {0, 0x01, 0, 0, 0, 0, 0x02, 0}, {8, 49}},
      {"outputs read only", console::kReadOutputs, {0x80, 0, 0, 0, 0, 0, 0, 0}, {7}, false},
  };
  for (const auto& c : cases) {
    ConsoleRig r;
    (c.which == console::kReadInputs ? r.sim.controller.machine.inputs : r.sim.controller.machine.outputs) = c.bytes;
    ASSERT_TRUE(r.status.ReadIoStatus(c.which, c.show)) << c.name;
    const auto& drawn = c.which == console::kReadInputs ? r.display.input : r.display.output;
    const IoImage& image = c.which == console::kReadInputs ? r.status.InputImage : r.status.OutputImage;
    for (int p = 0; p < 64; ++p) {
      const bool expected = std::find(c.on.begin(), c.on.end(), p) != c.on.end();
      EXPECT_EQ(image.point(p), expected) << c.name << " point " << p;
      EXPECT_EQ(drawn[p], c.show ? (expected ? 1 : 0) : -1) << c.name << " point " << p;
      if (c.which == console::kReadOutputs) {
        EXPECT_EQ(r.status.OutputState[p], c.show && expected ? 1 : 0) << c.name << " " << p;
      }
    }
  }
}

TEST(StatusMonitor, SensorColours) {
  struct Case {
    std::uint32_t word;
    console::SensorColour pos, home, neg;
  } cases[] = {
      {0x3, console::SensorColour::Red, console::SensorColour::Green, console::SensorColour::Window},
      {0x4, console::SensorColour::Window, console::SensorColour::Window, console::SensorColour::Red},
  };
  for (const auto& c : cases) {
    ConsoleRig r(2);
    r.sim.controller.machine.sensorBits[1] = c.word & 0x7;
    ASSERT_TRUE(r.status.ReadSensorStatus());
    r.status.ShowSensorStatus();
    // Axis 1 has no sensor on.
    EXPECT_EQ(std::tuple(r.display.sensor[3], r.display.sensor[4], r.display.sensor[5], r.display.sensor[0]),
              std::tuple(c.pos, c.home, c.neg, console::SensorColour::Window))
        << c.word;
  }
}

TEST(StatusMonitor, TicksRotateOutputsInputsSensors) {
  ConsoleRig r;
  r.status.IoStatusClick(0);
  for (int i = 0; i < 4; ++i) r.status.Tick();
  EXPECT_EQ(r.commands(),
            (std::vector<std::uint8_t>{cmd::kReadOutputs, cmd::kReadInputs, cmd::kReadSensors, cmd::kReadOutputs}));
}

TEST(StatusMonitor, AFailedPollGoesOnWithTheNextPhase) {
  ConsoleRig r;
  r.status.IoStatusClick(0);
  r.sim.controller.faults.wrongEcho = true;
  r.status.Tick();
  EXPECT_EQ(r.sim.ui.texts(), std::vector<std::string>{"통신이상 발생"});
  r.sim.controller.faults.wrongEcho = false;
  r.status.Tick();
  EXPECT_EQ(r.commands().back(), cmd::kReadInputs);
}

TEST(StatusMonitor, TicksSendNothingWhenTheyMust) {
  for (const std::string name : {"I/O checking off", "port closed", "link busy"}) {
    ConsoleRig r;
    if (name != "I/O checking off") r.status.IoStatusClick(0);
    if (name == "port closed") r.sim.wire.close();
    if (name == "link busy") r.sim.link.LinkBusy = true;
    for (int i = 0; i < 3; ++i) r.status.Tick();
    EXPECT_EQ(std::tuple(r.sim.wire.text(), r.sim.ui.texts()), std::tuple("", std::vector<std::string>{})) << name;
  }
}

TEST(StatusMonitor, BadChecksumDuringAPollKeepsTheDisplay) {
  ConsoleRig r;
  r.sim.controller.machine.outputs = {0x04, 0, 0, 0, 0, 0, 0, 0};
  r.status.IoStatusClick(0);
  r.status.Tick();
  ASSERT_EQ(r.display.output[2], 1);
  r.sim.controller.machine.outputs = {0, 0, 0, 0, 0, 0, 0, 0};
  r.sim.controller.faults.badChecksum = true;
  r.status.PollPhase = 0;
  r.status.Tick();
  EXPECT_EQ(std::tuple(r.sim.wire.sent().back(), r.sim.ui.texts(), r.display.output[2]),
            std::tuple(DLE, std::vector<std::string>{}, 1));
}

TEST(StatusMonitor, ARefreshNeverSendsAnOutputRequest) {
  ConsoleRig r;
  // Every check box the refresh changes raises the click handler, as the window's boxes do.
  r.display.onOutputSet = [&](int point) { (void)r.console.OutputClick(point); };
  r.sim.controller.machine.outputs = {0xFF, 0xFF, 0, 0, 0, 0, 0, 0x80};
  r.status.IoStatusClick(0);
  r.status.Tick();
  EXPECT_EQ(r.commands(), std::vector<std::uint8_t>{cmd::kReadOutputs});
  EXPECT_EQ(r.display.output[63], 1);
}

TEST(StatusMonitor, IoCheckWithdrawsActionsAndPolls) {
  ConsoleRig r;
  for (int index : {0, 1}) {
    r.status.IoStatusClick(index);
    EXPECT_EQ(r.status.Polling(), index == 0);
    for (console::Available a : {console::Available::IoCheckStart, console::Available::OutputSwitching,
                                 console::Available::MotionCommands, console::Available::Jogging}) {
      EXPECT_EQ(r.status.Offers.available(a), index == 1) << index << " " << static_cast<int>(a);
    }
  }
  EXPECT_EQ(std::tuple(r.status.IoCheckOn, r.display.enabledLog.back()), std::tuple(false, "polling off"));
}

TEST(StatusMonitor, ControllerErrorShowsTextAndAdviceThenRefreshesOutputsUnlessRefused) {
  ConsoleRig r;
  r.sim.controller.machine.errorCode = 77;
  r.sim.controller.machine.errorValue = 3;
  EXPECT_EQ(r.status.ControllerErrorClick(), Outcome::Ok);
  ASSERT_EQ(r.sim.ui.messages.size(), 1u);
  EXPECT_EQ(r.sim.ui.messages[0].text,
            std::string("System Error 07 : PRG3File does not exist\r\n") + console::kErrorAdvice);
  EXPECT_EQ(std::tuple(r.sim.ui.messages[0].title, r.sim.ui.messages[0].buttons), std::tuple("", MessageButtons::Ok));
  EXPECT_EQ(r.commands(), (std::vector<std::uint8_t>{cmd::kReadError, cmd::kReadOutputs}));
  EXPECT_EQ(r.status.LastError.value_or(ErrorReport{}).value, 3);
  ConsoleRig refused;  // a report whose checksum is wrong is refused (DLE): neither shown nor kept
  refused.sim.controller.faults.badChecksum = true;
  EXPECT_EQ(std::tuple(refused.status.ControllerErrorClick().code, refused.sim.ui.texts(), refused.status.LastError),
            std::tuple(Outcome::BadChecksum, std::vector<std::string>{}, std::nullopt));
}

TEST(StatusMonitor, ControllerErrorReadsInPlainEnglishKeepingNumberAndValue) {
  const test::LanguageGuard english(Language::English);
  const struct Case {
    int code;
    int value;
    const char* text;
  } cases[] = {
      {96, 0, "System error 26: emergency stop switch is on"},
      {41, 9, "Parameter error 01: gain out of range, GAIN = 0 to 50000"},
      {72, 12, "System error 02: location P12 does not exist"},
      {115, 6, "Checksum error 05: axis 6 axis parameters are corrupted"},
      {57, 65535, "Error code 57, error value 65535"},
  };
  for (const Case& c : cases) EXPECT_EQ(console::ErrorText(c.code, c.value), c.text) << c.code;
}

TEST(ErrorText, EveryForm) {
  struct Case {
    int code;
    int value;
    const char* text;
  } cases[] = {
      // Fixed texts ignore the value.
      {41, 9, "Parameter Error 01 : GAIN VALUE ERROR, GAIN = 0 ~ 50000"},
      {56, 0, "Parameter Error 16 : PACC LIMIT OVER, PACC = 200"},
      {71, 5, "System Error 01 :Backup battery Low Voltage"},
      {96, 0, "System Error 26 : Emergency Switch ON!"},
      {114, 1, "ChkSum Error 04 : System Parameter Crash"},
      {120, 1, "ChkSum Error 10 : SPLINE Info. Parameter crash"},
      // The value is written straight against the words around it.
      {72, 12, "System Error 02 : P12 LOC does not exist"},
      {73, 0, "System Error 03 : S0 SFT does not exist"},
      {79, 2, "System Error 09 : 2 axis Curr-Pos Lower Limit Over"},
      {86, 40, "System Error 16 : L40 Not Found"},
      {91, 1, "System Error 21 : 1 axis Invalid Nagative Sensor"},
      {97, 7, "System Error 27 : PAL7 not define"},
      {111, 31, "ChkSum Error 01 : PRG31 Crashed"},
      {115, 6, "ChkSum Error 05 : 6 ax Axis Parameter Crash"},
      {72, -1, "System Error 02 : P-1 LOC does not exist"},
      // No entry of their own: the generic text.
      {40, 1, "Error Code : 40, Error Value : 1"},
      {121, 6, "Error Code : 121, Error Value : 6"},
  };
  for (const Case& c : cases) EXPECT_EQ(console::ErrorText(c.code, c.value), c.text) << c.code;
}

TEST(ErrorText, EveryCodeOfTheTableHasItsOwnText) {
  for (int code = 41; code <= 120; ++code) {
    const bool generic = (code >= 57 && code <= 70) || (code >= 100 && code <= 110);
    EXPECT_EQ(console::ErrorText(code, 1).rfind("Error Code : ", 0) == 0, generic) << code;
  }
}

}  // namespace
}  // namespace zova
