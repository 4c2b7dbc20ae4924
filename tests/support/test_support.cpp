// Test rigs.
#include "support/test_support.h"

#include <cstdio>

namespace zova::test {
namespace {

std::string HexByte(std::uint8_t byte) {
  char hex[4];
  std::snprintf(hex, sizeof hex, "%02X", byte);
  return hex;
}

}  // namespace

bool WireLogPort::write(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) log_.emplace_back('>', data[i]);
  return inner_.write(data, size);
}

std::size_t WireLogPort::read(std::uint8_t* out, std::size_t max) {
  std::size_t n = inner_.read(out, max);
  for (std::size_t i = 0; i < n; ++i) log_.emplace_back('<', out[i]);
  return n;
}

std::string WireLogPort::text() const {
  std::string s;
  char last = 0;
  for (auto [dir, byte] : log_) {
    if (dir != last) s += (s.empty() ? "" : " ") + std::string(1, dir);
    last = dir;
    s += " " + HexByte(byte);
  }
  return s;
}

std::vector<std::uint8_t> WireLogPort::sent() const {
  std::vector<std::uint8_t> out;
  for (auto [dir, byte] : log_) {
    if (dir == '>') out.push_back(byte);
  }
  return out;
}

bool ScriptedPort::write(const std::uint8_t* data, std::size_t size) {
  for (std::size_t i = 0; i < size; ++i) {
    written.push_back(data[i]);
    if (react) react(data[i], *this);
  }
  return open_;
}

std::size_t ScriptedPort::read(std::uint8_t* out, std::size_t max) {
  std::size_t n = 0;
  while (n < max && !incoming.empty()) {
    out[n++] = incoming.front();
    incoming.pop_front();
  }
  return n;
}

void ScriptedPort::answer(std::map<std::uint8_t, std::uint8_t> replies) {
  react = [replies = std::move(replies)](std::uint8_t byte, ScriptedPort& port) {
    if (auto r = replies.find(byte); r != replies.end()) port.queue({r->second});
  };
}

void ScriptedPort::waitReadable(Duration max) {
  if (incoming.empty() && onWait) onWait(*this);
  if (incoming.empty()) clock_.sleepFor(max);
}

SimRig::SimRig(int axes) {
  controller.machine.axes = axes;
  std::string error;
  (void)wire.open(error);
}

std::string Hex(const std::vector<std::uint8_t>& bytes) {
  std::string s;
  for (std::uint8_t b : bytes) s += (s.empty() ? "" : " ") + HexByte(b);
  return s;
}

}  // namespace zova::test
