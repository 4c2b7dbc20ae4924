// Reading network port addresses.
#include "net/network_address.h"

#include <algorithm>

#include "base/text_lines.h"
#include "base/translation.h"

namespace zova::net {

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
  auto refuse = [&](std::string why) {
    error = std::move(why);
    return false;
  };
  const std::size_t sep = text.find(kSeparator);
  const std::string scheme = sep == std::string_view::npos ? std::string() : AsciiLower(text.substr(0, sep));
  NetworkAddress address;
  if (scheme == "tcp") {
    address.scheme = NetworkScheme::Tcp;
  } else if (scheme == "rfc2217") {
    address.scheme = NetworkScheme::Rfc2217;
  } else {
    return refuse(Tr("{1}: unknown scheme; a network port is {2}", {whole, Tr(kNetworkPortForms)}));
  }
  std::string_view rest = text.substr(sep + kSeparator.size());
  // A blank is never part of an address; pasted ones trail it unseen.
  if (std::ranges::any_of(rest, [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; })) {
    return refuse(Tr("{1}: the address holds a blank", {whole}));
  }
  // What a web address may carry after its authority has no meaning for a serial line.
  if (const std::size_t extra = rest.find_first_of("/?#"); extra != std::string_view::npos) {
    return refuse(Tr("{1}: nothing may follow HOST:PORT (here \"{2}\")", {whole, std::string(rest.substr(extra))}));
  }
  std::string_view host;
  if (rest.starts_with('[')) {
    const std::size_t close = rest.find(']');
    if (close == std::string_view::npos)
      return refuse(Tr("{1}: the bracket after the IPv6 address is missing", {whole}));
    host = rest.substr(1, close - 1);
    // A link-local address names its interface after "%", as the system's lookup reads it.
    const std::size_t percent = host.find('%');
    const std::string_view ip = host.substr(0, percent);
    const bool zoneOk = percent == std::string_view::npos ||
                        (percent + 1 < host.size() && std::ranges::all_of(host.substr(percent + 1), isNameChar));
    if (!zoneOk || !std::ranges::all_of(ip, isIpv6Char) || ip.find(':') == std::string_view::npos) {
      return refuse(Tr("{1}: [{2}] is not an IPv6 address", {whole, std::string(host)}));
    }
    rest = rest.substr(close + 1);
  } else {
    const std::size_t colon = rest.find(':');
    host = rest.substr(0, colon);
    rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon);
    if (rest.find(':', 1) != std::string_view::npos) {
      return refuse(Tr("{1}: an IPv6 address goes in brackets, as [::1]", {whole}));
    }
    if (host.empty() || !std::ranges::all_of(host, isNameChar)) {
      return refuse(Tr("{1}: the host must be a name, an IPv4 address or an IPv6 address in brackets", {whole}));
    }
  }
  if (!rest.starts_with(':') || rest.size() == 1) return refuse(Tr("{1}: no port number; write HOST:PORT", {whole}));
  std::string_view digits = rest.substr(1);
  const bool sign = digits.starts_with('+');
  if (sign) digits.remove_prefix(1);
  const std::size_t zeros = std::min(digits.find_first_not_of('0'), digits.size());
  digits.remove_prefix(zeros);
  long value = 0;
  bool number = !digits.empty() && digits.size() <= 5;
  for (char c : digits) {
    number = number && c >= '0' && c <= '9';
    if (number) value = value * 10 + (c - '0');
  }
  if (!number || value < 1 || value > 65535) {
    return refuse(Tr("{1}: the port number must be 1 to 65535", {whole}));
  }
  if (sign || zeros > 0) {
    return refuse(
        Tr("{1}: write the port number without a sign or leading zeros, as :{2}", {whole, std::to_string(value)}));
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

}  // namespace zova::net
