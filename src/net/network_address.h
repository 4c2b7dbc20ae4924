// Ports reached over the network, through a serial device server: "tcp://HOST:PORT" carries the bytes as
// they are, "rfc2217://HOST:PORT" speaks Telnet with the COM Port Control option.
#pragma once

#include <string>
#include <string_view>

#include "base/translation.h"

namespace zova::net {

enum class NetworkScheme { Tcp, Rfc2217 };

struct NetworkAddress {
  NetworkScheme scheme = NetworkScheme::Tcp;
  std::string host;  // a name, an IPv4 address, or an IPv6 address without its brackets
  int port = 0;
};

// Whether the operator meant a network port ("SCHEME://..."), well formed or not; a device name never has
// "://" in it.
[[nodiscard]] bool IsNetworkPortName(std::string_view text);

// Reads "tcp://HOST:PORT" or "rfc2217://HOST:PORT", the scheme in either case (HOST a name, an IPv4 address or
// "[IPv6]" with an optional "%ZONE"; PORT 1 to 65535); false with `error` saying what is wrong.
[[nodiscard]] bool ParseNetworkAddress(std::string_view text, NetworkAddress& out, std::string& error);

// The address in the form ParseNetworkAddress reads.
[[nodiscard]] std::string FormatNetworkAddress(const NetworkAddress& address);

// Both forms, for help texts (looked up with Tr where shown).
inline constexpr const char* kNetworkPortForms =
    TrMark("tcp://HOST:PORT (raw TCP) or rfc2217://HOST:PORT (Telnet, RFC 2217)");

}  // namespace zova::net
