// The network port address fed arbitrary text (it comes from a settings file or a command line). Nothing
// may crash; a refusal says why; an accepted address is a network port name, holds no blank, and written
// again reads back the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/network_address.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  zova::net::NetworkAddress address;
  std::string error;
  if (!zova::net::ParseNetworkAddress(text, address, error)) {
    if (error.empty()) std::abort();
    return 0;
  }
  if (!zova::net::IsNetworkPortName(text) || address.host.empty() || address.port < 1 || address.port > 65535 ||
      address.host.find_first_of(" \t\r\n/?#[]") != std::string::npos) {
    std::abort();
  }
  const std::string written = zova::net::FormatNetworkAddress(address);
  zova::net::NetworkAddress again;
  if (!zova::net::ParseNetworkAddress(written, again, error) || again.scheme != address.scheme ||
      again.host != address.host || again.port != address.port || zova::net::FormatNetworkAddress(again) != written) {
    std::abort();
  }
  return 0;
}
