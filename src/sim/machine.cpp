// The simulated machine.
#include "sim/machine.h"

#include <cmath>

namespace zova::sim {

Machine::Machine() { setOutput(kOutReady, true); }

void Machine::setOutput(int point, bool on) {
  auto bit = static_cast<std::uint8_t>(1u << (point % 8));
  outputs[point / 8] = static_cast<std::uint8_t>(on ? outputs[point / 8] | bit : outputs[point / 8] & ~bit);
}

void Machine::setInput(int point, bool on) {
  auto bit = static_cast<std::uint8_t>(1u << (point % 8));
  inputs[point / 8] = static_cast<std::uint8_t>(on ? inputs[point / 8] | bit : inputs[point / 8] & ~bit);
}

void Machine::update(TimePoint now) {
  if (now > lastUpdate_) {
    const double dt = std::chrono::duration<double>(now - lastUpdate_).count();
    for (int a = 0; a < kMaxAxes; ++a) position_[a] += velocity_[a] * dt;
    lastUpdate_ = now;
  }
  if (zeroReturning_ && now >= zeroReturnDone_) {
    zeroReturning_ = false;
    position_.fill(0);
    velocity_.fill(0);
    for (auto& t : restAt_) t = now;
    setOutput(kOutZeroReturn, true);
  }
}

std::int32_t Machine::commandPosition(int axis) const {
  return static_cast<std::int32_t>(std::llround(position_[axis]));
}

void Machine::setPosition(int axis, std::int32_t hundredths) { position_[axis] = hundredths; }

std::uint32_t Machine::sensorWord(int axis) const {
  std::uint32_t word = sensorBits[axis] & 0x07u;
  if (velocity_[axis] == 0 && !zeroReturning_ && lastUpdate_ >= restAt_[axis] && !restBlocked[axis]) {
    word |= 1u << 8;
  }
  return word;
}

void Machine::servo(bool on, TimePoint now) {
  update(now);
  setOutput(kOutServoOn, on);
  if (!on) haltAll(now);
}

void Machine::alarmReset() {
  errorCode = 0;
  errorValue = 0;
  setOutput(kOutError, false);
}

void Machine::startZeroReturn(TimePoint now) {
  update(now);
  setOutput(kOutZeroReturn, false);
  zeroReturning_ = true;
  zeroReturnDone_ = now + zeroReturnTime;
}

void Machine::startJog(int axis, bool positive, int speed, TimePoint now) {
  update(now);
  if (axis < 0 || axis >= kMaxAxes) return;
  // Speed 1 moves one axis unit (100 hundredths) per second.
  velocity_[axis] = (positive ? 1.0 : -1.0) * 100.0 * speed;
}

void Machine::startProgram(int program, TimePoint now) {
  update(now);
  running_ = true;
  program_ = program;
  setOutput(kOutRun, true);
  for (int a = 0; a < axes; ++a) velocity_[a] = 250.0;
}

void Machine::haltAll(TimePoint now) {
  for (int a = 0; a < kMaxAxes; ++a) {
    if (velocity_[a] != 0) restAt_[a] = now + decelerationTime;
    velocity_[a] = 0;
  }
}

void Machine::stop(TimePoint now) {
  update(now);
  if (zeroReturning_) {
    // A homing stopped half-way leaves the axes where they are, not home: ZR stays off.
    zeroReturning_ = false;
    for (auto& t : restAt_) t = now + decelerationTime;
  }
  haltAll(now);
  running_ = false;
  setOutput(kOutRun, false);
}

void Machine::resetProgram(TimePoint now) {
  stop(now);
  program_ = 0;
}

}  // namespace zova::sim
