// The simulated controller's program requests: a program block and a comment block per program, in both
// directions. The program block ends with its own terminator (SYN) instead of ETX, so these exchanges are
// written out here rather than through sendBlock/receiveBlock.
#include <algorithm>
#include <vector>

#include "link/commands.h"
#include "link/control_bytes.h"
#include "sim/controller.h"

namespace zova::sim {

namespace {

StoredProgram* Find(Controller& c, std::int32_t number) {
  if (number < 0 || number >= kStoredPrograms) return nullptr;
  return &c.programs.programs[static_cast<std::size_t>(number)];
}

// Command 1: the controller sends program n to the host.
Task<> ServeReceiveProgram(Controller& c) {
  auto operands = co_await c.readOperands(2);
  if (!operands) co_return;
  const StoredProgram* program = Find(c, (*operands)[0]);
  if (program == nullptr) co_return;  // no such program: the host's wait runs out
  if (!program->present()) {
    c.send(std::uint8_t{0x00});
    (void)co_await c.readByte();  // the host's EOT
    co_return;
  }
  // Copies live in this frame: the memory may be rewritten before the line has carried them.
  const std::vector<std::uint8_t> block = program->block;
  const std::vector<std::uint8_t> comments = program->comments;
  const bool f = c.faultActive();
  std::size_t size = block.size();
  if (f && c.faults.shortBlock > 0) size -= std::min<std::size_t>(size, static_cast<std::size_t>(c.faults.shortBlock));
  c.send(std::span(block).first(size));
  std::uint8_t checksum = Controller::checksumOf(block);
  if (f && c.faults.badChecksum) checksum = static_cast<std::uint8_t>(checksum + 1);
  c.send(checksum);
  if (f && c.faults.badTerminator) {
    c.send(std::uint8_t{0x00});
  } else {
    c.accept();  // SYN in place of ETX
  }
  // The comment block follows at once; the host answers only when it has all of it (EOT), or DLE after a
  // wrong checksum.
  c.send(std::span<const std::uint8_t>(comments));
  for (int i = 0; f && i < c.faults.extraBytes; ++i) c.send(static_cast<std::uint8_t>(0xA5 + i));
  (void)co_await c.readByte();
}

// Command 2: the host sends program n; it is stored only when both blocks arrived whole.
Task<> ServeSendProgram(Controller& c) {
  auto operands = co_await c.readOperands(2);
  if (!operands) co_return;
  StoredProgram* program = Find(c, (*operands)[0]);
  if (program == nullptr) co_return;
  auto flag = co_await c.readByte();
  if (!flag) co_return;
  if (*flag == 0) {
    *program = {};
    c.noteMemoryChanged();
    c.send(EOT);
    co_return;
  }
  auto rest = co_await c.readBytes(kProgramBlockBytes - 1);
  if (!rest) co_return;
  std::vector<std::uint8_t> block;
  block.reserve(kProgramBlockBytes);
  block.push_back(*flag);
  block.insert(block.end(), rest->begin(), rest->end());
  auto checksum = co_await c.readByte();
  if (!checksum) co_return;
  auto end = co_await c.readByte();
  if (!end || *end != ETX) co_return;
  if (static_cast<std::uint8_t>(Controller::checksumOf(block) - *checksum) != 0 ||
      (c.faultActive() && c.faults.refuseBlocks)) {
    c.send(DLE);
    co_return;
  }
  c.accept();
  if (c.faultActive() && c.faults.dleForSyn) co_return;  // the host stops at the DLE
  auto comments = co_await c.readBytes(kCommentBlockBytes);
  if (!comments) co_return;
  program->block = std::move(block);
  program->comments = std::move(*comments);
  c.noteMemoryChanged();
  c.send(EOT);
}

}  // namespace

void RegisterProgramCommands(Controller& c) {
  c.registerCommand(cmd::kReceiveProgram, ServeReceiveProgram);
  c.registerCommand(cmd::kSendProgram, ServeSendProgram);
}

}  // namespace zova::sim
