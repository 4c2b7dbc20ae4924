// The fleet file reader fed arbitrary text. Nothing may crash; a refusal names a line of the text (or the
// file as a whole) and says why; an accepted fleet holds only controllers a backup can run.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "backup/fleet_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::vector<zova::backup::FleetMember> members;
  // No name lookups: a fuzzed host name would wait on the network.
  const zova::TextFault fault =
      zova::backup::ReadFleet(text, members, {}, [](const std::string&, int) { return std::vector<std::string>(); });
  const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  if (fault.failed()) {
    if (fault.line < 0 || fault.line > lines) std::abort();
    return 0;
  }
  std::set<std::string_view> names;
  for (const zova::backup::FleetMember& m : members) {
    if (!zova::backup::IsFleetName(m.name) || !names.insert(m.name).second || m.port.empty()) std::abort();
    if (m.axes < 2 || m.axes > 6 || m.machineType < 0 || m.machineType > 2) std::abort();
    if (!(m.handshakeTimeoutSeconds > 0) || m.timeoutSeconds < 0 || m.line < 1 || m.line > lines) std::abort();
  }
  if (members.empty()) std::abort();
  return 0;
}
