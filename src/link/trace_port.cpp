// Wire trace.
#include "link/trace_port.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <utility>

#include "base/translation.h"

namespace zova {

std::string FormatTraceLine(double at, char direction, const std::uint8_t* data, std::size_t size) {
  char head[32];
  std::snprintf(head, sizeof head, "%10.6f %c", at, direction);
  std::string line(head);
  line.reserve(line.size() + 3 * size + 1);
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < size; ++i) {
    line += ' ';
    line += kHex[data[i] >> 4];
    line += kHex[data[i] & 0xF];
  }
  line += '\n';
  return line;
}

TracePort::TracePort(Port& inner, std::FILE* out, Clock& clock, std::string fileName)
    : inner_(inner), out_(out), clock_(clock), start_(clock.now()), fileName_(std::move(fileName)) {
  // Line by line: a program killed outright (a second Ctrl-C) leaves whole lines, never half of one.
  std::setvbuf(out_, nullptr, _IOLBF, BUFSIZ);
}

void TracePort::check(bool written) {
  if (written && std::ferror(out_) == 0) return;
  if (fault_.empty()) {
    const int code = errno;
    fault_ = Tr("cannot write the trace {1}: {2}", {fileName_, code != 0 ? std::strerror(code) : Tr("write failed")});
  }
}

bool TracePort::open(std::string& error) {
  bool ok = inner_.open(error);
  errno = 0;
  check(std::fprintf(out_, "# open %s: %s\n", inner_.name().c_str(), ok ? "ok" : error.c_str()) > 0 &&
        std::fflush(out_) == 0);
  if (ok && !fault_.empty()) {
    inner_.close();
    error = fault_;
    return false;
  }
  return ok;
}

void TracePort::close() {
  inner_.close();
  errno = 0;
  check(std::fprintf(out_, "# close\n") > 0 && std::fflush(out_) == 0);
}

void TracePort::note(std::string_view text) {
  errno = 0;
  check(std::fprintf(out_, "# %.*s\n", static_cast<int>(text.size()), text.data()) > 0);
}

void NoteInTrace(Port& port, std::string_view text) {
  if (auto* trace = dynamic_cast<TracePort*>(&port)) trace->note(text);
}

void TracePort::line(char direction, const std::uint8_t* data, std::size_t size) {
  const double t = std::chrono::duration<double>(clock_.now() - start_).count();
  errno = 0;
  check(std::fputs(FormatTraceLine(t, direction, data, size).c_str(), out_) >= 0);
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
