// The simulated machine behind the controller: I/O, axes, motion and the controller's tables.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "base/clock.h"
#include "sim/parameter_store.h"

namespace zova::sim {

inline constexpr int kMaxAxes = 6;

// Output points the controller drives itself.
inline constexpr int kOutError = 0;
inline constexpr int kOutServoOn = 2;
inline constexpr int kOutReady = 3;
inline constexpr int kOutRun = 4;
inline constexpr int kOutZeroReturn = 7;

class Machine {
 public:
  Machine();

  int axes = 4;
  std::array<std::uint8_t, 8> inputs{};
  std::array<std::uint8_t, 8> outputs{};
  std::array<std::uint32_t, kMaxAxes> sensorBits{};  // home and limit bits set by tests
  int errorCode = 0;
  int errorValue = 0;
  ParameterStore parameters;  // system and axis parameter blocks (commands 7, 8, 11, 12)

  // Motion.
  Duration zeroReturnTime = milliseconds(800);
  Duration decelerationTime = milliseconds(200);
  // An axis whose drive never reports rest (a fault to test the host's bounded waits).
  std::array<bool, kMaxAxes> restBlocked{};

  // Move requests (command 37) as received: speed, acceleration, word 1 of the instruction record.
  struct MoveRequest {
    int speed = 0;
    int acceleration = 0;
    std::uint32_t word1 = 0;
  };
  std::vector<MoveRequest> moves;

  // Flash memory written by the firmware download (command 52).
  std::vector<std::uint8_t> flash;
  Duration flashEraseTime = milliseconds(500);
  int refuseFlashAcks = 0;  // the first n acknowledgements of 2800-byte stretches are refusals

  [[nodiscard]] bool output(int point) const { return (outputs[point / 8] >> (point % 8)) & 1; }
  void setOutput(int point, bool on);
  [[nodiscard]] bool input(int point) const { return (inputs[point / 8] >> (point % 8)) & 1; }
  void setInput(int point, bool on);

  // Brings positions and timed state up to `now`.
  void update(TimePoint now);
  [[nodiscard]] std::int32_t commandPosition(int axis) const;
  [[nodiscard]] std::int32_t actualPosition(int axis) const { return commandPosition(axis); }
  void setPosition(int axis, std::int32_t hundredths);
  [[nodiscard]] std::uint32_t sensorWord(int axis) const;

  void servo(bool on, TimePoint now);
  void alarmReset();
  void startZeroReturn(TimePoint now);
  void startJog(int axis, bool positive, int speed, TimePoint now);
  void startProgram(int program, TimePoint now);
  // CAN: ends a jog or stops the program; DLE: resets the program.
  void stop(TimePoint now);
  void resetProgram(TimePoint now);
  [[nodiscard]] bool running() const { return running_; }
  [[nodiscard]] int runningProgram() const { return program_; }

 private:
  void haltAll(TimePoint now);

  std::array<double, kMaxAxes> position_{};  // hundredths
  std::array<double, kMaxAxes> velocity_{};  // hundredths per second
  std::array<TimePoint, kMaxAxes> restAt_{};
  TimePoint lastUpdate_{};
  bool zeroReturning_ = false;
  TimePoint zeroReturnDone_{};
  bool running_ = false;
  int program_ = 0;
};

}  // namespace zova::sim
