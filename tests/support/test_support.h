// Test rigs: a link to the in-process simulated controller on a fake clock, a scripted port,
// and a wire log that shows both directions of an exchange in order.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "link/link.h"
#include "link/port.h"
#include "support/recording_ui.h"
#include "sim/controller.h"
#include "sim/sim_port.h"

namespace zova::test {

// Records the bytes that cross a port in both directions, in the order they crossed.
class WireLogPort final : public Port {
 public:
  explicit WireLogPort(Port& inner) : inner_(inner) {}
  bool open(std::string& error) override { return inner_.open(error); }
  void close() override { inner_.close(); }
  [[nodiscard]] bool isOpen() const override { return inner_.isOpen(); }
  [[nodiscard]] std::string name() const override { return inner_.name(); }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override { inner_.waitReadable(max); }
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override { return inner_.transmitTime(bytes); }

  // "> 01 < 06 > 17 < 17": '>' host to controller, '<' controller to host.
  [[nodiscard]] std::string text() const;
  [[nodiscard]] std::vector<std::uint8_t> sent() const;
  void clear() { log_.clear(); }

 private:
  Port& inner_;
  std::vector<std::pair<char, std::uint8_t>> log_;
};

// A port whose controller side is a script: `react` sees every byte the host writes and may queue replies.
class ScriptedPort final : public Port {
 public:
  explicit ScriptedPort(Clock& clock) : clock_(clock) {}
  bool open(std::string& error) override {
    error = openError;
    open_ = openError.empty();
    return open_;
  }
  void close() override { open_ = false; }
  [[nodiscard]] bool isOpen() const override { return open_; }
  [[nodiscard]] std::string name() const override { return "script"; }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override;

  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override {
    return perByte * static_cast<Duration::rep>(bytes);
  }

  void queue(std::initializer_list<std::uint8_t> bytes) { incoming.insert(incoming.end(), bytes); }
  // A controller that answers each byte found in `replies` with its reply, and nothing else.
  void answer(std::map<std::uint8_t, std::uint8_t> replies);
  Duration perByte{};     // line time per byte; zero: bytes arrive at once
  std::string openError;  // not empty: open fails with this text
  std::function<void(std::uint8_t byte, ScriptedPort& port)> react;
  std::function<void(ScriptedPort& port)> onWait;  // called when the host waits on an empty line
  std::deque<std::uint8_t> incoming;
  std::vector<std::uint8_t> written;

 private:
  Clock& clock_;
  bool open_ = true;
};

// A link to a fresh simulated controller on a fake clock, with a recording Ui and a wire log.
struct SimRig {
  explicit SimRig(int axes = 4);
  FakeClock clock;
  sim::Controller controller;
  sim::SimPort simPort{controller, clock};
  WireLogPort wire{simPort};
  RecordingUi ui;
  Link link{wire, ui, clock};
};

// Spaced upper-case hex of bytes: "01 1C".
std::string Hex(const std::vector<std::uint8_t>& bytes);

// Source lines joined with CR LF.
inline std::string Source(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

}  // namespace zova::test
