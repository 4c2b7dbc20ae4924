// Wire trace.
#include "link/trace_port.h"

#include <chrono>

namespace zova {

TracePort::TracePort(Port& inner, std::FILE* out, Clock& clock)
    : inner_(inner), out_(out), clock_(clock), start_(clock.now()) {}

bool TracePort::open(std::string& error) {
  bool ok = inner_.open(error);
  std::fprintf(out_, "# open %s: %s\n", inner_.name().c_str(), ok ? "ok" : error.c_str());
  return ok;
}

void TracePort::close() {
  inner_.close();
  std::fprintf(out_, "# close\n");
  std::fflush(out_);
}

void TracePort::line(char direction, const std::uint8_t* data, std::size_t size) {
  const double t = std::chrono::duration<double>(clock_.now() - start_).count();
  std::fprintf(out_, "%10.6f %c", t, direction);
  for (std::size_t i = 0; i < size; ++i) std::fprintf(out_, " %02X", data[i]);
  std::fputc('\n', out_);
}

bool TracePort::write(const std::uint8_t* data, std::size_t size) {
  line('>', data, size);
  return inner_.write(data, size);
}

std::size_t TracePort::read(std::uint8_t* out, std::size_t max) {
  std::size_t n = inner_.read(out, max);
  if (n > 0) line('<', out, n);
  return n;
}

}  // namespace zova
