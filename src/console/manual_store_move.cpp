// Manual operation: storing the command position as a location, and executing one typed command.
#include <cmath>
#include <vector>

#include "console/console_input.h"
#include "console/manual_console.h"
#include "language/compiler.h"
#include "link/commands.h"
#include "link/link_error.h"

namespace zova {

namespace {

void appendLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

// Sends a host block and its checksum; false (after error box 0) unless the controller answers EOT.
bool sendBlockWithChecksum(Link& link, const std::vector<std::uint8_t>& block) {
  std::uint32_t sum = 0;
  link.SendBytes(block, sum);
  if (link.SendChecksum(Link::ChecksumFor(sum))) return true;
  ShowLinkFailure(link);
  return false;
}

// Handshake and one operand; false after error box 0.
bool startWithOperand(Link& link, std::uint8_t code, std::int32_t operand) {
  if (link.StartCommand(code) && link.SendOperand(operand)) return true;
  ShowLinkFailure(link);
  return false;
}

}  // namespace

ActionResult ManualConsole::LocSetClick(std::string_view pointText) {
  return RunGuarded(link_, [&] {
    const auto point = ValueInRange(pointText, 0, kMaxLocPoint);
    if (!point) {
      link_.ui().messageBox(Tr(kMsgLocRange));
      return ActionResult::Refused;
    }
    // The position stored is the command position last read (jog release, program stop).
    std::vector<std::uint8_t> block;
    for (int a = 0; a < status_.Axes; ++a) {
      appendLe(block, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(CommandPos[a]))), 4);
    }
    if (!startWithOperand(link_, cmd::kSendLocations, *point)) return ActionResult::LinkFailed;
    return sendBlockWithChecksum(link_, block) ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

ActionResult ManualConsole::MovClick(language::Compiler& compiler, std::string_view line, std::string_view speedText,
                                     std::string_view accelText) {
  return RunGuarded(link_, [&] {
    const auto speed = ValueInRange(speedText, kMinMoveSpeed, kMaxMoveSpeed);
    if (!speed) {
      link_.ui().messageBox(Tr(kMsgMoveSpeedRange));
      return ActionResult::Refused;
    }
    const auto accel = ValueInRange(accelText, 0, kMaxMoveAccel);
    if (!accel) {
      link_.ui().messageBox(Tr(kMsgMoveAccelRange));
      return ActionResult::Refused;
    }
    // The compiler shows its own message when the line does not compile.
    const auto record = compiler.compileLine(line);
    if (!record) return ActionResult::Refused;
    std::vector<std::uint8_t> block;
    appendLe(block, static_cast<std::uint32_t>(*speed), 2);
    appendLe(block, static_cast<std::uint32_t>(*accel), 4);
    appendLe(block, record->word1, 4);  // word 2 of the record is not sent
    if (!startWithOperand(link_, cmd::kMove, static_cast<std::int32_t>(block.size()))) return ActionResult::LinkFailed;
    return sendBlockWithChecksum(link_, block) ? ActionResult::Done : ActionResult::LinkFailed;
  });
}

}  // namespace zova
