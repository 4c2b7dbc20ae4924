// The controller's requests.
#include "link/requests.h"

#include "link/commands.h"
#include "link/link_error.h"

namespace zova {

namespace {

Outcome failed(Link& link, Outcome why) {
  ShowOutcome(link.ui(), why);
  return why;
}

// Handshake, then the operand step; a failed handshake sends the cancel sequence so that a
// controller which did see the command abandons it.
template <typename OperandStep>
Outcome withOperands(Link& link, std::uint8_t code, OperandStep step) {
  if (Outcome started = link.StartCommand(code); !started) {
    link.SendZeroOperand(true);
    return failed(link, started);
  }
  Outcome sent = step();
  return sent ? sent : failed(link, sent);
}

// A block that failed other than by its checksum shows the error box.
Outcome received(Link& link, Outcome block) {
  return block || block == Outcome::BadChecksum ? block : failed(link, block);
}

// Command followed by a reply block of known length.
Outcome readBlock(Link& link, std::uint8_t code, std::span<std::uint8_t> out) {
  if (Outcome started = link.StartCommand(code); !started) return failed(link, started);
  return received(link, link.ReceiveBlock(out));
}

}  // namespace

Outcome RequestWithZeroOperand(Link& link, std::uint8_t code) {
  return withOperands(link, code, [&] { return link.SendZeroOperand(false); });
}

Outcome RequestRunProgram(Link& link, int program) {
  return withOperands(link, cmd::kRunProgram, [&] { return link.SendShortOperand(false, program); });
}

Outcome RequestSetOutput(Link& link, int point, bool on) {
  return withOperands(link, cmd::kSetOutput, [&] {
    link.SendByte(static_cast<std::uint8_t>(point - 7));
    link.SendByte(on ? 1 : 0);
    return link.SendZeroOperand(false);
  });
}

Outcome RequestJogStart(Link& link, std::uint8_t speed, std::uint8_t axisIndex, bool positive) {
  return withOperands(link, cmd::kJogStart, [&] {
    link.SendByte(speed);
    link.SendByte(axisIndex);
    link.SendByte(positive ? 1 : 0);
    return link.EndRequest();
  });
}

Outcome RequestIoImage(Link& link, bool inputs, IoImage& out) {
  std::array<std::uint8_t, 8> bytes{};
  Outcome s = readBlock(link, inputs ? cmd::kReadInputs : cmd::kReadOutputs, bytes);
  if (s) out = DecodeIoImage(bytes);
  return s;
}

Outcome RequestPositions(Link& link, bool command, int axes, std::array<std::int32_t, 6>& out) {
  std::array<std::uint8_t, 24> bytes{};
  Outcome s = readBlock(link, command ? cmd::kReadCommandPositions : cmd::kReadActualPositions,
                        std::span<std::uint8_t>(bytes.data(), static_cast<std::size_t>(4 * axes)));
  if (s) {
    for (int a = 0; a < axes; ++a) out[a] = DecodePosition(bytes, a);
  }
  return s;
}

Outcome RequestSensorWords(Link& link, int axes, std::array<std::uint32_t, 6>& out) {
  if (Outcome started = link.StartCommand(cmd::kReadSensors); !started) return failed(link, started);
  const ReceivedBlock block = link.ReceiveAnnouncedBlock();
  Outcome s = received(link, block.outcome);
  if (s) {
    // A block shorter than the configured axes has no word for some of them: treat as a failure.
    if (block.bytes.size() < static_cast<std::size_t>(4 * axes)) {
      return failed(link, {Outcome::BadTerminator, std::to_string(block.bytes.size()) + " sensor bytes"});
    }
    for (int a = 0; a < axes; ++a) out[a] = DecodeSensorWord(block.bytes, a);
  }
  return s;
}

Outcome RequestErrorReport(Link& link, ErrorReport& out) {
  std::array<std::uint8_t, 4> bytes{};
  Outcome s = readBlock(link, cmd::kReadError, bytes);
  if (s) out = DecodeErrorReport(bytes);
  return s;
}

Outcome RequestCloseLink(Link& link) { return link.StartCommand(cmd::kCloseLink); }

void RequestStop(Link& link) { link.SendByte(CAN); }
void RequestReset(Link& link) { link.SendByte(DLE); }

}  // namespace zova
