// The simulated controller's parameter requests: system block (7, 8) and axis blocks (11, 12).
#include <algorithm>
#include <optional>
#include <vector>

#include "link/commands.h"
#include "sim/controller.h"
#include "sim/parameter_store.h"

namespace zova::sim {

namespace {

constexpr int kSystemValues = 100;
constexpr std::size_t kAxisValues = 200;
constexpr std::size_t kLargestHostBlock = 5001;

// A factory-fresh controller: a plausible set that differs from nothing in particular.
void setFactoryValues(ParameterStore& p) {
  p.system[1] = 1;       // I/O
  p.system[4] = 500;     // SERR
  p.system[5] = 1;       // ARCH
  p.system[6] = 1;       // UPAX
  p.system[7] = 0xB1A4;  // ZRAX
  p.system[9] = 1;       // CSPD
  p.system[49] = 10;     // JSPD
  p.system[50] = 10;     // MSPD
  p.system[52] = 4;      // TIME
  p.system[58] = 10;     // ASPD
  p.system[59] = 10;     // RSPD
  p.system[60] = 8000;   // PSAR
  p.system[61] = 50;     // PSIZ
  for (auto& a : p.axis) {
    a[36] = 1;         // ZDIR
    a[73] = 1;         // SV_ERR
    a[101] = -100000;  // LL
    a[102] = 100000;   // UL
    a[104] = 10000;    // ERR
    a[105] = 300000;   // VEL
    a[106] = 2000;     // GEB
    a[107] = 2048;     // GEA
    a[130] = a[131] = a[132] = a[133] = 100;
    a[134] = 20;
    a[135] = a[136] = 50;
    a[137] = 1;
  }
}

void putValues(std::vector<std::uint8_t>& out, const std::int32_t* values, int count) {
  for (int i = 0; i < count; ++i) Controller::putLe32(out, values[i]);
}

// Stores the block's values from the front of `values`, as many as both hold.
void takeValues(const std::vector<std::uint8_t>& block, std::int32_t* values, std::size_t capacity) {
  const std::size_t count = std::min(block.size() / 4, capacity);
  for (std::size_t i = 0; i < count; ++i) values[i] = Controller::le32(std::span(block).subspan(4 * i, 4));
}

Task<> ServeFetchSystem(Controller& c) {
  // The controller reports the axis count it drives as AXES.
  c.machine.parameters.system[0] = c.machine.axes;
  std::vector<std::uint8_t> data;
  putValues(data, c.machine.parameters.system.data(), kSystemValues);
  co_await c.sendAnnouncedBlock(data);
}

// The host's parameter block: its length as the first operand, then the block and its checksum.
Task<std::optional<std::vector<std::uint8_t>>> ReceiveParameterBlock(Controller& c) {
  auto operands = co_await c.readOperands(2);
  if (!operands) co_return std::nullopt;
  const std::int32_t length = (*operands)[0];
  if (length < 0 || static_cast<std::size_t>(length) > kLargestHostBlock) co_return std::nullopt;
  co_return co_await c.receiveBlock(static_cast<std::size_t>(length));
}

Task<> ServeSendSystem(Controller& c) {
  auto block = co_await ReceiveParameterBlock(c);
  if (!block) co_return;
  ParameterStore& p = c.machine.parameters;
  takeValues(*block, p.system.data(), p.system.size());
  // An axis count the controller cannot drive stays in the block but changes nothing.
  if (p.system[0] >= 2 && p.system[0] <= kMaxAxes) c.machine.axes = p.system[0];
  c.noteMemoryChanged();
}

Task<> ServeFetchAxes(Controller& c) {
  std::vector<std::uint8_t> data;
  for (int a = 0; a < c.machine.axes; ++a)
    putValues(data, c.machine.parameters.axis[a].data(), static_cast<int>(kAxisValues));
  co_await c.sendAnnouncedBlock(data);
}

Task<> ServeSendAxes(Controller& c) {
  auto block = co_await ReceiveParameterBlock(c);
  if (!block) co_return;
  ParameterStore& p = c.machine.parameters;
  // The axes follow one another in the block, 200 values each.
  const std::size_t count = std::min(block->size() / 4, p.axis.size() * kAxisValues);
  for (std::size_t i = 0; i < count; ++i) {
    p.axis[i / kAxisValues][i % kAxisValues] = Controller::le32(std::span(*block).subspan(4 * i, 4));
  }
  c.noteMemoryChanged();
}

}  // namespace

ParameterStore::ParameterStore() { setFactoryValues(*this); }

void RegisterParameterCommands(Controller& c) {
  c.registerCommand(cmd::kReceiveSysPara, ServeFetchSystem);
  c.registerCommand(cmd::kSendSysPara, ServeSendSystem);
  c.registerCommand(cmd::kReceiveAxPara, ServeFetchAxes);
  c.registerCommand(cmd::kSendAxPara, ServeSendAxes);
}

}  // namespace zova::sim
