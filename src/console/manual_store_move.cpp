// Manual operation: storing the command position as a location, and executing one typed command.
#include <cmath>
#include <vector>

#include "console/console_input.h"
#include "console/manual_console.h"
#include "language/compiler.h"
#include "link/commands.h"
#include "link/line_owner.h"
#include "link/link_error.h"

namespace zova::console {

namespace {

void appendLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu));
}

// Sends a host block and its checksum; fails (after error box 0) unless the controller answers EOT.
Outcome sendBlockWithChecksum(Link& link, const std::vector<std::uint8_t>& block) {
  std::uint32_t sum = 0;
  link.SendBytes(block, sum);
  Outcome sent = link.SendChecksum(Link::ChecksumFor(sum));
  if (!sent) ShowLinkFailure(link);
  return sent;
}

// Handshake and one operand; fails after error box 0.
Outcome startWithOperand(Link& link, std::uint8_t code, std::int32_t operand) {
  Outcome started = link.StartCommand(code);
  if (started) started = link.SendOperand(operand);
  if (!started) ShowLinkFailure(link);
  return started;
}

}  // namespace

Outcome ManualConsole::LocSetClick(std::string_view pointText) {
  return HoldLine(link_, [&]() -> Outcome {
    const auto point = ValueInRange(pointText, 0, kMaxLocPoint);
    if (!point) {
      link_.ui().messageBox(Tr(kMsgLocRange));
      return Outcome::Refused;
    }
    // The position stored is the command position last read (jog release, program stop).
    std::vector<std::uint8_t> block;
    for (int a = 0; a < status_.Axes; ++a) {
      appendLe(block, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::lround(CommandPos[a]))), 4);
    }
    if (Outcome started = startWithOperand(link_, cmd::kSendLocations, *point); !started) return started;
    return sendBlockWithChecksum(link_, block);
  });
}

Outcome ManualConsole::MovClick(language::Compiler& compiler, std::string_view line, std::string_view speedText,
                                std::string_view accelText) {
  return HoldLine(link_, [&]() -> Outcome {
    const auto speed = ValueInRange(speedText, kMinMoveSpeed, kMaxMoveSpeed);
    if (!speed) {
      link_.ui().messageBox(Tr(kMsgMoveSpeedRange));
      return Outcome::Refused;
    }
    const auto accel = ValueInRange(accelText, 0, kMaxMoveAccel);
    if (!accel) {
      link_.ui().messageBox(Tr(kMsgMoveAccelRange));
      return Outcome::Refused;
    }
    // The compiler shows its own message when the line does not compile.
    const auto record = compiler.compileLine(line);
    if (!record) return Outcome::Refused;
    std::vector<std::uint8_t> block;
    appendLe(block, static_cast<std::uint32_t>(*speed), 2);
    appendLe(block, static_cast<std::uint32_t>(*accel), 4);
    appendLe(block, record->word1, 4);  // word 2 of the record is not sent
    if (Outcome started = startWithOperand(link_, cmd::kMove, static_cast<std::int32_t>(block.size())); !started) {
      return started;
    }
    return sendBlockWithChecksum(link_, block);
  });
}

}  // namespace zova::console
