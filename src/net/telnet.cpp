// Telnet with COM Port Control, client side.
#include "net/telnet.h"

#include <algorithm>
#include <string_view>

namespace zova::net::telnet {

namespace {

// COM Port Control commands; the server answers each with the command plus 100.
constexpr std::uint8_t kSetBaud = 1, kSetDataSize = 2, kSetParity = 3, kSetStopSize = 4, kServerOffset = 100;

bool supported(std::uint8_t option) { return option == kBinary || option == kSuppressGoAhead || option == kComPort; }

void subCommand(std::uint8_t code, const std::vector<std::uint8_t>& value, std::vector<std::uint8_t>& out) {
  out.insert(out.end(), {kIac, kSb, kComPort});
  AppendEscaped(&code, 1, out);
  AppendEscaped(value.data(), value.size(), out);
  out.insert(out.end(), {kIac, kSe});
}

}  // namespace

void AppendEscaped(const std::uint8_t* data, std::size_t size, std::vector<std::uint8_t>& out) {
  for (std::size_t i = 0; i < size; ++i) {
    out.push_back(data[i]);
    if (data[i] == kIac) out.push_back(kIac);
  }
}

std::vector<std::uint8_t> LineCommands(const LineSettings& line) {
  const auto baud = static_cast<std::uint32_t>(line.baud);
  // None, odd, even, mark, space are 1 to 5 on the wire.
  const auto parity = static_cast<std::uint8_t>(1 + std::string_view("noems").find(line.parity));
  const std::uint8_t stop = line.stopBitsTimesTen == 20 ? 2 : line.stopBitsTimesTen == 15 ? 3 : 1;
  std::vector<std::uint8_t> out;
  subCommand(kSetBaud,
             {static_cast<std::uint8_t>(baud >> 24), static_cast<std::uint8_t>(baud >> 16),
              static_cast<std::uint8_t>(baud >> 8), static_cast<std::uint8_t>(baud)},
             out);
  subCommand(kSetDataSize, {static_cast<std::uint8_t>(line.dataBits)}, out);
  subCommand(kSetParity, {parity}, out);
  subCommand(kSetStopSize, {stop}, out);
  return out;
}

std::vector<std::uint8_t> Session::requests() {
  std::vector<std::uint8_t> out;
  for (std::uint8_t option : {kBinary, kSuppressGoAhead, kComPort}) {
    ours_[option] = State::Asked;
    out.insert(out.end(), {kIac, kWill, option});
  }
  for (std::uint8_t option : {kBinary, kSuppressGoAhead}) {
    theirs_[option] = State::Asked;
    out.insert(out.end(), {kIac, kDo, option});
  }
  return out;
}

bool Session::settled() const {
  for (std::uint8_t option : {kBinary, kSuppressGoAhead, kComPort}) {
    if (ours_[option] == State::Asked || theirs_[option] == State::Asked) return false;
  }
  return true;
}

bool Session::ready() const {
  return ours_[kBinary] == State::Yes && theirs_[kBinary] == State::Yes && ours_[kComPort] == State::Yes;
}

// Answers only where the state changes, so two sides never echo each other's answers for ever.
void Session::command(std::uint8_t verb, std::uint8_t option, std::vector<std::uint8_t>& reply) {
  const bool on = verb == kDo || verb == kWill;
  State& state = verb == kDo || verb == kDont ? ours_[option] : theirs_[option];
  const std::uint8_t yes = verb == kDo || verb == kDont ? kWill : kDo;
  const std::uint8_t no = verb == kDo || verb == kDont ? kWont : kDont;
  if (on && supported(option)) {
    if (state != State::Asked && state != State::Yes) reply.insert(reply.end(), {kIac, yes, option});
    state = State::Yes;
  } else if (on) {
    reply.insert(reply.end(), {kIac, no, option});
  } else {
    if (state == State::Yes) reply.insert(reply.end(), {kIac, no, option});
    state = state == State::Asked ? State::Refused : State::No;
  }
}

void Session::subnegotiation() {
  // The server's confirmations of the line commands are kept; its line and modem state reports are dropped.
  if (sub_.size() >= 3 && sub_[0] == kComPort && sub_[1] > kServerOffset && sub_[1] <= kServerOffset + kSetStopSize) {
    confirmed_[sub_[1] - kServerOffset].assign(sub_.begin() + 2, sub_.end());
  }
}

int Session::linesConfirmed() const {
  return static_cast<int>(
      std::count_if(confirmed_.begin(), confirmed_.end(), [](const auto& c) { return !c.empty(); }));
}

LineSettings Session::confirmedLine(const LineSettings& asked) const {
  LineSettings line = asked;
  if (const auto& baud = confirmed_[kSetBaud]; !baud.empty()) {
    std::uint32_t value = 0;
    for (std::uint8_t b : baud) value = value << 8 | b;
    line.baud = baud.size() == 4 ? static_cast<int>(value) : 0;
  }
  if (const auto& size = confirmed_[kSetDataSize]; !size.empty()) line.dataBits = size.size() == 1 ? size[0] : 0;
  if (const auto& parity = confirmed_[kSetParity]; !parity.empty()) {
    line.parity = parity.size() == 1 && parity[0] >= 1 && parity[0] <= 5 ? "noems"[parity[0] - 1] : '?';
  }
  if (const auto& stop = confirmed_[kSetStopSize]; !stop.empty()) {
    const int code = stop.size() == 1 ? stop[0] : 0;
    line.stopBitsTimesTen = code == 1 ? 10 : code == 2 ? 20 : code == 3 ? 15 : 0;
  }
  return line;
}

void Session::receive(const std::uint8_t* in, std::size_t size, std::vector<std::uint8_t>& data,
                      std::vector<std::uint8_t>& reply) {
  for (std::size_t i = 0; i < size; ++i) {
    const std::uint8_t b = in[i];
    switch (read_) {
      case Read::Data:
        if (b == kIac) {
          read_ = Read::Iac;
        } else {
          data.push_back(b);
        }
        break;
      case Read::Iac:
        if (b == kIac) {
          data.push_back(b);
          read_ = Read::Data;
        } else if (b >= kWill) {
          verb_ = b;
          read_ = Read::Verb;
        } else if (b == kSb) {
          sub_.clear();
          read_ = Read::Sub;
        } else {
          read_ = Read::Data;  // go-ahead, no-operation and the like carry nothing here
        }
        break;
      case Read::Verb:
        command(verb_, b, reply);
        read_ = Read::Data;
        break;
      case Read::Sub:
        if (b == kIac) {
          read_ = Read::SubIac;
        } else {
          sub_.push_back(b);
        }
        break;
      case Read::SubIac:
        if (b == kSe) {
          subnegotiation();
          read_ = Read::Data;
        } else {
          sub_.push_back(b);  // a doubled IAC inside the subnegotiation
          read_ = Read::Sub;
        }
        break;
    }
  }
}

}  // namespace zova::net::telnet
