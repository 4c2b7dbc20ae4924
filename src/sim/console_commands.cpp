// The simulated controller's console requests: servo, zero return, run, status reads, outputs, jog.
#include <vector>

#include "link/commands.h"
#include "sim/controller.h"

namespace zova::sim {

namespace {

Task<> ServeZeroOperand(Controller& c, void (*act)(Controller&)) {
  auto operands = co_await c.readOperands(1);
  if (operands) act(c);
}

Task<> ServeServoOn(Controller& c) {
  co_await ServeZeroOperand(c, [](Controller& k) { k.machine.servo(true, k.now()); });
}
Task<> ServeServoOff(Controller& c) {
  co_await ServeZeroOperand(c, [](Controller& k) { k.machine.servo(false, k.now()); });
}
Task<> ServeAlarmReset(Controller& c) {
  co_await ServeZeroOperand(c, [](Controller& k) { k.machine.alarmReset(); });
}
Task<> ServeZeroReturn(Controller& c) {
  co_await ServeZeroOperand(c, [](Controller& k) { k.machine.startZeroReturn(k.now()); });
}

Task<> ServeRun(Controller& c) {
  auto operands = co_await c.readOperands(1);
  if (operands) c.machine.startProgram((*operands)[0], c.now());
}

Task<> ServeImage(Controller& c, bool inputs) {
  c.machine.update(c.now());
  std::vector<std::uint8_t> data(inputs ? c.machine.inputs.begin() : c.machine.outputs.begin(),
                                 inputs ? c.machine.inputs.end() : c.machine.outputs.end());
  co_await c.sendBlock(data);
}
Task<> ServeInputs(Controller& c) { co_await ServeImage(c, true); }
Task<> ServeOutputs(Controller& c) { co_await ServeImage(c, false); }

Task<> ServePositions(Controller& c, bool command) {
  c.machine.update(c.now());
  std::vector<std::uint8_t> data;
  for (int a = 0; a < c.machine.axes; ++a) {
    Controller::putLe32(data, command ? c.machine.commandPosition(a) : c.machine.actualPosition(a));
  }
  co_await c.sendBlock(data);
}
Task<> ServeCommandPositions(Controller& c) { co_await ServePositions(c, true); }
Task<> ServeActualPositions(Controller& c) { co_await ServePositions(c, false); }

Task<> ServeError(Controller& c) {
  std::vector<std::uint8_t> data = {static_cast<std::uint8_t>(c.machine.errorCode & 0xFF),
                                    static_cast<std::uint8_t>(c.machine.errorCode >> 8 & 0xFF),
                                    static_cast<std::uint8_t>(c.machine.errorValue & 0xFF),
                                    static_cast<std::uint8_t>(c.machine.errorValue >> 8 & 0xFF)};
  co_await c.sendBlock(data);
}

Task<> ServeSetOutput(Controller& c) {
  auto head = co_await c.readBytes(2);
  if (!head) co_return;
  auto operands = co_await c.readOperands(1);
  if (!operands) co_return;
  const int number = (*head)[0];
  if (number >= 1 && number <= 56) c.machine.setOutput(number + 7, (*head)[1] != 0);
}

Task<> ServeJog(Controller& c) {
  auto request = co_await c.readRawRequest(3);
  if (!request) co_return;
  c.machine.startJog((*request)[1], (*request)[2] != 0, (*request)[0], c.now());
}

Task<> ServeSensors(Controller& c) {
  c.machine.update(c.now());
  std::vector<std::uint8_t> data;
  for (int a = 0; a < c.machine.axes; ++a) Controller::putLe32(data, c.machine.sensorWord(a));
  co_await c.sendAnnouncedBlock(data);
}

// The handshake itself is the whole close-link request.
Task<> ServeCloseLink(Controller&) { co_return; }

}  // namespace

void RegisterConsoleCommands(Controller& c) {
  c.registerCommand(cmd::kRunProgram, ServeRun);
  c.registerCommand(cmd::kZeroReturn, ServeZeroReturn);
  c.registerCommand(cmd::kServoOn, ServeServoOn);
  c.registerCommand(cmd::kServoOff, ServeServoOff);
  c.registerCommand(cmd::kReadInputs, ServeInputs);
  c.registerCommand(cmd::kReadOutputs, ServeOutputs);
  c.registerCommand(cmd::kReadCommandPositions, ServeCommandPositions);
  c.registerCommand(cmd::kReadActualPositions, ServeActualPositions);
  c.registerCommand(cmd::kReadError, ServeError);
  c.registerCommand(cmd::kAlarmReset, ServeAlarmReset);
  c.registerCommand(cmd::kSetOutput, ServeSetOutput);
  c.registerCommand(cmd::kCloseLink, ServeCloseLink);
  c.registerCommand(cmd::kJogStart, ServeJog);
  c.registerCommand(cmd::kReadSensors, ServeSensors);
}

}  // namespace zova::sim
