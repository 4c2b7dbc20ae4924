// A Port decorator that writes every byte sent and received, with time stamps, to a file.
// Lines read "  0.012345 > 01 1C" for bytes sent and "  0.013001 < 1C" for bytes received.
#pragma once

#include <cstdio>
#include <string>

#include "link/port.h"

namespace zova {

// One line of the trace form, with its line end: time in seconds, '>' sent or '<' received, the bytes.
std::string FormatTraceLine(double at, char direction, const std::uint8_t* data, std::size_t size);

class TracePort final : public Port {
 public:
  TracePort(Port& inner, std::FILE* out, Clock& clock);
  bool open(std::string& error) override;
  void close() override;
  [[nodiscard]] bool isOpen() const override { return inner_.isOpen(); }
  [[nodiscard]] std::string name() const override { return inner_.name(); }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override { inner_.waitReadable(max); }
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override { return inner_.transmitTime(bytes); }

 private:
  void line(char direction, const std::uint8_t* data, std::size_t size);

  Port& inner_;
  std::FILE* out_;
  Clock& clock_;
  TimePoint start_;
};

}  // namespace zova
