// Names of the outcomes.
#include "base/outcome.h"

#include <ostream>

namespace zova {

std::string_view to_string(Outcome::Code code) {
  switch (code) {
    case Outcome::Ok:
      return "ok";
    case Outcome::Busy:
      return "busy";
    case Outcome::PortClosed:
      return "port closed";
    case Outcome::Refused:
      return "refused";
    case Outcome::Cancelled:
      return "cancelled";
    case Outcome::Stopped:
      return "stopped";
    case Outcome::TimedOut:
      return "timed out";
    case Outcome::WrongEcho:
      return "wrong echo";
    case Outcome::BadChecksum:
      return "bad checksum";
    case Outcome::BadTerminator:
      return "bad terminator";
    case Outcome::Overflow:
      return "overflow";
    case Outcome::LineDead:
      return "line dead";
    case Outcome::Rejected:
      return "rejected";
    case Outcome::FileFailed:
      return "file failed";
    case Outcome::FileDamaged:
      return "file damaged";
    case Outcome::Different:
      return "different";
  }
  return "?";
}

std::string to_string(const Outcome& outcome) {
  std::string s(to_string(outcome.code));
  if (!outcome.detail.empty()) s += ": " + outcome.detail;
  return s;
}

std::ostream& operator<<(std::ostream& out, const Outcome& outcome) { return out << to_string(outcome); }

}  // namespace zova
