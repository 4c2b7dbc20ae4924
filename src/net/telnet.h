// Telnet as a serial device server speaks it with the COM Port Control option (RFC 2217): the client asks
// for binary transfer both ways, suppressed go-aheads and the option, then sets the server's line. Data
// bytes equal to IAC are doubled on the wire.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "link/line_settings.h"

namespace zova::net::telnet {

inline constexpr std::uint8_t kIac = 255, kDont = 254, kDo = 253, kWont = 252, kWill = 251, kSb = 250, kSe = 240;
inline constexpr std::uint8_t kBinary = 0, kSuppressGoAhead = 3, kComPort = 44;

// Appends `data` with every IAC doubled.
void AppendEscaped(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out);

// The commands that set the server's serial line to `line`: baud rate, data bits, parity, stop bits.
std::vector<std::uint8_t> LineCommands(const LineSettings& line);
inline constexpr int kLineCommandCount = 4;

// The client's side of the option negotiation, and the data between the commands.
class Session {
 public:
  // What the client asks for first: binary both ways, suppressed go-aheads both ways, COM Port Control.
  std::vector<std::uint8_t> requests();
  // Takes bytes from the server: data bytes go to `data`, answers the negotiation needs go to `reply`.
  void receive(const std::uint8_t* in, std::size_t size, std::vector<std::uint8_t>& data,
               std::vector<std::uint8_t>& reply);

  // Every option asked for is settled, agreed or refused.
  [[nodiscard]] bool settled() const;
  // Binary both ways and COM Port Control agreed: the protocol's bytes may flow and the line be set.
  [[nodiscard]] bool ready() const;
  // How many of the line commands the server has confirmed.
  [[nodiscard]] int linesConfirmed() const;
  // The line the server says it has set: `asked` with each confirmed value in its place. A value no line
  // setting has shows as parity '?' or 0 bits, so it differs from what was asked.
  [[nodiscard]] LineSettings confirmedLine(const LineSettings& asked) const;

 private:
  enum class State : std::uint8_t { No, Asked, Yes, Refused };
  void command(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>& reply);
  void subnegotiation();

  std::array<State, 256> ours_{};    // options this side performs (WILL)
  std::array<State, 256> theirs_{};  // options the server performs (DO)
  enum class Read : std::uint8_t { Data, Iac, Verb, Sub, SubIac } read_ = Read::Data;
  std::uint8_t verb_ = 0;
  std::vector<std::uint8_t> sub_;
  // The server's answer to each line command (indexed by its code, 1 to 4); empty until it comes.
  std::array<std::vector<std::uint8_t>, kLineCommandCount + 1> confirmed_{};
};

}  // namespace zova::net::telnet
