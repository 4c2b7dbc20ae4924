// Reading network port addresses.
#include "link/network_address.h"

#include <algorithm>

#include "link/translation.h"

namespace zova {

namespace {

constexpr std::string_view kSeparator = "://";

bool isNameChar(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
}

bool isIpv6Char(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || c == ':' || c == '.';
}

}  // namespace

bool IsNetworkPortName(std::string_view text) { return text.find(kSeparator) != std::string_view::npos; }

bool ParseNetworkAddress(std::string_view text, NetworkAddress& out, std::string& error) {
  const std::string whole(text);
  const std::size_t sep = text.find(kSeparator);
  const std::string_view scheme = sep == std::string_view::npos ? std::string_view() : text.substr(0, sep);
  NetworkAddress address;
  if (scheme == "tcp") {
    address.scheme = NetworkScheme::Tcp;
  } else if (scheme == "rfc2217") {
    address.scheme = NetworkScheme::Rfc2217;
  } else {
    error = Tr("{1}: unknown scheme; a network port is {2}", {whole, Tr(kNetworkPortForms)});
    return false;
  }
  std::string_view rest = text.substr(sep + kSeparator.size());
  std::string_view host;
  if (rest.starts_with('[')) {
    const std::size_t close = rest.find(']');
    host = rest.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
    if (close == std::string_view::npos || host.empty() || !std::ranges::all_of(host, isIpv6Char) ||
        host.find(':') == std::string_view::npos) {
      error = Tr("{1}: an IPv6 address goes in brackets, as [::1]", {whole});
      return false;
    }
    rest = rest.substr(close + 1);
  } else {
    const std::size_t colon = rest.find(':');
    host = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon);
    if (host.empty() || !std::ranges::all_of(host, isNameChar)) {
      error = Tr("{1}: the host must be a name, an IPv4 address or an IPv6 address in brackets", {whole});
      return false;
    }
  }
  if (!rest.starts_with(':') || rest.size() == 1) {
    error = Tr("{1}: no port number; write HOST:PORT", {whole});
    return false;
  }
  const std::string_view digits = rest.substr(1);
  long value = 0;
  bool number = digits.size() <= 5 && digits.front() != '0';
  for (char c : digits) {
    number = number && c >= '0' && c <= '9';
    if (number) value = value * 10 + (c - '0');
  }
  if (!number || value > 65535) {
    error = Tr("{1}: the port number must be 1 to 65535", {whole});
    return false;
  }
  address.host = host;
  address.port = static_cast<int>(value);
  out = address;
  return true;
}

std::string FormatNetworkAddress(const NetworkAddress& address) {
  const bool v6 = address.host.find(':') != std::string::npos;
  return std::string(address.scheme == NetworkScheme::Tcp ? "tcp://" : "rfc2217://") + (v6 ? "[" : "") + address.host +
         (v6 ? "]" : "") + ":" + std::to_string(address.port);
}

}  // namespace zova
