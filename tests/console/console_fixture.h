// A console on a simulated controller, with a display that records what the window would draw.
#pragma once

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "console/console_display.h"
#include "console/manual_console.h"
#include "console/status_monitor.h"
#include "support/test_support.h"

namespace zova::test {

class RecordingDisplay final : public console::ConsoleDisplay {
 public:
  RecordingDisplay() {
    input.fill(-1);
    output.fill(-1);
    sensor.fill(console::SensorColour::Window);
  }
  // at(): a point past 63 is a fault of the caller, not a write past the array.
  void setInputChecked(int point, bool checked) override { input.at(point) = checked ? 1 : 0; }
  void setOutputChecked(int point, bool checked) override {
    output.at(point) = checked ? 1 : 0;
    if (onOutputSet) onOutputSet(point);  // the window's check box raises its click event
  }
  void setSensorColour(int box, console::SensorColour colour) override { sensor[box] = colour; }
  void setPositionTexts(int axis, const std::string& command, const std::string& actual) override {
    positions[axis] = {command, actual};
  }
  void setAxisSelText(const std::string& text) override { axisSel = text; }
  void setAvailable(console::Available what, bool available) override {
    static constexpr const char* kNames[console::kAvailableCount] = {
        "ServoOn",     "ServoOff",     "AlarmReset",   "ZeroReturn",      "JogPositive",    "JogNegative", "RunProgram",
        "StopProgram", "ResetProgram", "IoCheckStart", "OutputSwitching", "MotionCommands", "Jogging"};
    enabledLog.push_back(std::string(kNames[static_cast<std::size_t>(what)]) + (available ? " on" : " off"));
  }
  void setPolling(bool on) override { enabledLog.push_back(on ? "polling on" : "polling off"); }

  std::array<int, 64> input{};
  std::array<int, 64> output{};
  std::array<console::SensorColour, 18> sensor{};
  std::array<std::pair<std::string, std::string>, 6> positions{};
  std::string axisSel;
  std::vector<std::string> enabledLog;
  std::function<void(int)> onOutputSet;
};

struct ConsoleRig {
  explicit ConsoleRig(int axes = 4) : sim(axes), status(sim.link, display, axes), console(status) {
    // Past the first yield interval, so that the first wait of an exchange lets the "user" act.
    sim.clock.advance(seconds(1));
  }
  // Command codes the controller saw, in order.
  [[nodiscard]] const std::vector<std::uint8_t>& commands() const { return sim.controller.commandLog; }
  [[nodiscard]] long countOf(std::uint8_t code) const { return std::count(commands().begin(), commands().end(), code); }

  SimRig sim;
  RecordingDisplay display;
  console::StatusMonitor status;
  console::ManualConsole console;
};

}  // namespace zova::test
