// The fleet file: every controller of a plant in TOML, a [defaults] table and one [[controller]] table each
// (name, port, and any of settings, axes, machine-type, timeout, handshake-timeout).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_lines.h"

namespace zova::backup {

// One controller of the fleet, with the defaults filled in.
struct FleetMember {
  std::string name;           // letters, digits, '.', '_' and '-'; names its folder
  std::string port;           // a serial device, "sim", tcp://HOST:PORT or rfc2217://HOST:PORT
  std::string settings;       // empty: the stored settings, else 9600,n,8,1
  int axes = 0;               // 2 to 6
  int machineType = 0;        // 0 to 2
  double timeoutSeconds = 0;  // 0: the program's default
  double handshakeTimeoutSeconds = 100;
  int line = 0;  // where its [[controller]] table starts
  bool operator==(const FleetMember&) const = default;
};

// The fleet file's [history] table: the git repository each run is committed to, and where it is pushed.
struct FleetHistory {
  std::string git;     // the repository's folder; empty: no history is kept
  std::string remote;  // a URL git accepts, or empty: the commits stay here
  std::string branch = "main";
  double timeoutSeconds = 60;  // the fetch and push together
  int line = 0;                // where the table starts
  bool operator==(const FleetHistory&) const = default;
};

// The addresses a host name leads to, each with the port after a blank ("127.0.0.1 4001"); empty when it
// cannot be looked up. The system's lookup waits a few seconds at most.
using EndpointLookup = std::function<std::vector<std::string>(const std::string& host, int port)>;
[[nodiscard]] EndpointLookup SystemLookup();

// Reads a fleet file; `base` gives what neither [defaults] nor the controller's table sets. The first
// mistake comes back with its line: a TOML error, an unknown key, a value of the wrong kind or out of range,
// a controller without name, port or axis count, a name used twice (also in another case), or two
// controllers on one serial device (also when two names lead to one device) or one network endpoint (also
// when two spellings or schemes lead to one, as `lookup` finds the addresses). `history` (if given) gets the
// [history] table, whose mistakes are refused the same way; without it, the table is refused as unknown.
[[nodiscard]] TextFault ReadFleet(std::string_view text, std::vector<FleetMember>& members,
                                  const FleetMember& base = {}, const EndpointLookup& lookup = SystemLookup(),
                                  FleetHistory* history = nullptr);

// Whether `name` may name a git branch here: letters, digits, '.', '_', '-' and '/' between parts, no part
// starting with '.' or '-', not ending in ".lock".
[[nodiscard]] bool IsBranchName(std::string_view name);

// Whether `name` may name a controller: 1 to 64 letters, digits, '.', '_' or '-', not "." or "..".
[[nodiscard]] bool IsFleetName(std::string_view name);

}  // namespace zova::backup
