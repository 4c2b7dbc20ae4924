// The line monitor's record.
#include "link/line_record.h"

#include <chrono>
#include <cstdio>

#include "link/commands.h"
#include "link/control_bytes.h"
#include "link/trace_port.h"

namespace zova {

std::string_view ControlName(std::uint8_t value) {
  switch (value) {
    case SOH:
      return "SOH";
    case STX:
      return "STX";
    case ETX:
      return "ETX";
    case EOT:
      return "EOT";
    case ENQ:
      return "ENQ";
    case DLE:
      return "DLE";
    case DC1:
      return "DC1";
    case SYN:
      return "SYN";
    case CAN:
      return "CAN";
    default:
      return {};
  }
}

LineRecord::LineRecord(Clock& clock, std::size_t capacity)
    : clock_(clock), ring_(capacity == 0 ? 1 : capacity), start_(clock.now()) {}

void LineRecord::sent(const std::uint8_t* data, std::size_t size) { take(data, size, true); }

void LineRecord::received(const std::uint8_t* data, std::size_t size) { take(data, size, false); }

void LineRecord::setPaused(bool paused) {
  paused_ = paused;
  handshake_ = Handshake::Idle;  // what passed meanwhile is unknown
}

void LineRecord::clear() {
  head_ = 0;
  count_ = 0;
  recorded_ = 0;
  start_ = clock_.now();
  handshake_ = Handshake::Idle;
}

const WireByte& LineRecord::operator[](std::size_t i) const { return ring_[(head_ + i) % ring_.size()]; }

bool LineRecord::completesHandshake(std::uint8_t value, bool sent) {
  // Only the four bytes back to back count, so a data byte of value SOH rarely starts a false one: the
  // host sends whole blocks before the controller answers.
  const Handshake was = handshake_;
  handshake_ = Handshake::Idle;
  if (was == Handshake::SawSoh && !sent) {
    handshake_ = Handshake::SawAnswer;
  } else if (was == Handshake::SawAnswer && sent) {
    handshake_ = Handshake::SawCode;
    code_ = value;
  } else if (was == Handshake::SawCode && !sent && value == code_) {
    return true;
  }
  if (handshake_ == Handshake::Idle && sent && value == SOH) handshake_ = Handshake::SawSoh;
  return false;
}

void LineRecord::take(const std::uint8_t* data, std::size_t size, bool sent) {
  if (paused_) return;
  const TimePoint at = clock_.now();
  for (std::size_t i = 0; i < size; ++i) {
    WireByte b{at, data[i], sent, i == 0, 0};
    if (completesHandshake(data[i], sent)) b.command = data[i];
    if (count_ < ring_.size()) {
      ring_[(head_ + count_) % ring_.size()] = b;
      ++count_;
    } else {
      ring_[head_] = b;
      head_ = (head_ + 1) % ring_.size();
    }
    ++recorded_;
  }
}

double LineRecord::secondsAt(const WireByte& b) const { return std::chrono::duration<double>(b.at - start_).count(); }

std::string LineRecord::displayLine(std::size_t i) const {
  const WireByte& b = (*this)[i];
  char text[48];
  std::snprintf(text, sizeof text, "%10.6f  %c  %02X  ", secondsAt(b), b.sent ? '>' : '<', b.value);
  std::string line(text);
  if (b.command != 0) {
    line += std::to_string(b.command);
    line += ' ';
    line += cmd::CommandName(b.command);
  } else {
    line += ControlName(b.value);
  }
  return line;
}

std::string LineRecord::traceText() const {
  std::string text;
  std::vector<std::uint8_t> chunk;
  for (std::size_t i = 0; i < count_;) {
    const WireByte& head = (*this)[i];
    chunk.clear();
    do {
      chunk.push_back((*this)[i].value);
      ++i;
    } while (i < count_ && !(*this)[i].first);
    text += FormatTraceLine(secondsAt(head), head.sent ? '>' : '<', chunk.data(), chunk.size());
  }
  return text;
}

}  // namespace zova
