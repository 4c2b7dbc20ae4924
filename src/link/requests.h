// The controller's requests, each as one exchange built from the frame primitives.
// Each shows the link error box itself where the exchange fails; a reply with a wrong
// checksum is answered with DLE and reported as BadChecksum without a message; any other failure says
// why in its Outcome.
#pragma once

#include <array>
#include <cstdint>

#include "link/decoders.h"
#include "link/link.h"

namespace zova {

// Command with one zero operand (zero return, servo on/off, alarm reset); answered SYN.
// A failed handshake is followed by the cancel sequence.
Outcome RequestWithZeroOperand(Link& link, std::uint8_t code);
// Run program `program` (0..31).
Outcome RequestRunProgram(Link& link, int program);
// Switch output point 8..63 on or off (output number point - 7).
Outcome RequestSetOutput(Link& link, int point, bool on);
// Jog start: speed byte, axis index byte (0 = axis 1), direction byte (1 positive).
Outcome RequestJogStart(Link& link, std::uint8_t speed, std::uint8_t axisIndex, bool positive);
// Reads the input (true) or output (false) image.
Outcome RequestIoImage(Link& link, bool inputs, IoImage& out);
// Reads the command (true) or actual (false) positions of axes 1..axes.
Outcome RequestPositions(Link& link, bool command, int axes, std::array<std::int32_t, 6>& out);
// Reads the sensor words of axes 1..axes from the announced block.
Outcome RequestSensorWords(Link& link, int axes, std::array<std::uint32_t, 6>& out);
// Reads the controller's error report.
Outcome RequestErrorReport(Link& link, ErrorReport& out);
// Close-link command: Ok when the controller echoed it.
Outcome RequestCloseLink(Link& link);
// Single-byte requests without a handshake.
void RequestStop(Link& link);   // CAN: ends a jog, stops a program
void RequestReset(Link& link);  // DLE: resets the running program

}  // namespace zova
