// The Telnet decoder fed whatever a hostile server sends, cut into reads at places the input picks. Nothing
// may crash; the data and answers do not depend on where the reads were cut; neither outgrows the input;
// data sent escaped comes through unchanged; a confirmed line is read back as the line asked for.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "net/telnet.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Heard {
  Bytes data;
  Bytes reply;
};

// The input in one read, or in reads of 1 to 16 bytes whose lengths the input's own bytes give.
Heard Hear(const std::uint8_t* in, std::size_t size, bool pieces) {
  zova::net::telnet::Session session;
  Heard heard;
  (void)session.requests();
  for (std::size_t at = 0; at < size;) {
    const std::size_t step = pieces ? std::min<std::size_t>(1 + in[at] % 16, size - at) : size;
    session.receive(in + at, step, heard.data, heard.reply);
    at += step;
  }
  if (session.linesConfirmed() < 0 || session.linesConfirmed() > zova::net::telnet::kLineCommandCount) std::abort();
  (void)session.confirmedLine({});
  return heard;
}

// A line taken from the first bytes, the commands that set it, and the server's confirmation of each (the
// same command with the code plus 100): the session must read back exactly that line.
void Confirm(const std::uint8_t* in, std::size_t size) {
  if (size < 7) return;
  zova::LineSettings line;
  line.baud = static_cast<int>(
      (std::uint32_t{in[0]} << 24 | std::uint32_t{in[1]} << 16 | std::uint32_t{in[2]} << 8 | in[3]) & 0x7FFFFFFF);
  line.parity = "noems"[in[4] % 5];
  line.dataBits = 5 + in[5] % 4;
  line.stopBitsTimesTen = in[6] % 3 == 0 ? 10 : in[6] % 3 == 1 ? 15 : 20;
  Bytes server = zova::net::telnet::LineCommands(line);
  // Each command starts IAC SB COM-PORT CODE (a code is never IAC); a doubled IAC in a value is passed over
  // whole, so an IAC SB inside a value is not taken for a start.
  for (std::size_t i = 0; i + 3 < server.size();) {
    if (server[i] != zova::net::telnet::kIac) {
      ++i;
      continue;
    }
    if (server[i + 1] == zova::net::telnet::kSb) server[i + 3] += 100;
    i += 2;
  }
  zova::net::telnet::Session session;
  Bytes data;
  Bytes reply;
  session.receive(server.data(), server.size(), data, reply);
  const zova::LineSettings got = session.confirmedLine({});
  if (!data.empty() || session.linesConfirmed() != zova::net::telnet::kLineCommandCount || got.baud != line.baud ||
      got.parity != line.parity || got.dataBits != line.dataBits || got.stopBitsTimesTen != line.stopBitsTimesTen) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Heard whole = Hear(data, size, false);
  const Heard cut = Hear(data, size, true);
  if (whole.data != cut.data || whole.reply != cut.reply) std::abort();
  // A data byte takes at least one byte of input, an answer of three bytes an order of three.
  if (whole.data.size() > size || whole.reply.size() > size) std::abort();

  Bytes escaped;
  zova::net::telnet::AppendEscaped(data, size, escaped);
  const Heard plain = Hear(escaped.data(), escaped.size(), true);
  if (plain.data != Bytes(data, data + size) || !plain.reply.empty()) std::abort();
  Confirm(data, size);
  return 0;
}
