// How an operation with the controller, or on a file it needs, ended: one code and the reason in words.
// Link primitives, requests and every transfer return it; the command line turns it into its exit status
// and the windows into their message with one mapping each.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace zova {

struct Outcome {
  enum class Code {
    Ok,
    Busy,           // another operation holds the line: nothing was done, silently
    PortClosed,     // the port is not open: nothing was sent
    Refused,        // a request or an entry was refused before anything was sent
    Cancelled,      // the operator asked to stop before the exchange or between exchanges
    Stopped,        // the operator's stop cut a wait short inside an exchange: it failed, with no message
    TimedOut,       // the controller fell silent in the middle of an exchange, or did not finish in time
    WrongEcho,      // the controller answered another byte than the exchange expects
    BadChecksum,    // a received block's checksum was wrong: answered DLE, its data not used
    BadTerminator,  // a block, its checksum or its length did not end with the byte that closes it
    Overflow,       // received bytes were lost, or a block announced more than fits
    LineDead,       // the handshake got no answer at all, or the port went away
    Rejected,       // the controller refused what was sent
    FileFailed,     // a file could not be read or written
    FileDamaged,    // a file is not in its form
    Different,      // a comparison found differences
  };
  // Spelled Outcome::Ok and so on (GCC 12 cannot take `using enum` inside templates).
  static constexpr Code Ok = Code::Ok;
  static constexpr Code Busy = Code::Busy;
  static constexpr Code PortClosed = Code::PortClosed;
  static constexpr Code Refused = Code::Refused;
  static constexpr Code Cancelled = Code::Cancelled;
  static constexpr Code Stopped = Code::Stopped;
  static constexpr Code TimedOut = Code::TimedOut;
  static constexpr Code WrongEcho = Code::WrongEcho;
  static constexpr Code BadChecksum = Code::BadChecksum;
  static constexpr Code BadTerminator = Code::BadTerminator;
  static constexpr Code Overflow = Code::Overflow;
  static constexpr Code LineDead = Code::LineDead;
  static constexpr Code Rejected = Code::Rejected;
  static constexpr Code FileFailed = Code::FileFailed;
  static constexpr Code FileDamaged = Code::FileDamaged;
  static constexpr Code Different = Code::Different;

  Outcome() = default;
  Outcome(Code c, std::string why = {}) : code(c), detail(std::move(why)) {}  // NOLINT: a code is an outcome

  [[nodiscard]] bool ok() const { return code == Ok; }
  explicit operator bool() const { return ok(); }
  // The line or the controller failed: what the link's error box reports.
  [[nodiscard]] bool linkFailed() const {
    return code == TimedOut || code == WrongEcho || code == BadTerminator || code == Overflow || code == LineDead ||
           code == Rejected;
  }
  friend bool operator==(const Outcome& o, Code c) { return o.code == c; }

  Code code = Ok;
  std::string detail;  // what exactly went wrong, for logs and tests; never shown in place of a message
};

// "ok", "timed out", ... (data form: not translated).
std::string_view to_string(Outcome::Code code);
// The code's name, then ": detail" when there is one.
std::string to_string(const Outcome& outcome);
std::ostream& operator<<(std::ostream& out, const Outcome& outcome);

}  // namespace zova
