// Command codes of the controller, exchanged in the command handshake.
#pragma once

#include <cstdint>

namespace zova::cmd {

inline constexpr std::uint8_t kReceiveProgram = 1;
inline constexpr std::uint8_t kSendProgram = 2;
inline constexpr std::uint8_t kReceiveLocations = 3;
inline constexpr std::uint8_t kSendLocations = 4;
inline constexpr std::uint8_t kReceiveShifts = 5;
inline constexpr std::uint8_t kSendShifts = 6;
inline constexpr std::uint8_t kReceiveSysPara = 7;
inline constexpr std::uint8_t kSendSysPara = 8;
inline constexpr std::uint8_t kReceiveAxPara = 11;
inline constexpr std::uint8_t kSendAxPara = 12;
inline constexpr std::uint8_t kRunProgram = 21;
inline constexpr std::uint8_t kZeroReturn = 22;
inline constexpr std::uint8_t kServoOn = 23;
inline constexpr std::uint8_t kServoOff = 24;
inline constexpr std::uint8_t kReadInputs = 27;
inline constexpr std::uint8_t kReadOutputs = 28;
inline constexpr std::uint8_t kReadCommandPositions = 29;
inline constexpr std::uint8_t kReadActualPositions = 30;
inline constexpr std::uint8_t kReadError = 31;
inline constexpr std::uint8_t kAlarmReset = 32;
inline constexpr std::uint8_t kSetOutput = 33;
inline constexpr std::uint8_t kCloseLink = 36;
inline constexpr std::uint8_t kMove = 37;
inline constexpr std::uint8_t kJogStart = 39;
inline constexpr std::uint8_t kReadSensors = 40;
inline constexpr std::uint8_t kFirmwareDownload = 52;

}  // namespace zova::cmd
