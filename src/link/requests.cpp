// The controller's requests.
#include "link/requests.h"

#include "link/commands.h"
#include "link/link_error.h"

namespace zova {

namespace {

RequestStatus failed(Link& link) {
  ShowLinkFailure(link);
  return RequestStatus::Failed;
}

// Handshake, then the operand step; a failed handshake sends the cancel sequence so that a
// controller which did see the command abandons it.
template <typename OperandStep>
RequestStatus withOperands(Link& link, std::uint8_t code, OperandStep step) {
  if (!link.StartCommand(code)) {
    link.SendZeroOperand(true);
    return failed(link);
  }
  return step() ? RequestStatus::Ok : failed(link);
}

RequestStatus statusOf(BlockStatus s) {
  switch (s) {
    case BlockStatus::Ok:
      return RequestStatus::Ok;
    case BlockStatus::BadChecksum:
      return RequestStatus::BadChecksum;
    case BlockStatus::Failed:
      break;
  }
  return RequestStatus::Failed;
}

// Command followed by a reply block of known length.
RequestStatus readBlock(Link& link, std::uint8_t code, std::span<std::uint8_t> out) {
  if (!link.StartCommand(code)) return failed(link);
  RequestStatus s = statusOf(link.ReceiveBlock(out));
  return s == RequestStatus::Failed ? failed(link) : s;
}

}  // namespace

RequestStatus RequestWithZeroOperand(Link& link, std::uint8_t code) {
  return withOperands(link, code, [&] { return link.SendZeroOperand(false); });
}

RequestStatus RequestRunProgram(Link& link, int program) {
  return withOperands(link, cmd::kRunProgram, [&] { return link.SendShortOperand(false, program); });
}

RequestStatus RequestSetOutput(Link& link, int point, bool on) {
  return withOperands(link, cmd::kSetOutput, [&] {
    link.SendByte(static_cast<std::uint8_t>(point - 7));
    link.SendByte(on ? 1 : 0);
    return link.SendZeroOperand(false);
  });
}

RequestStatus RequestJogStart(Link& link, std::uint8_t speed, std::uint8_t axisIndex, bool positive) {
  return withOperands(link, cmd::kJogStart, [&] {
    link.SendByte(speed);
    link.SendByte(axisIndex);
    link.SendByte(positive ? 1 : 0);
    return link.EndRequest();
  });
}

RequestStatus RequestIoImage(Link& link, bool inputs, IoImage& out) {
  std::array<std::uint8_t, 8> bytes{};
  RequestStatus s = readBlock(link, inputs ? cmd::kReadInputs : cmd::kReadOutputs, bytes);
  if (s == RequestStatus::Ok) out = DecodeIoImage(bytes);
  return s;
}

RequestStatus RequestPositions(Link& link, bool command, int axes, std::array<std::int32_t, 6>& out) {
  std::array<std::uint8_t, 24> bytes{};
  RequestStatus s = readBlock(link, command ? cmd::kReadCommandPositions : cmd::kReadActualPositions,
                              std::span<std::uint8_t>(bytes.data(), static_cast<std::size_t>(4 * axes)));
  if (s == RequestStatus::Ok) {
    for (int a = 0; a < axes; ++a) out[a] = DecodePosition(bytes, a);
  }
  return s;
}

RequestStatus RequestSensorWords(Link& link, int axes, std::array<std::uint32_t, 6>& out) {
  if (!link.StartCommand(cmd::kReadSensors)) return failed(link);
  RequestStatus s = statusOf(link.ReceiveAnnouncedBlock());
  if (s == RequestStatus::Failed) return failed(link);
  if (s == RequestStatus::Ok) {
    // A block shorter than the configured axes would leave stale words: treat as a failure.
    if (link.BlockLength < 4 * axes) return failed(link);
    for (int a = 0; a < axes; ++a) out[a] = DecodeSensorWord(link.BlockBuffer, a);
  }
  return s;
}

RequestStatus RequestErrorReport(Link& link, ErrorReport& out) {
  std::array<std::uint8_t, 4> bytes{};
  RequestStatus s = readBlock(link, cmd::kReadError, bytes);
  if (s == RequestStatus::Ok) out = DecodeErrorReport(bytes);
  return s;
}

bool RequestCloseLink(Link& link) { return link.StartCommand(cmd::kCloseLink); }

void RequestStop(Link& link) { link.SendByte(CAN); }
void RequestReset(Link& link) { link.SendByte(DLE); }

}  // namespace zova
