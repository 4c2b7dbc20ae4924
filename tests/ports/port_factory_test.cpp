// The port factory: which maker a name goes to, with which device name and line settings, and what it refuses.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/recording_ui.h"
#include "ports/port_factory.h"
#include "support/test_support.h"

namespace zova::ports {
namespace {

TEST(PortFactory, ChoosesTheMakerTheDeviceAndTheSettings) {
  const std::string here = std::filesystem::current_path().string();
  struct Case {
    std::string name, typed;
    bool serial;         // a serial maker is handed in
    std::string made;    // "serial DEVICE SETTINGS FLOW"; empty: refused (network ports: the integration tests)
    std::string stored;  // how the stored settings were read: "untyped", "typed" or "not read"
  } cases[] = {
      // Stored settings apply over the default; typed ones win over them, the stored flow control stays.
      {"/dev/ttyS9", "", true, "serial /dev/ttyS9 19200,e,7,1 2", "untyped"},
      {"/dev/ttyS9", "4800,n,8,2", true, "serial /dev/ttyS9 4800,n,8,2 2", "typed"},
#ifndef _WIN32
      {"rel/tty", "", true, "serial " + here + "/rel/tty 19200,e,7,1 2", "untyped"},
#endif
      {"tcp://host:1", "9600,x,8,1", true, "", "typed"},
      {"/dev/ttyS9", "", false, "", "not read"},
  };
  for (const Case& c : cases) {
    std::string made;
    std::string storedRead = "not read";
    PortMakers makers;
    if (c.serial) {
      makers.serial = [&](const std::string& device, const LineSettings& line, FlowControl flow) {
        made = "serial " + device + " " + FormatLineSettings(line) + " " + std::to_string(static_cast<int>(flow));
        return std::make_unique<test::ScriptedPort>(systemClock());
      };
      makers.stored = [&](LineSettings& line, FlowControl& flow, bool typed, Ui&) {
        line = {19200, 'e', 7, 10};
        flow = FlowControl::RtsCts;
        storedRead = typed ? "typed" : "untyped";
      };
    }
    RecordingUi ui;
    LineSettings used;
    std::string error;
    const auto port = MakeNamedPort(c.name, c.typed, seconds(1), makers, ui, used, error);
    EXPECT_EQ(made, c.made) << c.name;
    EXPECT_EQ(port == nullptr, !error.empty()) << c.name << ": " << error;
    if (port) {
      EXPECT_NE(made.find(" " + FormatLineSettings(used)), std::string::npos) << c.name;
    }
    EXPECT_EQ(storedRead, c.stored) << c.name;
  }
}

}  // namespace
}  // namespace zova::ports
