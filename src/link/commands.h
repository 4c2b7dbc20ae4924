// Command codes of the controller, exchanged in the command handshake.
#pragma once

#include <cstdint>
#include <string_view>

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

// What a command code asks for, in a few words ("servo on"); "command" for a code the program never sends.
constexpr std::string_view CommandName(std::uint8_t code) {
  switch (code) {
    case kReceiveProgram:
      return "receive program";
    case kSendProgram:
      return "send program";
    case kReceiveLocations:
      return "receive LOC points";
    case kSendLocations:
      return "send LOC points";
    case kReceiveShifts:
      return "receive SFT entries";
    case kSendShifts:
      return "send SFT entries";
    case kReceiveSysPara:
      return "receive system parameters";
    case kSendSysPara:
      return "send system parameters";
    case kReceiveAxPara:
      return "receive axis parameters";
    case kSendAxPara:
      return "send axis parameters";
    case kRunProgram:
      return "run program";
    case kZeroReturn:
      return "zero return";
    case kServoOn:
      return "servo on";
    case kServoOff:
      return "servo off";
    case kReadInputs:
      return "read inputs";
    case kReadOutputs:
      return "read outputs";
    case kReadCommandPositions:
      return "read command positions";
    case kReadActualPositions:
      return "read actual positions";
    case kReadError:
      return "read error";
    case kAlarmReset:
      return "alarm reset";
    case kSetOutput:
      return "set output";
    case kCloseLink:
      return "close link";
    case kMove:
      return "move";
    case kJogStart:
      return "jog start";
    case kReadSensors:
      return "read sensors";
    case kFirmwareDownload:
      return "firmware download";
    default:
      return "command";
  }
}

}  // namespace zova::cmd
