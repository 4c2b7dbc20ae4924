// The simulated controller's motion requests: the move of one typed command (37).
#include <vector>

#include "link/commands.h"
#include "sim/controller.h"

namespace zova::sim {

namespace {

constexpr std::int32_t kMoveBlockLength = 10;

// The operand announces the block length; the block carries speed (2 bytes), acceleration (4) and word 1 (4).
Task<> ServeMove(Controller& c) {
  auto operands = co_await c.readOperands(1);
  if (!operands) co_return;
  const std::int32_t length = (*operands)[0];
  if (length <= 0 || length > 64) co_return;  // not a move block we understand; the host will time out
  auto block = co_await c.receiveBlock(static_cast<std::size_t>(length));
  if (!block || length != kMoveBlockLength) co_return;
  const auto& b = *block;
  Machine::MoveRequest move;
  move.speed = b[0] | b[1] << 8;
  move.acceleration = Controller::le32(std::span(b).subspan(2, 4));
  move.word1 = static_cast<std::uint32_t>(Controller::le32(std::span(b).subspan(6, 4)));
  c.machine.moves.push_back(move);
}

}  // namespace

void RegisterMotionCommands(Controller& c) { c.registerCommand(cmd::kMove, ServeMove); }

}  // namespace zova::sim
