// The simulated controller's table requests: locations and shifts, one row per exchange.
#include <vector>

#include "link/commands.h"
#include "link/control_bytes.h"
#include "sim/controller.h"

namespace zova::sim {

namespace {

// After the first operand, a lone STX followed by this much quiet is the console's one-operand form
// of command 4; the two-operand form sends its next bytes back to back.
constexpr auto kOneOperandQuiet = milliseconds(20);

std::vector<StoredPosition>& LocationTable(Controller& c) { return c.positions.locations; }
std::vector<StoredPosition>& ShiftTable(Controller& c) { return c.positions.shifts; }

StoredPosition* Row(std::vector<StoredPosition>& table, std::int32_t number) {
  if (number < 0 || static_cast<std::size_t>(number) >= table.size()) return nullptr;
  return &table[static_cast<std::size_t>(number)];
}

std::size_t BlockSize(const Controller& c) { return static_cast<std::size_t>(4 * c.machine.axes); }

// Operands (row, end); the reply is the row's first Axes values.
Task<> ServeRowRequest(Controller& c, std::vector<StoredPosition>& (*tableOf)(Controller&)) {
  auto operands = co_await c.readOperands(2);
  if (!operands) co_return;
  const StoredPosition* row = Row(tableOf(c), (*operands)[0]);
  if (row == nullptr) co_return;  // no such row: the host's wait runs out
  std::vector<std::uint8_t> data;
  for (int a = 0; a < c.machine.axes; ++a) Controller::putLe32(data, (*row)[static_cast<std::size_t>(a)]);
  co_await c.sendBlock(data);
}

// The host's block of Axes values for row `number`; kept only when its checksum was right.
Task<> StoreHostBlock(Controller& c, std::vector<StoredPosition>& table, std::int32_t number) {
  auto block = co_await c.receiveBlock(BlockSize(c));
  StoredPosition* row = Row(table, number);
  if (!block || row == nullptr) co_return;
  for (int a = 0; a < c.machine.axes; ++a) {
    (*row)[static_cast<std::size_t>(a)] =
        Controller::le32(std::span(*block).subspan(static_cast<std::size_t>(4 * a), 4));
  }
  c.noteMemoryChanged();
}

Task<> ServeReceiveLocations(Controller& c) { co_await ServeRowRequest(c, LocationTable); }
Task<> ServeReceiveShifts(Controller& c) { co_await ServeRowRequest(c, ShiftTable); }

Task<> ServeSendShifts(Controller& c) {
  auto operands = co_await c.readOperands(2);
  if (!operands) co_return;
  co_await StoreHostBlock(c, c.positions.shifts, (*operands)[0]);
}

// Command 4 comes in two forms: (row, end) from the transfer windows and (row) from the console.
Task<> ServeSendLocations(Controller& c) {
  auto first = co_await c.readBytes(4);
  if (!first) co_return;
  const std::int32_t number = Controller::le32(*first);
  auto next = co_await c.readByte();
  if (!next) co_return;
  std::size_t secondOperandLeft = 3;
  if (*next == STX) {
    auto more = co_await c.readByte(kOneOperandQuiet);
    if (!more) {
      c.accept();
      co_await StoreHostBlock(c, c.positions.locations, number);
      co_return;
    }
    secondOperandLeft = 2;  // that STX was the low byte of the second operand
  }
  if (!co_await c.readBytes(secondOperandLeft)) co_return;
  auto end = co_await c.readByte();
  if (!end || *end != STX) co_return;  // DLE: the host abandoned the request
  c.accept();
  co_await StoreHostBlock(c, c.positions.locations, number);
}

}  // namespace

void RegisterTableCommands(Controller& c) {
  c.registerCommand(cmd::kReceiveLocations, ServeReceiveLocations);
  c.registerCommand(cmd::kSendLocations, ServeSendLocations);
  c.registerCommand(cmd::kReceiveShifts, ServeReceiveShifts);
  c.registerCommand(cmd::kSendShifts, ServeSendShifts);
}

}  // namespace zova::sim
