// A Port decorator that writes every byte sent and received, with time stamps, to a file.
// Lines read "  0.012345 > 01 1C" for bytes sent and "  0.013001 < 1C" for bytes received.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "link/port.h"

namespace zova {

// One line of the trace form, with its line end: time in seconds, '>' sent or '<' received, the bytes.
std::string FormatTraceLine(double at, char direction, const std::uint8_t* data, std::size_t size);

class TracePort final : public Port {
 public:
  // `fileName` names the trace in fault().
  TracePort(Port& inner, std::FILE* out, Clock& clock, std::string fileName = {});
  bool open(std::string& error) override;
  void close() override;
  [[nodiscard]] bool isOpen() const override { return inner_.isOpen(); }
  [[nodiscard]] std::string name() const override { return inner_.name(); }
  bool write(const std::uint8_t* data, std::size_t size) override;
  std::size_t read(std::uint8_t* out, std::size_t max) override;
  void waitReadable(Duration max) override { inner_.waitReadable(max); }
  [[nodiscard]] Duration transmitTime(std::size_t bytes) const override { return inner_.transmitTime(bytes); }
  [[nodiscard]] std::string linkFault() const override { return inner_.linkFault(); }

  // Why the trace could not be written (the first failure), or empty. A trace that cannot be written at the
  // open fails the open, before a byte goes out; a later failure leaves the exchange alone: the caller
  // learns of it here after close(), which writes everything still buffered.
  [[nodiscard]] const std::string& fault() const { return fault_; }

  // A line of its own ("# text") that says why the exchanges after it happen.
  void note(std::string_view text);

 private:
  void line(char direction, const std::uint8_t* data, std::size_t size);
  void check(bool written);

  Port& inner_;
  std::FILE* out_;
  Clock& clock_;
  TimePoint start_;
  std::string fileName_;
  std::string fault_;
};

// note() on `port` when it is a trace; nothing otherwise.
void NoteInTrace(Port& port, std::string_view text);

}  // namespace zova
